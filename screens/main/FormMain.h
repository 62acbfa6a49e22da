#pragma once

#include "app/Screen.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class LineControl;
class PictureBox;

// The hub of the program: the topic list, and the buttons that start a topic,
// open Help and About, and end the program.
class FormMain : public QWidget, public Screen {
    Q_OBJECT

public:
    FormMain();

    QWidget* screenWindow() override { return this; }
    void Form_Load() override;

    // The position of the chosen topic in the list, -1 while none is chosen.
    int selectedTopicIndex() const;

private:
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* cmdOK;
    QPushButton* cmdHelp;
    QPushButton* cmdAbout;
    QPushButton* cmdExit;
    QComboBox* Combo1;
    LineControl* Line1;
    PictureBox* Image1;

    void cmdOK_Click();
    void cmdHelp_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
};
