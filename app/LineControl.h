#pragma once

#include <QColor>
#include <QWidget>

// A straight horizontal line drawn on a screen, given by its two end points in twips.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QWidget* window, int x1Twips, int x2Twips, int yTwips, const QColor& colour,
                int thicknessPixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};
