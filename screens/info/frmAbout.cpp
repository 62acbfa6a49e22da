#include "screens/info/frmAbout.h"

#include "app/LineControl.h"
#include "app/MessageBoxes.h"
#include "app/Module1.h"
#include "app/ScreenLook.h"
#include "app/TableText.h"
#include "app/Twips.h"
#include "app/WindowManager.h"
#include "screens/info/AboutDesign.h"
#include "screens/info/StartSysInfo.h"
#include "screens/info/SysInfoPlatformProvider.h"

#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout() : Screen(ScreenKind::frmAbout)
{
    using namespace AboutDesign;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tableText(caption));
    // A fixed dialog frame: a title bar with a close box, no minimise or
    // maximise button, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    // The box's own face, which the buttons take on: "System Info..." fits its button in it.
    setFont(ScreenLook::msSansSerif(defaultPoints, false));
    // Placing the client area here also keeps the toolkit from centring the box.
    setGeometry(Twips::toPixels(clientPlace));
    setFixedSize(Twips::toPixelsX(clientPlace.width), Twips::toPixelsY(clientPlace.height));
    // A dialog with no window of the program to belong to would have a taskbar entry.
    WindowManager::keepOffTaskbar(this);

    QList<QLabel*> made;
    for (const LabelDesign& design : labels)
        made.append(ScreenLook::label(this, design));
    lblTitle = made.at(0);
    lblVersion = made.at(1);
    lblDescription = made.at(2);
    lblDisclaimer = made.at(3);
    // A screen reader gives the program's name and version as the box opens.
    setAccessibleDescription(lblTitle->text() + QStringLiteral(". ") + lblVersion->text());

    // Line1(1) is made after Line1(0) and so lies over it where the two touch.
    Line1 = {ScreenLook::line(this, highlightLine), ScreenLook::line(this, shadowLine)};

    cmdOK = ScreenLook::commandButton(this, "cmdOK", tableText(okCaption), okPlace);
    cmdSysInfo = ScreenLook::commandButton(this, "cmdSysInfo", tableText(sysInfoCaption), sysInfoPlace);
    // Enter presses OK unless System Info holds the focus, which then presses System Info.
    cmdOK->setDefault(true);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::reject()
{
    unloadBox();
}

void frmAbout::cmdOK_Click()
{
    unloadBox();
}

void frmAbout::unloadBox()
{
    // The main window comes back should this box have been the last one on view.
    Module1::Unload(this);
    returnFocus();
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    returnFocus();
}

void frmAbout::returnFocus()
{
    // The main window opened the box; without a window manager nothing else
    // would give it the keyboard focus back, and its access keys would do nothing.
    QWidget* main = Module1::Loaded(ScreenKind::FormMain);
    if (main && main->isVisible())
        main->activateWindow();
}

void frmAbout::cmdSysInfo_Click()
{
    if (!StartSysInfo(currentSysInfoPlatform()))
        MessageBoxes::showMessage(this, tableText(AboutDesign::sysInfoUnavailableMessage));
}
