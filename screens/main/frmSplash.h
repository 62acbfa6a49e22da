#pragma once

#include "app/Screen.h"

#include <QWidget>

class ClickableLabel;
class PictureBox;
class QTimer;

// The first screen of the program; it leads on to the main window after eight
// seconds, or at once on a key that produces a character or a click on its frame.
class frmSplash : public QWidget, public Screen {
    Q_OBJECT

public:
    frmSplash();

    QWidget* screenWindow() override { return this; }
    void Form_Load() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A click on the frame itself leaves; clicks on the picture or the labels inside it do nothing.
    ClickableLabel* Frame1;
    PictureBox* Image1;
    QTimer* Timer1;

    void Form_KeyPress();
    void Frame1_Click();
    void Timer1_Timer();
    void leave();
};
