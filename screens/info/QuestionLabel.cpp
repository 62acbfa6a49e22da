#include "screens/info/QuestionLabel.h"

#include "screens/info/QuestionLabelAccessible.h"

#include <QKeyEvent>
#include <QPainter>

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
    // A dotted frame around the words, in their own colour: it shows on the
    // cyan ground whether the question is black or blue, and adds no colour.
    const QRect words = fontMetrics().boundingRect(contentsRect(), int(alignment()) | Qt::TextWordWrap, text());
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(words.adjusted(-2, 0, 1, -1).intersected(rect().adjusted(0, 0, -1, -1)));
}
