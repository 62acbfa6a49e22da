#pragma once

#include "app/Screen.h"

#include <QWidget>

#include <vector>

class OptionButton;
class QLabel;
class QPushButton;
struct Outcome;
struct QuestionScreenContent;

// A question screen of the Anemia tree: a prompt, one group of option buttons
// and the buttons OK, Home and Exit, all built from the screen's content.
// OK runs the selected option's outcome; with nothing selected it warns.
class QuestionScreen : public QWidget, public Screen {
    Q_OBJECT

public:
    explicit QuestionScreen(ScreenKind kind);

    QWidget* screenWindow() override { return this; }
    void Form_Load() override;

    const QuestionScreenContent& content() const { return m_content; }

    // Label1, Label2, ... and Option1, Option2, ... by their number, from 1.
    int labelCount() const { return static_cast<int>(m_labels.size()); }
    QLabel* label(int number) const;
    int optionCount() const { return static_cast<int>(m_options.size()); }
    OptionButton* option(int number) const;

    QPushButton* cmdOK;
    QPushButton* cmdHome;
    QPushButton* cmdExit;

private:
    void cmdOK_Click();
    void cmdHome_Click();
    void cmdExit_Click();
    void runOutcome(const Outcome& outcome);
    void setTabOrderByIndex(const std::vector<std::pair<int, QWidget*>>& controls);

    const QuestionScreenContent& m_content;
    std::vector<QLabel*> m_labels;
    std::vector<OptionButton*> m_options;
};
