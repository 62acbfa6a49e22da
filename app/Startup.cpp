#include "app/Startup.h"

#include "app/ScreenFactory.h"
#include "app/ScreenLook.h"
#include "app/ScreenRegistry.h"

#include <QApplication>

void prepareScreens()
{
    ScreenLook::installFontSubstitutes();
    ScreenRegistry::instance().setFactory(&createScreen);
}

int runProgram(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nuvessa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // A hidden main window keeps the program running; it ends when no screen is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    prepareScreens();
    ScreenRegistry::instance().show(ScreenKind::frmSplash);
    return QApplication::exec();
}
