#include "support/ScreenTestHelpers.h"

#include "app/ProgramFolder.h"
#include "app/ScreenRegistry.h"
#include "app/Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
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
    QList<SeenBox> seen;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        SeenBox record;
        record.caption = box->windowTitle();
        record.text = box->text();
        record.icon = box->icon();
        record.buttons = box->standardButtons();
        record.accessibleDescription = box->accessibleDescription();
        record.modal = box->isModal();
        record.visibleScreens = visibleScreens();
        seen.append(record);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    watcher.start();
    action();
    watcher.stop();
    return seen;
}

QWidget* loadedWindow(ScreenKind kind)
{
    return ScreenRegistry::instance().loaded(kind);
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
