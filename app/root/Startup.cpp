#include "app/root/Startup.h"

#include "app/FontSubstitutes.h"
#include "app/Module1.h"
#include "app/PictureBox.h"
#include "app/root/FontConfigurationReader.h"
#include "app/root/ScreenFactory.h"
#include "app/ScreenRegistry.h"
#include "app/root/StartupGuards.h"

#include <QApplication>

void prepareScreens()
{
    FontSubstitutes::install();
    PictureBox::boundToolkitDecoding();
    ScreenRegistry::instance().setFactory(&createScreen);
    ScreenRegistry::instance().setProgramEnd([] { QCoreApplication::quit(); });
}

int runProgram(int argc, char** argv)
{
    StartupGuards::guardBeforeToolkit();
    FontConfigurationReader fonts;
    QApplication application(argc, argv);
    fonts.wait();
    StartupGuards::settleAfterToolkit();
    QApplication::setApplicationName(QStringLiteral("nuvessa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // A hidden main window keeps the program running; it ends when no screen is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    prepareScreens();
    Module1::Show(ScreenKind::frmSplash);
    return QApplication::exec();
}
