// The program's screens against the same windows built straight with the
// toolkit, in one run, offscreen: loading and first show of the main window and
// of each question screen, an OK transition, the longest walk with its message
// boxes answered, and UnloadAllForms with five screens loaded.

#include "BareScreens.h"
#include "RatioReporter.h"

#include "app/Module1.h"
#include "app/ProgramFolder.h"
#include "app/ScreenRegistry.h"
#include "app/root/Startup.h"
#include "app/TableText.h"
#include "screens/anemia/AnemiaScreens.h"
#include "screens/main/Topics.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

// Lets the windows be drawn and every queued event be handled.
void drain()
{
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void dropDeleted()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Processor time of this thread, which the offscreen platform does all its
// work on: other programs on a shared machine hardly move it.
double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The measured part of one iteration: its elapsed and its processor time.
struct Sample {
    double seconds = 0;
    double cpuSeconds = 0;
};

// Times the part of an iteration that is measured; the setting up and
// clearing away around it is not.
class Stopwatch {
public:
    Stopwatch() : m_cpuStart(threadCpuSeconds()) { m_timer.start(); }
    Sample sample() const { return {double(m_timer.nsecsElapsed()) / 1e9, threadCpuSeconds() - m_cpuStart}; }

private:
    QElapsedTimer m_timer;
    double m_cpuStart;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

// Runs the program's side and its bare twin in turn within each iteration,
// the one first, then the other, so that whatever slows the process as a run
// goes on (other work on a shared machine, the headless platform after many
// windows) weighs on both alike. Reports the median of each side, and the
// median of the ratios of each iteration's two sides, as counters.
void runPair(benchmark::State& state, const std::function<Sample()>& nuvessa, const std::function<Sample()>& bare)
{
    std::vector<double> nuvessaMs, bareMs, nuvessaCpuMs, bareCpuMs, cpuRatios;
    bool nuvessaFirst = true;
    for (auto _ : state) {
        Sample ours, theirs;
        if (nuvessaFirst) {
            ours = nuvessa();
            theirs = bare();
        } else {
            theirs = bare();
            ours = nuvessa();
        }
        nuvessaFirst = !nuvessaFirst;
        nuvessaMs.push_back(ours.seconds * 1e3);
        bareMs.push_back(theirs.seconds * 1e3);
        nuvessaCpuMs.push_back(ours.cpuSeconds * 1e3);
        bareCpuMs.push_back(theirs.cpuSeconds * 1e3);
        if (theirs.cpuSeconds > 0)
            cpuRatios.push_back(ours.cpuSeconds / theirs.cpuSeconds);
        state.SetIterationTime(ours.seconds + theirs.seconds);
    }
    state.counters["nuvessa_ms"] = median(nuvessaMs);
    state.counters["bare_ms"] = median(bareMs);
    state.counters["nuvessa_cpu_ms"] = median(nuvessaCpuMs);
    state.counters["bare_cpu_ms"] = median(bareCpuMs);
    state.counters["paired_cpu_ratio"] = median(cpuRatios);
}

// Closes every message box with OK as soon as its own event loop turns.
class BoxCloser {
public:
    BoxCloser()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                if (box->isVisible())
                    box->button(QMessageBox::Ok)->click();
        });
    }
    void run(const std::function<void()>& action)
    {
        m_timer.start();
        action();
        m_timer.stop();
    }

private:
    QTimer m_timer;
};

QString picturePath()
{
    return ProgramFolder::file(QStringLiteral("Ut1.jpg"));
}

ScreenRegistry& registry()
{
    return ScreenRegistry::instance();
}

template <typename T = QAbstractButton>
T* control(QWidget* window, const QString& name)
{
    return window->findChild<T*>(name);
}

QAbstractButton* option(QWidget* window, int number)
{
    return control(window, QStringLiteral("Option%1").arg(number));
}

// One step of a walk: on this screen, select this option (from 1) and press OK.
struct WalkStep {
    ScreenKind screen;
    int option;
};

const QuestionScreenContent& contentOf(ScreenKind kind)
{
    return anemiaScreenContent(kind);
}

// The longest chain of question screens from FormAnemia1, by selected options;
// where two options lead on alike, the one with a message is taken; the last
// screen's step is an option that shows its message and stays.
std::vector<WalkStep> longestWalk()
{
    std::function<std::vector<WalkStep>(ScreenKind, std::vector<ScreenKind>&)> from =
        [&from](ScreenKind screen, std::vector<ScreenKind>& seen) {
            std::vector<WalkStep> best;
            const QuestionScreenContent& content = contentOf(screen);
            int stay = 0;
            for (std::size_t i = 0; i < content.options.size(); ++i) {
                const Outcome& outcome = content.options[i].outcome;
                if (outcome.stays()) {
                    if (!stay && outcome.message)
                        stay = int(i) + 1;
                    continue;
                }
                if (std::find(seen.begin(), seen.end(), *outcome.goTo) != seen.end())
                    continue;
                seen.push_back(*outcome.goTo);
                std::vector<WalkStep> rest = from(*outcome.goTo, seen);
                seen.pop_back();
                const bool longer = rest.size() + 1 > best.size();
                const bool asLongWithMessage = rest.size() + 1 == best.size() && outcome.message
                                               && !contentOf(screen).options[std::size_t(best.front().option - 1)].outcome.message;
                if (longer || asLongWithMessage) {
                    rest.insert(rest.begin(), WalkStep{screen, int(i) + 1});
                    best = rest;
                }
            }
            if (best.empty())
                best.push_back({screen, stay ? stay : 1});
            return best;
        };
    std::vector<ScreenKind> seen{ScreenKind::FormAnemia1};
    return from(ScreenKind::FormAnemia1, seen);
}

// Found once: the walk is the same in every iteration, and finding it is not timed.
const std::vector<WalkStep>& walkToTime()
{
    static const std::vector<WalkStep> walk = longestWalk();
    return walk;
}

// The first option of any screen that goes straight on, with no message.
std::pair<ScreenKind, int> straightTransition()
{
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        const ScreenKind kind = *anemiaScreen(number);
        const auto& options = contentOf(kind).options;
        for (std::size_t i = 0; i < options.size(); ++i)
            if (options[i].outcome.goTo && !options[i].outcome.message)
                return {kind, int(i) + 1};
    }
    return {ScreenKind::FormAnemia1, 1};
}

// ---- the main window ------------------------------------------------------

// Times the program's part, then unloads every screen it left, untimed.
Sample timedThenUnloaded(const std::function<void()>& part)
{
    const Stopwatch watch;
    part();
    const Sample measured = watch.sample();
    Module1::UnloadAllForms();
    dropDeleted();
    return measured;
}

Sample mainWindowNuvessa()
{
    return timedThenUnloaded([] {
        registry().show(ScreenKind::FormMain);
        drain();
    });
}

Sample mainWindowBare()
{
    const Stopwatch watch;
    QWidget* window = BareScreens::mainWindow(picturePath());
    window->show();
    drain();
    const Sample measured = watch.sample();
    window->hide();
    window->deleteLater();
    dropDeleted();
    return measured;
}

// ---- each question screen -------------------------------------------------

Sample questionScreenNuvessa(ScreenKind kind)
{
    return timedThenUnloaded([kind] {
        registry().show(kind);
        drain();
    });
}

Sample questionScreenBare(ScreenKind kind)
{
    const Stopwatch watch;
    QWidget* window = BareScreens::questionScreen(contentOf(kind));
    window->show();
    drain();
    const Sample measured = watch.sample();
    delete window;
    return measured;
}

// ---- an OK transition -----------------------------------------------------

Sample okTransitionNuvessa()
{
    const auto [from, chosen] = straightTransition();
    QWidget* screen = registry().show(from);
    option(screen, chosen)->setChecked(true);
    drain();
    return timedThenUnloaded([screen] {
        control(screen, QStringLiteral("cmdOK"))->click();
        drain();
    });
}

Sample okTransitionBare()
{
    const auto [from, chosen] = straightTransition();
    const ScreenKind to = *contentOf(from).options[std::size_t(chosen - 1)].outcome.goTo;
    QWidget* screen = BareScreens::questionScreen(contentOf(from));
    QWidget* next = nullptr;
    screen->show();
    option(screen, chosen)->setChecked(true);
    QObject::connect(control(screen, QStringLiteral("cmdOK")), &QAbstractButton::clicked, [&] {
        screen->hide();
        screen->deleteLater();
        next = BareScreens::questionScreen(contentOf(to));
        next->show();
    });
    drain();
    const Stopwatch watch;
    control(screen, QStringLiteral("cmdOK"))->click();
    drain();
    const Sample measured = watch.sample();
    delete next;
    dropDeleted();
    return measured;
}

// ---- the longest walk -----------------------------------------------------

Sample longestWalkNuvessa()
{
    BoxCloser closer;
    QWidget* main = registry().show(ScreenKind::FormMain);
    control<QComboBox>(main, QStringLiteral("Combo1"))->setCurrentIndex(1);
    drain();
    return timedThenUnloaded([&] {
        closer.run([&] {
            control(main, QStringLiteral("cmdOK"))->click();
            drain();
            for (const WalkStep& step : walkToTime()) {
                QWidget* screen = registry().loaded(step.screen);
                option(screen, step.option)->setChecked(true);
                control(screen, QStringLiteral("cmdOK"))->click();
                drain();
            }
        });
    });
}

Sample longestWalkBare()
{
    const std::vector<WalkStep>& walk = walkToTime();
    BoxCloser closer;
    QWidget* main = BareScreens::mainWindow(picturePath());
    main->show();
    drain();
    QWidget* last = nullptr;
    const Stopwatch watch;
    closer.run([&] {
        main->hide();
        QWidget* screen = BareScreens::questionScreen(contentOf(walk.front().screen));
        screen->show();
        drain();
        for (const WalkStep& step : walk) {
            const Outcome& outcome = contentOf(step.screen).options[std::size_t(step.option - 1)].outcome;
            option(screen, step.option)->setChecked(true);
            if (outcome.message) {
                QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kadrelo"), tableText(*outcome.message),
                                QMessageBox::Ok, screen);
                box.exec();
            }
            if (outcome.goTo) {
                screen->hide();
                screen->deleteLater();
                screen = BareScreens::questionScreen(contentOf(*outcome.goTo));
                screen->show();
            }
            drain();
        }
        last = screen;
    });
    const Sample measured = watch.sample();
    delete last;
    delete main;
    dropDeleted();
    return measured;
}

// ---- UnloadAllForms with five screens -------------------------------------

Sample unloadAllNuvessa()
{
    for (ScreenKind kind : {ScreenKind::FormMain, ScreenKind::frmHelp, ScreenKind::frmAbout, ScreenKind::FormAnemia1,
                            ScreenKind::FormAnemia11})
        registry().show(kind);
    drain();
    const Stopwatch watch;
    Module1::UnloadAllForms();
    dropDeleted();
    return watch.sample();
}

QWidget* bareLabelledWindow(int labels, int buttons)
{
    auto* window = new QWidget;
    window->resize(600, 400);
    for (int i = 0; i < labels; ++i)
        new QLabel(QStringLiteral("How do I use the application ?"), window);
    for (int i = 0; i < buttons; ++i)
        new QPushButton(QStringLiteral("&Home"), window);
    return window;
}

Sample unloadAllBare()
{
    std::vector<QWidget*> windows{BareScreens::mainWindow(picturePath()), bareLabelledWindow(8, 2),
                                  bareLabelledWindow(4, 2),
                                  BareScreens::questionScreen(contentOf(ScreenKind::FormAnemia1)),
                                  BareScreens::questionScreen(contentOf(ScreenKind::FormAnemia11))};
    for (QWidget* window : windows)
        window->show();
    drain();
    const Stopwatch watch;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        (*it)->hide();
        (*it)->deleteLater();
    }
    dropDeleted();
    return watch.sample();
}

void registerAll()
{
    auto pair = [](const std::string& what, std::function<Sample()> nuvessa, std::function<Sample()> bare) {
        benchmark::RegisterBenchmark(what.c_str(), [nuvessa, bare](benchmark::State& state) {
            runPair(state, nuvessa, bare);
        })->UseManualTime()->Unit(benchmark::kMillisecond);
    };
    pair("OK transition to the next screen", okTransitionNuvessa, okTransitionBare);
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        const ScreenKind kind = *anemiaScreen(number);
        pair("FormAnemia" + std::to_string(number) + " load + show", [kind] { return questionScreenNuvessa(kind); },
             [kind] { return questionScreenBare(kind); });
    }
    pair("longest walk, boxes answered", longestWalkNuvessa, longestWalkBare);
    pair("UnloadAllForms, five screens", unloadAllNuvessa, unloadAllBare);
    pair("main window load + first show", mainWindowNuvessa, mainWindowBare);
}

} // namespace

// The headless platform says, at every show, that it cannot raise a window;
// writing that out would be timed along with the screens.
void quietHeadlessPlatform(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietHeadlessPlatform);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    prepareScreens();
    // Ending the program would quit the run; here the screens simply go.
    registry().setProgramEnd([] {});

    const std::vector<WalkStep>& walk = walkToTime();
    std::string route;
    for (const WalkStep& step : walk)
        route += " FormAnemia" + std::to_string(*anemiaScreenNumber(step.screen)) + "/Option" + std::to_string(step.option);
    std::printf("longest walk (%zu screens):%s\n", walk.size(), route.c_str());
    const auto [from, chosen] = straightTransition();
    std::printf("OK transition: FormAnemia%d/Option%d\n", *anemiaScreenNumber(from), chosen);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    Module1::UnloadAllForms();
    dropDeleted();
    return 0;
}
