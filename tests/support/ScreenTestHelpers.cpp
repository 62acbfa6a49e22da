#include "support/ScreenTestHelpers.h"

#include "support/BoxAnswerer.h"

#include "app/Module1.h"
#include "app/WindowManager.h"
#include "app/ProgramFolder.h"
#include "app/Screen.h"
#include "app/ScreenRegistry.h"
#include "app/root/ScreenFactory.h"
#include "app/root/Startup.h"
#include "screens/anemia/OptionButton.h"
#include "screens/main/FormMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <optional>

namespace ScreenTestHelpers {

namespace {
int& endCount()
{
    static int count = 0;
    return count;
}

// The kind of a loaded screen's window; a window that is gone has none left to tell.
std::optional<ScreenKind> kindOf(const QWidget* window)
{
    const auto* screen = dynamic_cast<const Screen*>(window);
    return screen ? std::optional(screen->kind()) : std::nullopt;
}
} // namespace

void startClean()
{
    prepareScreens();
    ScreenRegistry::instance().setProgramEnd([] { ++endCount(); });
    dropAllScreens();
    ProgramFolder::overrideForTesting(QStringLiteral(NUVESSA_ASSETS_DIR));
    endCount() = 0;
}

int programEnds()
{
    return endCount();
}

void onProgramEnd(std::function<void()> action)
{
    ScreenRegistry::instance().setProgramEnd(std::move(action));
}

void useFactory(std::function<Screen*(ScreenKind)> factory)
{
    ScreenRegistry::instance().setFactory(std::move(factory));
}

void onEveryLoad(std::function<void(ScreenKind)> loading)
{
    useFactory([loading = std::move(loading)](ScreenKind kind) {
        if (loading)
            loading(kind);
        return createScreen(kind);
    });
}

void dropAllScreens()
{
    Module1::UnloadAllForms();
    settle();
}

std::vector<ScreenKind> loadOrder()
{
    std::vector<ScreenKind> kinds;
    const ScreenRegistry& registry = ScreenRegistry::instance();
    for (int i = 0; i < registry.count(); ++i) {
        if (const auto kind = kindOf(registry.at(i)))
            kinds.push_back(*kind);
    }
    return kinds;
}

int loadedCount()
{
    return ScreenRegistry::instance().count();
}

bool isLoaded(ScreenKind kind)
{
    return Module1::Loaded(kind) != nullptr;
}

QLabel* labelNumbered(const QWidget* screen, int number)
{
    return findControl<QLabel>(screen, QStringLiteral("Label%1").arg(number).toStdString());
}

OptionButton* optionNumbered(const QWidget* screen, int number)
{
    return findControl<OptionButton>(screen, QStringLiteral("Option%1").arg(number).toStdString());
}

int labelCount(const QWidget* screen)
{
    int count = 0;
    while (labelNumbered(screen, count + 1))
        ++count;
    return count;
}

int optionCount(const QWidget* screen)
{
    int count = 0;
    while (optionNumbered(screen, count + 1))
        ++count;
    return count;
}

QList<QWidget*> loadedWindows()
{
    QList<QWidget*> windows;
    const ScreenRegistry& registry = ScreenRegistry::instance();
    for (int i = 0; i < registry.count(); ++i)
        windows.append(registry.at(i));
    return windows;
}

QList<ScreenKind> unloadedBy(const std::function<void()>& action)
{
    // An unloaded window is deleted once the handler has returned, in the order of the unloads.
    QList<ScreenKind> unloaded;
    QList<QMetaObject::Connection> watches;
    for (QWidget* window : loadedWindows()) {
        if (const auto kind = kindOf(window))
            watches.append(
                QObject::connect(window, &QObject::destroyed, [&unloaded, kind] { unloaded.append(*kind); }));
    }
    action();
    settle();
    for (const QMetaObject::Connection& watch : watches)
        QObject::disconnect(watch);
    return unloaded;
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
    return Module1::Loaded(kind);
}

FormMain* openMainWindow()
{
    Module1::Show(ScreenKind::FormMain);
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
            kinds.append(*kindOf(registry.at(i)));
    }
    return kinds;
}

QRect outerGeometry(QWidget* window)
{
    return QRectF(window->geometry()).marginsAdded(WindowManager::frameExtents(window)).toRect();
}

} // namespace ScreenTestHelpers
