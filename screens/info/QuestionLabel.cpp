#include "screens/info/QuestionLabel.h"

#include "screens/info/QuestionLabelAccessible.h"

#include <QMouseEvent>

QuestionLabel::QuestionLabel(const QString& text, QWidget* window) : QLabel(text, window)
{
    QuestionLabelAccessible::install();
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    // A screen reader names the question by its own words.
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
}

void QuestionLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void QuestionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Letting go of the button away from the question takes the click back.
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
