#include "app/Startup.h"

#include "app/PictureBox.h"
#include "app/ScreenFactory.h"
#include "app/ScreenLook.h"
#include "app/ScreenRegistry.h"
#include "app/StartupGuards.h"

#include <QApplication>

void prepareScreens()
{
    ScreenLook::installFontSubstitutes();
    PictureBox::boundToolkitDecoding();
    ScreenRegistry::instance().setFactory(&createScreen);
}

int runProgram(int argc, char** argv)
{
    StartupGuards::guardBeforeToolkit();
    QApplication application(argc, argv);
    StartupGuards::settleAfterToolkit();
    QApplication::setApplicationName(QStringLiteral("nuvessa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // A hidden main window keeps the program running; it ends when no screen is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    prepareScreens();
    ScreenRegistry::instance().show(ScreenKind::frmSplash);
    return QApplication::exec();
}
