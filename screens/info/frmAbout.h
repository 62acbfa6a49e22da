#pragma once

#include "app/Screen.h"

#include <QDialog>
#include <QList>

class LineControl;
class QLabel;
class QPushButton;

// Fixed information about the program, and a button that starts the system's
// information tool. Shown modeless beside the main window; OK, Enter on OK,
// Esc and the frame all unload it.
class frmAbout : public QDialog, public Screen {
    Q_OBJECT

public:
    frmAbout();

    QWidget* screenWindow() override { return this; }

public slots:
    // Esc: the box unloads as OK would unload it.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    // Line1(0) white and Line1(1) grey: together an etched separator.
    QList<LineControl*> Line1;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Unloads the box through the registry, however the doctor closes it.
    void unloadBox();
    void returnFocus();
};
