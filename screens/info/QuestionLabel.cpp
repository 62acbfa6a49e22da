#include "screens/info/QuestionLabel.h"

#include "screens/info/QuestionLabelAccessible.h"

QuestionLabel::QuestionLabel(const QString& text, QWidget* window) : ClickableLabel(window, text)
{
    QuestionLabelAccessible::install();
    // A screen reader names the question by its own words.
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
}
