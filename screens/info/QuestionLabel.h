#pragma once

#include "app/ClickableLabel.h"

// A question of the Help window: a label that reports a click. It takes no
// focus, as a label does not, but a screen reader can name and press it.
class QuestionLabel : public ClickableLabel {
    Q_OBJECT

public:
    QuestionLabel(const QString& text, QWidget* window);
};
