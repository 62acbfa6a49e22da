#pragma once

#include <QAccessibleWidget>

class QuestionLabel;

// What assistive technology sees of a Help question: static text named by the
// question, with a press action that asks it as a click does. It takes the
// focus by Tab, between Exit and Home.
class QuestionLabelAccessible : public QAccessibleWidget {
public:
    explicit QuestionLabelAccessible(QuestionLabel* label);

    // Registers the interface for every question label; safe to call repeatedly.
    static void install();

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QuestionLabel* question() const;
};
