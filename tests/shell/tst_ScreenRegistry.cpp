#include "app/Module1.h"
#include "app/Screen.h"
#include "app/SizingArithmetic.h"
#include "app/Twips.h"
#include "support/ScreenTestHelpers.h"

#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

using namespace ScreenTestHelpers;

namespace {
// A screen with a little state of its own, counting how often it was loaded.
class ProbeScreen : public QWidget, public Screen {
public:
    explicit ProbeScreen(ScreenKind kind) : Screen(kind), field(new QLineEdit(this)) {}
    QWidget* screenWindow() override { return this; }
    void Form_Load() override { ++loads[kind()]; }

    QLineEdit* field;
    static inline std::map<ScreenKind, int> loads;
};

ProbeScreen* probe(ScreenKind kind)
{
    return dynamic_cast<ProbeScreen*>(Module1::Loaded(kind));
}
} // namespace

class tst_ScreenRegistry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void loadOrderAndOneInstance();
    void hiddenScreenKeepsItsState();
    void unloadedScreenOutlivesItsHandler();
    void programEndsOnlyWhenNothingIsLeftLoaded();
    void unloadAllFormsWalksFromTheLastLoaded();
    void frameCloseNeverLeavesTheProgramUnseen();
    void sizeAndCenterOnTheDisplay_data();
    void sizeAndCenterOnTheDisplay();
};

void tst_ScreenRegistry::init()
{
    startClean();
    ProbeScreen::loads.clear();
    useFactory([](ScreenKind kind) -> Screen* { return new ProbeScreen(kind); });
}

void tst_ScreenRegistry::cleanupTestCase()
{
    dropAllScreens();
    settle();
}

void tst_ScreenRegistry::loadOrderAndOneInstance()
{
    QWidget* main = Module1::Show(ScreenKind::FormMain);
    Module1::Show(ScreenKind::frmHelp);
    Module1::Show(ScreenKind::FormAnemia4);
    QCOMPARE(loadOrder(),
             (std::vector{ScreenKind::FormMain, ScreenKind::frmHelp, ScreenKind::FormAnemia4}));

    // Showing a shown screen brings the same one forward without loading it
    // again, minimised or not: a box kept off the taskbar has no other way back.
    main->setWindowState(Qt::WindowMinimized);
    QCOMPARE(Module1::Show(ScreenKind::FormMain), main);
    QVERIFY(!main->isMinimized());
    QCOMPARE(loadedCount(), 3);
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);

    Module1::Unload(Module1::Loaded(ScreenKind::frmHelp));
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::FormMain, ScreenKind::FormAnemia4}));
    // Unloading what is not loaded changes nothing.
    Module1::Unload(Module1::Loaded(ScreenKind::frmHelp));
    Module1::Unload(nullptr);
    QCOMPARE(loadedCount(), 2);

    // A screen shown again after an unload is a new one, loaded afresh and appended.
    Module1::Show(ScreenKind::frmHelp);
    QCOMPARE(loadOrder().at(2), ScreenKind::frmHelp);
    QCOMPARE(ProbeScreen::loads[ScreenKind::frmHelp], 2);
}

void tst_ScreenRegistry::hiddenScreenKeepsItsState()
{
    Module1::Show(ScreenKind::FormMain);
    const QPoint placed(40, 30);
    probe(ScreenKind::FormMain)->move(placed);
    probe(ScreenKind::FormMain)->field->setText(QStringLiteral("kept"));

    Module1::Loaded(ScreenKind::FormMain)->hide();
    QVERIFY(!probe(ScreenKind::FormMain)->isVisible());
    QVERIFY(isLoaded(ScreenKind::FormMain));

    Module1::Show(ScreenKind::FormMain);
    QVERIFY(probe(ScreenKind::FormMain)->isVisible());
    QCOMPARE(probe(ScreenKind::FormMain)->field->text(), QStringLiteral("kept"));
    QCOMPARE(probe(ScreenKind::FormMain)->pos(), placed);
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);
}

void tst_ScreenRegistry::unloadedScreenOutlivesItsHandler()
{
    Module1::Show(ScreenKind::FormAnemia2);
    QPointer<ProbeScreen> leaving = probe(ScreenKind::FormAnemia2);

    // As an OK handler does: leave its own screen, then go on using it.
    Module1::GoTo(leaving, ScreenKind::FormAnemia11);
    QVERIFY(!isLoaded(ScreenKind::FormAnemia2));
    QVERIFY(!leaving->isVisible());
    leaving->field->setText(QStringLiteral("still usable until the handler returns"));

    settle();
    QVERIFY(leaving.isNull());
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::FormAnemia11}));
}

void tst_ScreenRegistry::programEndsOnlyWhenNothingIsLeftLoaded()
{
    Module1::Show(ScreenKind::frmSplash);

    // The splash screen unloads itself before the main window is shown: that is no end.
    Module1::GoTo(Module1::Loaded(ScreenKind::frmSplash), ScreenKind::FormMain);
    settle();
    QCOMPARE(programEnds(), 0);

    Module1::Loaded(ScreenKind::FormMain)->hide();
    settle();
    QCOMPARE(programEnds(), 0);

    Module1::Unload(Module1::Loaded(ScreenKind::FormMain));
    QCOMPARE(programEnds(), 0);
    settle();
    QCOMPARE(programEnds(), 1);
}

void tst_ScreenRegistry::unloadAllFormsWalksFromTheLastLoaded()
{
    Module1::Show(ScreenKind::FormMain);
    Module1::Show(ScreenKind::frmHelp);
    Module1::Loaded(ScreenKind::FormMain)->hide();
    Module1::Show(ScreenKind::FormAnemia7);

    // What is left loaded after each unload, in turn.
    QList<std::vector<ScreenKind>> seen;
    std::vector<ScreenKind> left = loadOrder();
    for (ScreenKind unloaded : unloadedBy(&Module1::UnloadAllForms)) {
        left.erase(std::find(left.begin(), left.end(), unloaded));
        seen.append(left);
    }

    // Question screen first, then Help, then the hidden main window.
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen[0], (std::vector{ScreenKind::FormMain, ScreenKind::frmHelp}));
    QCOMPARE(seen[1], (std::vector{ScreenKind::FormMain}));
    QVERIFY(seen[2].empty());
    settle();
    QCOMPARE(programEnds(), 1);
}

void tst_ScreenRegistry::frameCloseNeverLeavesTheProgramUnseen()
{
    Module1::Show(ScreenKind::FormMain);
    probe(ScreenKind::FormMain)->field->setText(QStringLiteral("as left"));
    Module1::Loaded(ScreenKind::FormMain)->hide();
    Module1::Show(ScreenKind::FormAnemia5);

    // Closing the only visible screen brings back the hidden main window, as it was left.
    QVERIFY(Module1::Loaded(ScreenKind::FormAnemia5)->close());
    QVERIFY(!isLoaded(ScreenKind::FormAnemia5));
    settle();
    QVERIFY(probe(ScreenKind::FormMain)->isVisible());
    QCOMPARE(probe(ScreenKind::FormMain)->field->text(), QStringLiteral("as left"));
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);

    // With another screen still on view, a frame close unloads that one screen and nothing else.
    Module1::Show(ScreenKind::frmHelp);
    QVERIFY(Module1::Loaded(ScreenKind::FormMain)->close());
    settle();
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::frmHelp}));
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);

    // However the last screen on view goes, the hidden main window comes back:
    // here a box closed by its own button after the question screen went.
    Module1::Show(ScreenKind::FormMain);
    Module1::Loaded(ScreenKind::FormMain)->hide();
    Module1::Show(ScreenKind::FormAnemia12);
    Module1::Show(ScreenKind::frmAbout);
    QVERIFY(Module1::Loaded(ScreenKind::FormAnemia12)->close());
    settle();
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::frmHelp, ScreenKind::frmAbout}));
    Module1::Unload(Module1::Loaded(ScreenKind::frmAbout));
    Module1::Unload(Module1::Loaded(ScreenKind::frmHelp));
    QVERIFY(visibleScreens().isEmpty());
    settle();
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::FormMain}));
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 2);
    QCOMPARE(programEnds(), 0);

    // Closing the last screen ends the program.
    QVERIFY(Module1::Loaded(ScreenKind::FormMain)->close());
    settle();
    QCOMPARE(loadedCount(), 0);
    QCOMPARE(programEnds(), 1);
}

void tst_ScreenRegistry::sizeAndCenterOnTheDisplay_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("0.95") << 0.95;
    QTest::newRow("0.85") << 0.85;
    QTest::newRow("0.75") << 0.75;
}

void tst_ScreenRegistry::sizeAndCenterOnTheDisplay()
{
    QFETCH(double, factor);
    QWidget window;
    Module1::SizeAndCenter(&window, factor);

    const QRect display = Twips::display()->geometry();
    const double tppX = Twips::perPixelX();
    const double tppY = Twips::perPixelY();
    const auto displayWidth = static_cast<float>(display.width() * tppX);
    const auto displayHeight = static_cast<float>(display.height() * tppY);
    const int width = int(std::lround(SizingArithmetic::scaledExtent(displayWidth, factor) / tppX));
    const int height = int(std::lround(SizingArithmetic::scaledExtent(displayHeight, factor) / tppY));
    const QRect placed = ScreenTestHelpers::outerGeometry(&window);
    QCOMPARE(placed.size(), QSize(width, height));

    // Centred: equal margins left and right, top and bottom, within a pixel of rounding.
    QVERIFY(std::abs((placed.left() - display.left()) - (display.right() - placed.right())) <= 1);
    QVERIFY(std::abs((placed.top() - display.top()) - (display.bottom() - placed.bottom())) <= 1);
}

QTEST_MAIN(tst_ScreenRegistry)
#include "tst_ScreenRegistry.moc"
