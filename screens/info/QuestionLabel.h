#pragma once

#include "app/ClickableLabel.h"

// A question of the Help window: a label that reports a click. It takes the
// focus by Tab and shows it with a dotted frame around its words, leaving
// its colours as they are; Space or Enter asks it as a click does. A screen
// reader can name and press it.
class QuestionLabel : public ClickableLabel {
    Q_OBJECT

public:
    QuestionLabel(const QString& text, QWidget* window);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
