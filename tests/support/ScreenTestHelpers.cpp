#include "support/ScreenTestHelpers.h"

#include "support/BoxAnswerer.h"

#include "app/ProgramFolder.h"
#include "app/ScreenRegistry.h"
#include "app/root/Startup.h"
#include "screens/main/FormMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

namespace ScreenTestHelpers {

namespace {
int& endCount()
{
    static int count = 0;
    return count;
}
} // namespace

void startClean()
{
    prepareScreens();
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.reset();
    registry.setProgramEnd([] { ++endCount(); });
    ProgramFolder::overrideForTesting(QStringLiteral(NUVESSA_ASSETS_DIR));
    settle();
    endCount() = 0;
}

int programEnds()
{
    return endCount();
}

void settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QList<SeenBox> answeringBoxes(const std::function<void()>& action)
{
    BoxAnswerer answerer;
    const QList<SeenBox> seen = answerer.run(action);
    for (const QString& problem : answerer.problems())
        qWarning("%s", qPrintable(problem));
    return seen;
}

QWidget* loadedWindow(ScreenKind kind)
{
    return ScreenRegistry::instance().loaded(kind);
}

FormMain* openMainWindow()
{
    ScreenRegistry::instance().show(ScreenKind::FormMain);
    settle();
    return loadedScreen<FormMain>(ScreenKind::FormMain);
}

bool makeActive(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

QList<ScreenKind> visibleScreens()
{
    QList<ScreenKind> kinds;
    const ScreenRegistry& registry = ScreenRegistry::instance();
    for (int i = 0; i < registry.count(); ++i) {
        if (registry.at(i) && registry.at(i)->isVisible())
            kinds.append(registry.kindAt(i));
    }
    return kinds;
}

} // namespace ScreenTestHelpers
