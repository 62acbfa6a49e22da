#include "app/ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent, const QString& text) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

bool ClickableLabel::onLabelItself(QMouseEvent* event) const
{
    const QPoint at = event->position().toPoint();
    return rect().contains(at) && !childAt(at);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton && onLabelItself(event);
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Letting go of the button away from the label takes the click back.
    const bool click = m_pressed && event->button() == Qt::LeftButton && onLabelItself(event);
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
