#include "app/root/StartupGuards.h"

#include "app/root/PlatformChoice.h"

#include <QAccessible>
#include <QByteArray>
#include <QtGlobal>

#include <csignal>
#include <cstdlib>
#include <string>

#include <sys/stat.h>

namespace StartupGuards {

namespace {
const char* const busAddressVariable = "DBUS_SESSION_BUS_ADDRESS";
const char* const platformVariable = "QT_QPA_PLATFORM";
bool busWithheld = false;
bool platformChosen = false;

// Where the bus library looks for a session's bus when no address is set.
bool sessionBusSocketExists()
{
    const QByteArray runtimeFolder = qgetenv("XDG_RUNTIME_DIR");
    struct stat status {};
    return !runtimeFolder.isEmpty() && ::stat((runtimeFolder + "/bus").constData(), &status) == 0
        && S_ISSOCK(status.st_mode);
}
} // namespace

void guardBeforeToolkit()
{
    // Through X11 where a Wayland desktop offers it too, so that the screens
    // stand where they are placed.
    const std::string platform = PlatformChoice::forSession(std::getenv(platformVariable),
                                                            std::getenv("WAYLAND_DISPLAY"),
                                                            std::getenv("DISPLAY"), std::getenv("XDG_SESSION_TYPE"));
    if (!platform.empty()) {
        qputenv(platformVariable, platform.c_str());
        platformChosen = true;
    }

    // The toolkit and the libraries under it write warnings to standard error
    // (a picture cut short is enough); with that stream a pipe whose reader has
    // gone, the first write would end the program with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);

    // With no session bus (an ssh -X session, a bare X server), the
    // accessibility bridge's call for one makes the bus library start a bus
    // daemon of its own that outlives the program. Without a bus there is no
    // screen reader to serve, so the bridge is told there is none.
    if (qEnvironmentVariableIsEmpty(busAddressVariable) && !sessionBusSocketExists()) {
        qputenv(busAddressVariable, "disabled:");
        busWithheld = true;
    }
}

void settleAfterToolkit()
{
    if (platformChosen) {
        qunsetenv(platformVariable);
        platformChosen = false;
    }
    if (busWithheld) {
        // Asking starts the accessibility bridge now, while the address is withheld.
        QAccessible::isActive();
        qunsetenv(busAddressVariable);
        busWithheld = false;
    }
}

} // namespace StartupGuards
