#pragma once

#include <QLabel>

// A label that reports a click: a press of the left mouse button on the label
// itself and its release over it. A press on a control lying inside it (a
// picture, another label) is that control's, not the label's.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent, const QString& text = {});

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool onLabelItself(QMouseEvent* event) const;

    bool m_pressed = false;
};
