#pragma once

#include <QLabel>

// A question of the Help window: a label that reports a click, that is a
// press of the left mouse button on it and its release over it. It takes no
// focus, as a label does not.
class QuestionLabel : public QLabel {
    Q_OBJECT

public:
    QuestionLabel(const QString& text, QWidget* window);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
