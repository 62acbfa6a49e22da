#include "app/Module1.h"
#include "app/Screen.h"
#include "app/ScreenRegistry.h"
#include "app/SizingArithmetic.h"
#include "app/Twips.h"
#include "support/ScreenTestHelpers.h"

#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

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
    return dynamic_cast<ProbeScreen*>(ScreenRegistry::instance().loaded(kind));
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
    ScreenRegistry::instance().setFactory([](ScreenKind kind) -> Screen* { return new ProbeScreen(kind); });
}

void tst_ScreenRegistry::cleanupTestCase()
{
    ScreenRegistry::instance().reset();
    settle();
}

void tst_ScreenRegistry::loadOrderAndOneInstance()
{
    ScreenRegistry& registry = ScreenRegistry::instance();
    QWidget* main = registry.show(ScreenKind::FormMain);
    registry.show(ScreenKind::frmHelp);
    registry.show(ScreenKind::FormAnemia4);
    QCOMPARE(registry.loadOrder(),
             (std::vector{ScreenKind::FormMain, ScreenKind::frmHelp, ScreenKind::FormAnemia4}));

    // Showing a shown screen brings the same one forward without loading it
    // again, minimised or not: a box kept off the taskbar has no other way back.
    main->setWindowState(Qt::WindowMinimized);
    QCOMPARE(registry.show(ScreenKind::FormMain), main);
    QVERIFY(!main->isMinimized());
    QCOMPARE(registry.count(), 3);
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);

    registry.unload(ScreenKind::frmHelp);
    QCOMPARE(registry.loadOrder(), (std::vector{ScreenKind::FormMain, ScreenKind::FormAnemia4}));
    // Unloading what is not loaded changes nothing.
    registry.unload(ScreenKind::frmHelp);
    registry.unload(nullptr);
    QCOMPARE(registry.count(), 2);

    // A screen shown again after an unload is a new one, loaded afresh and appended.
    registry.show(ScreenKind::frmHelp);
    QCOMPARE(registry.kindAt(2), ScreenKind::frmHelp);
    QCOMPARE(ProbeScreen::loads[ScreenKind::frmHelp], 2);
}

void tst_ScreenRegistry::hiddenScreenKeepsItsState()
{
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.show(ScreenKind::FormMain);
    const QPoint placed(40, 30);
    probe(ScreenKind::FormMain)->move(placed);
    probe(ScreenKind::FormMain)->field->setText(QStringLiteral("kept"));

    registry.hide(ScreenKind::FormMain);
    QVERIFY(!probe(ScreenKind::FormMain)->isVisible());
    QVERIFY(registry.isLoaded(ScreenKind::FormMain));

    registry.show(ScreenKind::FormMain);
    QVERIFY(probe(ScreenKind::FormMain)->isVisible());
    QCOMPARE(probe(ScreenKind::FormMain)->field->text(), QStringLiteral("kept"));
    QCOMPARE(probe(ScreenKind::FormMain)->pos(), placed);
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);
}

void tst_ScreenRegistry::unloadedScreenOutlivesItsHandler()
{
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.show(ScreenKind::FormAnemia2);
    QPointer<ProbeScreen> leaving = probe(ScreenKind::FormAnemia2);

    // As an OK handler does: leave its own screen, then go on using it.
    Module1::GoTo(leaving, ScreenKind::FormAnemia11);
    QVERIFY(!registry.isLoaded(ScreenKind::FormAnemia2));
    QVERIFY(!leaving->isVisible());
    leaving->field->setText(QStringLiteral("still usable until the handler returns"));

    settle();
    QVERIFY(leaving.isNull());
    QCOMPARE(registry.loadOrder(), (std::vector{ScreenKind::FormAnemia11}));
}

void tst_ScreenRegistry::programEndsOnlyWhenNothingIsLeftLoaded()
{
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.show(ScreenKind::frmSplash);

    // The splash screen unloads itself before the main window is shown: that is no end.
    Module1::GoTo(registry.loaded(ScreenKind::frmSplash), ScreenKind::FormMain);
    settle();
    QCOMPARE(programEnds(), 0);

    registry.hide(ScreenKind::FormMain);
    settle();
    QCOMPARE(programEnds(), 0);

    registry.unload(ScreenKind::FormMain);
    QCOMPARE(programEnds(), 0);
    settle();
    QCOMPARE(programEnds(), 1);
}

void tst_ScreenRegistry::unloadAllFormsWalksFromTheLastLoaded()
{
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.show(ScreenKind::FormMain);
    registry.show(ScreenKind::frmHelp);
    registry.hide(ScreenKind::FormMain);
    registry.show(ScreenKind::FormAnemia7);

    QList<std::vector<ScreenKind>> seen;
    const auto connection = connect(&registry, &ScreenRegistry::loadedScreensChanged, this,
                                    [&] { seen.append(registry.loadOrder()); });
    Module1::UnloadAllForms();
    disconnect(connection);

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
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.show(ScreenKind::FormMain);
    probe(ScreenKind::FormMain)->field->setText(QStringLiteral("as left"));
    registry.hide(ScreenKind::FormMain);
    registry.show(ScreenKind::FormAnemia5);

    // Closing the only visible screen brings back the hidden main window, as it was left.
    QVERIFY(registry.loaded(ScreenKind::FormAnemia5)->close());
    QVERIFY(!registry.isLoaded(ScreenKind::FormAnemia5));
    settle();
    QVERIFY(probe(ScreenKind::FormMain)->isVisible());
    QCOMPARE(probe(ScreenKind::FormMain)->field->text(), QStringLiteral("as left"));
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);

    // With another screen still on view, a frame close unloads that one screen and nothing else.
    registry.show(ScreenKind::frmHelp);
    QVERIFY(registry.loaded(ScreenKind::FormMain)->close());
    settle();
    QCOMPARE(registry.loadOrder(), (std::vector{ScreenKind::frmHelp}));
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 1);

    // However the last screen on view goes, the hidden main window comes back:
    // here a box closed by its own button after the question screen went.
    registry.show(ScreenKind::FormMain);
    registry.hide(ScreenKind::FormMain);
    registry.show(ScreenKind::FormAnemia12);
    registry.show(ScreenKind::frmAbout);
    QVERIFY(registry.loaded(ScreenKind::FormAnemia12)->close());
    settle();
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::frmHelp, ScreenKind::frmAbout}));
    registry.unload(ScreenKind::frmAbout);
    registry.unload(ScreenKind::frmHelp);
    QVERIFY(!registry.anyVisible());
    settle();
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::FormMain}));
    QCOMPARE(ProbeScreen::loads[ScreenKind::FormMain], 2);
    QCOMPARE(programEnds(), 0);

    // Closing the last screen ends the program.
    QVERIFY(registry.loaded(ScreenKind::FormMain)->close());
    settle();
    QCOMPARE(registry.count(), 0);
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
    QCOMPARE(window.frameGeometry().size(), QSize(width, height));

    // Centred: equal margins left and right, top and bottom, within a pixel of rounding.
    const QRect placed = window.frameGeometry();
    QVERIFY(std::abs((placed.left() - display.left()) - (display.right() - placed.right())) <= 1);
    QVERIFY(std::abs((placed.top() - display.top()) - (display.bottom() - placed.bottom())) <= 1);
}

QTEST_MAIN(tst_ScreenRegistry)
#include "tst_ScreenRegistry.moc"
