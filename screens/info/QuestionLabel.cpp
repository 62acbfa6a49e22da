#include "screens/info/QuestionLabel.h"

#include "screens/info/QuestionLabelAccessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

QuestionLabel::QuestionLabel(const QString& text, QWidget* window) : ClickableLabel(window, text)
{
    QuestionLabelAccessible::install();
    // A screen reader names the question by its own words.
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    // Tab brings the focus; a click asks without taking it from where it is.
    setFocusPolicy(Qt::TabFocus);
}

void QuestionLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        ClickableLabel::keyPressEvent(event);
    }
}

void QuestionLabel::paintEvent(QPaintEvent* event)
{
    ClickableLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Around the words only, within the label, in the style's own focus frame.
    const QRect words = fontMetrics().boundingRect(contentsRect(), int(alignment()) | Qt::TextWordWrap, text());
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = words.adjusted(-1, 0, 1, 0).intersected(rect());
    focus.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}
