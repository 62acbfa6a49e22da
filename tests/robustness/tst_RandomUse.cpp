// Any sequence of use, chosen at random from a seed: after every step the
// program's rules about its screens, its end and its message boxes must hold.
//
// Replay one sequence:   tst_RandomUse --seed N --sequences 1 --steps 60 [--trace]
// A longer soak:         tst_RandomUse --seed 100001 --sequences 20000 --steps 60
// (or the variables NUVESSA_RANDOM_SEED, NUVESSA_RANDOM_SEQUENCES, NUVESSA_RANDOM_STEPS).

#include "KnownMessages.h"
#include "ProgramInvariants.h"
#include "RandomUser.h"

#include "app/Module1.h"
#include "screens/info/SysInfoPlatformProvider.h"
#include "support/BoxAnswerer.h"
#include "support/FakeSysInfoPlatform.h"
#include "support/ScreenTestHelpers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTest>

#include <random>

namespace {
struct RunLength {
    quint64 firstSeed = 1;
    int sequences = 200;
    int steps = 60;
    // Print every step and what is loaded after it, for replaying a failure.
    bool trace = false;
};

RunLength& runLength()
{
    static RunLength length;
    return length;
}

// The headless platform says, at every show, that it cannot raise a window or
// pass on size hints; thousands of steps would drown the output in it.
QtMessageHandler& toolkitHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void quietHeadlessPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    toolkitHandler()(type, context, message);
}

QString screenNames(const QList<ScreenKind>& kinds)
{
    QStringList names;
    for (ScreenKind kind : kinds)
        names.append(QString::fromLatin1(screenName(kind).data(), static_cast<qsizetype>(screenName(kind).size())));
    return names.join(QLatin1Char(' '));
}
} // namespace

class tst_RandomUse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void anySequenceOfUse_data();
    void anySequenceOfUse();
    void theUserGotEverywhere();
    void cleanupTestCase();

private:
    // Runs one sequence; returns what went wrong, with the steps that led there.
    QString runSequence(quint64 seed, int steps);

    KnownMessages m_messages;
    BoxAnswerer m_answerer;
    FakeSysInfoPlatform m_launcher;
    int m_programEnds = 0;
    QSet<ScreenKind> m_screensReached;
    int m_boxesSeen = 0;
    int m_stepsRun = 0;
    QElapsedTimer m_clock;
};

void tst_RandomUse::initTestCase()
{
    toolkitHandler() = qInstallMessageHandler(quietHeadlessPlatform);
    ScreenTestHelpers::startClean();
    overrideSysInfoPlatformForTesting(&m_launcher);
    QVERIFY(m_messages.size() > 0);
    m_clock.start();
}

void tst_RandomUse::cleanupTestCase()
{
    qInstallMessageHandler(toolkitHandler());
    overrideSysInfoPlatformForTesting(nullptr);
    ScreenTestHelpers::dropAllScreens();
    ScreenTestHelpers::settle();
}

void tst_RandomUse::anySequenceOfUse_data()
{
    // Rows of a hundred sequences each, so that the output shows the progress.
    QTest::addColumn<quint64>("firstSeed");
    QTest::addColumn<int>("sequences");
    const RunLength& length = runLength();
    constexpr int perRow = 100;
    for (int done = 0; done < length.sequences; done += perRow) {
        const quint64 firstSeed = length.firstSeed + static_cast<quint64>(done);
        const int sequences = qMin(perRow, length.sequences - done);
        QTest::addRow("seeds %llu to %llu", firstSeed, firstSeed + static_cast<quint64>(sequences) - 1)
            << firstSeed << sequences;
    }
}

void tst_RandomUse::anySequenceOfUse()
{
    QFETCH(quint64, firstSeed);
    QFETCH(int, sequences);
    QElapsedTimer row;
    row.start();
    for (int sequence = 0; sequence < sequences; ++sequence) {
        const QString failure = runSequence(firstSeed + static_cast<quint64>(sequence), runLength().steps);
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure));
    }
    qInfo("%d sequences in %.1f s", sequences, double(row.elapsed()) / 1000.0);
}

void tst_RandomUse::theUserGotEverywhere()
{
    qInfo("%d sequences, %d steps, %d message boxes, %d program ends in %.1f s; screens reached: %d of %d",
          runLength().sequences, m_stepsRun, m_boxesSeen, m_programEnds, double(m_clock.elapsed()) / 1000.0,
          int(m_screensReached.size()), int(allScreenKinds.size()));
    if (runLength().sequences < 50)
        QSKIP("too few sequences to expect the user anywhere in particular");
    // The user must get past the splash screen and into the main window's
    // company, or the sequences test nothing worth having.
    for (ScreenKind kind : {ScreenKind::frmSplash, ScreenKind::FormMain, ScreenKind::frmHelp, ScreenKind::frmAbout,
                            ScreenKind::FormAnemia1, ScreenKind::FormAnemia2})
        QVERIFY2(m_screensReached.contains(kind), screenName(kind).data());
}

QString tst_RandomUse::runSequence(quint64 seed, int steps)
{
    std::mt19937_64 random(seed);
    RandomUser user(random);

    ScreenTestHelpers::startClean();
    ScreenTestHelpers::onProgramEnd([this] { ++m_programEnds; });
    // Half the sequences run where System Information is installed, half where it is not.
    m_launcher = FakeSysInfoPlatform{};
    if (seed % 2 == 0)
        m_launcher.recordToolPath("C:\\Program Files\\MSINFO\\MSINFO32.EXE");

    QStringList log;
    auto failure = [&](const QStringList& problems) {
        return QStringLiteral("sequence with seed %1 broke a rule at step %2:\n  %3\nsteps:\n  %4\n"
                              "replay: tst_RandomUse --seed %1 --sequences 1 --steps %5")
            .arg(seed)
            .arg(log.size())
            .arg(problems.join(QStringLiteral("\n  ")), log.join(QStringLiteral("\n  ")))
            .arg(steps);
    };

    for (int step = 0; step < steps; ++step) {
        if (ScreenTestHelpers::loadedCount() == 0) {
            // The program has ended (or not yet begun): it is started again.
            log.append(QStringLiteral("(program starts)"));
            Module1::Show(ScreenKind::frmSplash);
            ScreenTestHelpers::settle();
        }
        RandomUser::Step next = user.choose();
        log.append(QStringLiteral("%1. %2").arg(step + 1).arg(next.description));

        const int endsBefore = m_programEnds;
        const QList<SeenBox> boxes = m_answerer.run([&next] {
            next.perform();
            QCoreApplication::processEvents();
        });
        // Unloaded windows go, and the queued check for the program's end runs.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        ++m_stepsRun;
        m_boxesSeen += static_cast<int>(boxes.size());
        for (const SeenBox& box : boxes)
            log.append(QStringLiteral("     box \"%1\"").arg(box.text));
        for (ScreenKind kind : ScreenTestHelpers::loadOrder())
            m_screensReached.insert(kind);

        if (runLength().trace) {
            const std::vector<ScreenKind> loaded = ScreenTestHelpers::loadOrder();
            qInfo("%s -> loaded: %s; on view: %s; ends: %d", qPrintable(log.last()),
                  qPrintable(screenNames(QList<ScreenKind>(loaded.begin(), loaded.end()))),
                  qPrintable(screenNames(ScreenTestHelpers::visibleScreens())), m_programEnds - endsBefore);
        }
        QStringList problems = ProgramInvariants(m_messages).check(boxes, m_programEnds - endsBefore);
        problems += m_answerer.problems();
        if (next.verify) {
            const QString wrong = next.verify();
            if (!wrong.isEmpty())
                problems.append(wrong);
        }
        if (!problems.isEmpty()) {
            const std::vector<ScreenKind> loaded = ScreenTestHelpers::loadOrder();
            log.append(QStringLiteral("     on view: %1; loaded: %2")
                           .arg(screenNames(ScreenTestHelpers::visibleScreens()),
                                screenNames(QList<ScreenKind>(loaded.begin(), loaded.end()))));
            return failure(problems);
        }
    }
    return {};
}

// QtTest's own options pass through; the run length comes from the variables
// first and then from --seed, --sequences and --steps.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    RunLength& length = runLength();
    auto fromVariable = [](const char* name, auto& into) {
        bool ok = false;
        const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
        if (ok)
            into = static_cast<std::remove_reference_t<decltype(into)>>(value);
    };
    fromVariable("NUVESSA_RANDOM_SEED", length.firstSeed);
    fromVariable("NUVESSA_RANDOM_SEQUENCES", length.sequences);
    fromVariable("NUVESSA_RANDOM_STEPS", length.steps);

    QStringList testArguments;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool ours = argument == QLatin1String("--seed") || argument == QLatin1String("--sequences")
                          || argument == QLatin1String("--steps");
        if (argument == QLatin1String("--trace")) {
            length.trace = true;
        } else if (ours && i + 1 < arguments.size()) {
            const qulonglong value = arguments.at(++i).toULongLong();
            if (argument == QLatin1String("--seed"))
                length.firstSeed = value;
            else if (argument == QLatin1String("--sequences"))
                length.sequences = static_cast<int>(value);
            else
                length.steps = static_cast<int>(value);
        } else {
            testArguments.append(argument);
        }
    }
    // The test library's watchdog allows five minutes per test function, all
    // its data rows together; a long run under the sanitizers takes longer.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(3600 * 1000));
    tst_RandomUse test;
    return QTest::qExec(&test, testArguments);
}

#include "tst_RandomUse.moc"
