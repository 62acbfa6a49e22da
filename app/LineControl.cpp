#include "app/LineControl.h"

#include "app/Twips.h"

#include <QPainter>

LineControl::LineControl(QWidget* window, int x1Twips, int x2Twips, int yTwips, const QColor& colour,
                         int thicknessPixels)
    : QWidget(window), m_colour(colour)
{
    const int left = Twips::toPixelsX(x1Twips);
    const int right = Twips::toPixelsX(x2Twips);
    // The line is centred on its y coordinate, as a thick pen is.
    const int top = Twips::toPixelsY(yTwips) - thicknessPixels / 2;
    setGeometry(left, top, right - left + 1, thicknessPixels);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}
