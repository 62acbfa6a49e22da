#include "screens/main/frmSplash.h"

#include "app/ClickableLabel.h"
#include "app/Module1.h"
#include "app/PictureBox.h"
#include "app/ProgramFolder.h"
#include "app/ScreenLook.h"
#include "app/TableText.h"
#include "app/Twips.h"
#include "app/WindowManager.h"
#include "screens/main/SplashDesign.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

frmSplash::frmSplash() : Screen(ScreenKind::frmSplash)
{
    using namespace SplashDesign;
    setObjectName(QStringLiteral("frmSplash"));
    // No title bar and a fixed size. An ordinary window rather than a splash
    // one, which some window managers give no focus and hide on a click; the
    // taskbar is asked to leave it out instead.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(Twips::toPixelsX(clientWidth), Twips::toPixelsY(clientHeight));
    WindowManager::keepOffTaskbar(this);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Nuvessa"));

    Frame1 = new ClickableLabel(this);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ScreenLook::place(Frame1, framePlace);

    Image1 = ScreenLook::picture(Frame1, "Image1", picturePlace, tableText(pictureDescription));
    // Read while the labels are built; the first text also loads the fonts, which takes longer.
    Image1->startLoading(ProgramFolder::file(tableText(pictureFileName)));

    for (const LabelDesign& design : SplashDesign::labels)
        ScreenLook::label(Frame1, design);

    // A coarse timer may fire up to 5% early; the splash screen stays its full eight seconds.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer1->setInterval(timerIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    connect(Frame1, &ClickableLabel::clicked, this, &frmSplash::Frame1_Click);
}

void frmSplash::Form_Load()
{
    Image1->showLoadedPicture();
    if (const QScreen* display = Twips::display())
        move(display->geometry().center() - rect().center());
    Timer1->start();
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    // Only keys that produce a character: arrows, function keys and Shift alone give no text.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress();
}

void frmSplash::Form_KeyPress()
{
    leave();
}

void frmSplash::Frame1_Click()
{
    leave();
}

void frmSplash::Timer1_Timer()
{
    leave();
}

void frmSplash::leave()
{
    // A key, a click and the timer can all be under way; the first one to arrive leaves.
    if (Module1::Loaded(ScreenKind::frmSplash) != this)
        return;
    Timer1->stop();
    Module1::GoTo(this, ScreenKind::FormMain);
}
