#include "app/ClickableLabel.h"
#include "app/Module1.h"
#include "app/PictureBox.h"
#include "app/ProgramFolder.h"
#include "app/Twips.h"
#include "screens/main/FormMain.h"
#include "screens/main/SplashDesign.h"
#include "screens/main/frmSplash.h"
#include "support/ScreenTestHelpers.h"

#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace ScreenTestHelpers;

namespace {
// The labels inside the frame, in the order of the design.
QList<QLabel*> splashLabels(const frmSplash* splash)
{
    QList<QLabel*> labels;
    for (const auto& design : SplashDesign::labels)
        labels.append(findControl<QLabel>(splash, design.name));
    return labels;
}

frmSplash* openSplash()
{
    Module1::Show(ScreenKind::frmSplash);
    return loadedScreen<frmSplash>(ScreenKind::frmSplash);
}

bool leftForTheMainWindow()
{
    return loadOrder() == std::vector{ScreenKind::FormMain}
           && loadedWindow(ScreenKind::FormMain)->isVisible();
}
} // namespace

class tst_frmSplash : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void opensAsDesigned();
    void keyProducingACharacterLeavesAtOnce_data();
    void keyProducingACharacterLeavesAtOnce();
    void keysWithoutACharacterDoNothing();
    void clickOnTheFrameLeaves();
    void clicksElsewhereDoNothing();
    void leavesByItselfAfterEightSeconds();
    void missingPictureLeavesTheBoxEmpty();
};

void tst_frmSplash::init()
{
    startClean();
}

void tst_frmSplash::cleanupTestCase()
{
    dropAllScreens();
    settle();
}

void tst_frmSplash::opensAsDesigned()
{
    frmSplash* splash = openSplash();
    QVERIFY(splash->isVisible());
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash->windowTitle().isEmpty());
    // 7380 x 4245 twips at 15 twips a pixel, fixed.
    QCOMPARE(splash->size(), QSize(492, 283));
    QCOMPARE(splash->minimumSize(), splash->maximumSize());
    QCOMPARE(splash->frameGeometry().center(), Twips::display()->geometry().center());
    QCOMPARE(findControl<ClickableLabel>(splash, "Frame1")->geometry(), QRect(10, 4, 472, 270));
    QVERIFY(findControl<PictureBox>(splash, "Image1")->hasPicture());

    QStringList texts;
    for (const QLabel* label : splashLabels(splash))
        texts.append(label->text());
    QVERIFY(texts.contains(QStringLiteral("Nuvessa")));
    QVERIFY(texts.contains(QStringLiteral("Windows 95, 98, ME")));
    QVERIFY(texts.contains(QStringLiteral("Version 1.0")));
    for (const QWidget* child : splash->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);

    QVERIFY(findControl<QTimer>(splash, "Timer1")->isActive());
    QVERIFY(findControl<QTimer>(splash, "Timer1")->isSingleShot());
    QCOMPARE(findControl<QTimer>(splash, "Timer1")->interval(), 8000);
}

void tst_frmSplash::keyProducingACharacterLeavesAtOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("digit") << int(Qt::Key_7);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("space bar") << int(Qt::Key_Space);
}

void tst_frmSplash::keyProducingACharacterLeavesAtOnce()
{
    QFETCH(int, key);
    QPointer<frmSplash> splash = openSplash();
    QTest::keyClick(splash, Qt::Key(key));
    QVERIFY(leftForTheMainWindow());
    QWidget* main = loadedWindow(ScreenKind::FormMain);

    // A second key before the splash screen is gone, and the timer, open no second main window.
    QTest::keyClick(splash, Qt::Key_B);
    settle();
    QVERIFY(splash.isNull());
    QCOMPARE(loadedWindow(ScreenKind::FormMain), main);
    QVERIFY(leftForTheMainWindow());
    QCOMPARE(programEnds(), 0);
}

void tst_frmSplash::keysWithoutACharacterDoNothing()
{
    frmSplash* splash = openSplash();
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F1, Qt::Key_Shift, Qt::Key_Home})
        QTest::keyClick(splash, key);
    settle();
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::frmSplash}));
    QVERIFY(splash->isVisible());
}

void tst_frmSplash::clickOnTheFrameLeaves()
{
    frmSplash* splash = openSplash();
    // Inside the frame, clear of the picture and the labels.
    const QPoint bare(findControl<ClickableLabel>(splash, "Frame1")->width() - 8,
                      findControl<ClickableLabel>(splash, "Frame1")->height() / 2 - 40);
    QVERIFY(!findControl<ClickableLabel>(splash, "Frame1")->childAt(bare));
    QTest::mouseClick(findControl<ClickableLabel>(splash, "Frame1"), Qt::LeftButton, {}, bare);
    QVERIFY(leftForTheMainWindow());
}

void tst_frmSplash::clicksElsewhereDoNothing()
{
    frmSplash* splash = openSplash();
    QTest::mouseClick(findControl<PictureBox>(splash, "Image1"), Qt::LeftButton);
    for (QLabel* label : splashLabels(splash))
        QTest::mouseClick(label, Qt::LeftButton);
    // The narrow margin of window around the frame.
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(3, 3));
    settle();
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::frmSplash}));
}

void tst_frmSplash::leavesByItselfAfterEightSeconds()
{
    QElapsedTimer clock;
    clock.start();
    openSplash();
    QTest::qWait(7000);
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::frmSplash}));
    QTRY_VERIFY_WITH_TIMEOUT(leftForTheMainWindow(), 3000);
    QVERIFY(clock.elapsed() >= 8000);
    settle();
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::FormMain}));
}

void tst_frmSplash::missingPictureLeavesTheBoxEmpty()
{
    QTemporaryDir emptyFolder;
    ProgramFolder::overrideForTesting(emptyFolder.path());
    frmSplash* splash = openSplash();
    QVERIFY(splash->isVisible());
    QVERIFY(!findControl<PictureBox>(splash, "Image1")->hasPicture());
    QTest::keyClick(splash, Qt::Key_Space);
    QVERIFY(leftForTheMainWindow());
}

QTEST_MAIN(tst_frmSplash)
#include "tst_frmSplash.moc"
