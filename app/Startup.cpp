#include "app/Startup.h"

#include "app/PlatformChoice.h"
#include "app/ScreenFactory.h"
#include "app/ScreenLook.h"
#include "app/ScreenRegistry.h"

#include <QApplication>

#include <cstdlib>

void prepareScreens()
{
    ScreenLook::installFontSubstitutes();
    ScreenRegistry::instance().setFactory(&createScreen);
}

int runProgram(int argc, char** argv)
{
    // Through X11 where a Wayland desktop offers it too, so that the screens stand where they are placed.
    const std::string platform = PlatformChoice::forSession(std::getenv("QT_QPA_PLATFORM"),
                                                            std::getenv("WAYLAND_DISPLAY"),
                                                            std::getenv("DISPLAY"), std::getenv("XDG_SESSION_TYPE"));
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());
    QApplication application(argc, argv);
    // Programs started from the About box make their own choice.
    if (!platform.empty())
        qunsetenv("QT_QPA_PLATFORM");
    QApplication::setApplicationName(QStringLiteral("nuvessa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // A hidden main window keeps the program running; it ends when no screen is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    prepareScreens();
    ScreenRegistry::instance().show(ScreenKind::frmSplash);
    return QApplication::exec();
}
