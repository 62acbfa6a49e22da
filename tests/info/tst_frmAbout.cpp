#include "app/LineControl.h"
#include "app/Twips.h"
#include "screens/info/SysInfoPlatformProvider.h"
#include "screens/info/frmAbout.h"
#include "screens/main/FormMain.h"
#include "support/FakeSysInfoPlatform.h"
#include "support/ScreenTestHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenTestHelpers;

namespace {
const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString description = QStringLiteral(
    "This program is used to obtain a diagnosis based on the patient's history, examination findings, "
    "and invesigation findings supplied to the computer, and then to make a decision about the "
    "management options available in that situation.");

QRect twips(int left, int top, int width, int height)
{
    return Twips::toPixels(TwipsRect{left, top, width, height});
}

// The About box as the doctor opens it: with the main window's About button.
frmAbout* pressAbout()
{
    FormMain* main = loadedScreen<FormMain>(ScreenKind::FormMain);
    if (!main)
        main = openMainWindow();
    QTest::mouseClick(findControl<QPushButton>(main, "cmdAbout"), Qt::LeftButton);
    return loadedScreen<frmAbout>(ScreenKind::frmAbout);
}

enum class Way { EnterOnSysInfo, ClickOnSysInfo, AltS };

void pressSysInfo(frmAbout* about, Way way)
{
    switch (way) {
    case Way::EnterOnSysInfo:
        findControl<QPushButton>(about, "cmdSysInfo")->setFocus();
        QTest::keyClick(findControl<QPushButton>(about, "cmdSysInfo"), Qt::Key_Return);
        break;
    case Way::ClickOnSysInfo:
        QTest::mouseClick(findControl<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
        break;
    case Way::AltS:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        break;
    }
}
} // namespace

Q_DECLARE_METATYPE(Way)

class tst_frmAbout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void opensAsDesigned();
    void separatorIsEtched();
    void escapeCloses_data();
    void escapeCloses();
    void enterOnOkCloses();
    void okClickClosesAndReopensTheSame();
    void systemInfoStartsTheTool_data();
    void systemInfoStartsTheTool();
    void unavailableToolIsReportedOnce_data();
    void unavailableToolIsReportedOnce();
    void closingLastOnViewBringsTheMainWindowBack_data();
    void closingLastOnViewBringsTheMainWindowBack();
    void oneAboutBoxAtMost();
    void frameCloseUnloads();

private:
    FakeSysInfoPlatform m_platform;
};

void tst_frmAbout::init()
{
    startClean();
    m_platform = FakeSysInfoPlatform{};
    overrideSysInfoPlatformForTesting(&m_platform);
}

void tst_frmAbout::cleanup()
{
    overrideSysInfoPlatformForTesting(nullptr);
}

void tst_frmAbout::cleanupTestCase()
{
    dropAllScreens();
    settle();
}

void tst_frmAbout::opensAsDesigned()
{
    frmAbout* about = pressAbout();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("About MyApp"));
    QVERIFY(!about->isModal());
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::FormMain, ScreenKind::frmAbout}));

    // A fixed dialog frame: no resizing, no minimise or maximise, no icon of its own.
    const Qt::WindowFlags flags = about->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(!about->isSizeGripEnabled());
    QVERIFY(!about->testAttribute(Qt::WA_SetWindowIcon));

    // The client area, placed on the screen as designed: neither centred nor moved.
    const QRect client = twips(2340, 1935, 5730, 4350);
    QCOMPARE(about->geometry(), client);
    QCOMPARE(about->minimumSize(), client.size());
    QCOMPARE(about->maximumSize(), client.size());

    QCOMPARE(findControl<QLabel>(about, "lblTitle")->text(), QStringLiteral("Nuvessa"));
    QCOMPARE(findControl<QLabel>(about, "lblTitle")->geometry(), twips(360, 240, 2925, 480));
    QCOMPARE(findControl<QLabel>(about, "lblTitle")->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(findControl<QLabel>(about, "lblTitle")->font().pointSizeF(), 12.0);
    QVERIFY(findControl<QLabel>(about, "lblTitle")->font().bold());

    QCOMPARE(findControl<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 1.0"));
    QCOMPARE(findControl<QLabel>(about, "lblVersion")->geometry(), twips(600, 840, 1125, 225));
    QCOMPARE(findControl<QLabel>(about, "lblDescription")->text(), description);
    QCOMPARE(findControl<QLabel>(about, "lblDescription")->geometry(), twips(240, 1125, 4725, 1170));
    QCOMPARE(findControl<QLabel>(about, "lblDisclaimer")->geometry(), twips(255, 2625, 3870, 1170));
    QVERIFY(findControl<QLabel>(about, "lblDisclaimer")->text().contains(
        QStringLiteral("supports, and does not replace, the clinical judgement of a qualified doctor")));

    for (const QLabel* label :
         {findControl<QLabel>(about, "lblTitle"), findControl<QLabel>(about, "lblVersion"),
          findControl<QLabel>(about, "lblDescription"), findControl<QLabel>(about, "lblDisclaimer")}) {
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        // Every text is whole within its label.
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                              Qt::TextWordWrap, label->text());
        QVERIFY2(needed.height() <= label->height(), qPrintable(label->objectName()));
    }
    for (const QLabel* label : {findControl<QLabel>(about, "lblVersion"), findControl<QLabel>(about, "lblDescription"),
                                findControl<QLabel>(about, "lblDisclaimer")})
        QVERIFY(!label->font().bold());
    QVERIFY(findControl<QLabel>(about, "lblDescription")->wordWrap());

    QCOMPARE(findControl<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(findControl<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    QCOMPARE(findControl<QPushButton>(about, "cmdOK")->geometry(), twips(4245, 2625, 1260, 345));
    QCOMPARE(findControl<QPushButton>(about, "cmdSysInfo")->geometry(), twips(4260, 3075, 1245, 345));
    for (const QPushButton* button :
         {findControl<QPushButton>(about, "cmdOK"), findControl<QPushButton>(about, "cmdSysInfo")}) {
        const QString shown = QString(button->text()).remove(QLatin1Char('&'));
        QVERIFY2(button->fontMetrics().horizontalAdvance(shown) + 8 <= button->width(), qPrintable(shown));
    }
    QVERIFY(findControl<QPushButton>(about, "cmdOK")->isDefault());
    QVERIFY(!findControl<QPushButton>(about, "cmdSysInfo")->isDefault());

    // OK has the focus at open, System Info follows it.
    QVERIFY(makeActive(about));
    QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(about, "cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(about, "cmdSysInfo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(about, "cmdOK"));
    QVERIFY(m_platform.startAttempts.empty());
}

void tst_frmAbout::separatorIsEtched()
{
    frmAbout* about = pressAbout();
    QVERIFY(about);
    QCOMPARE(about->findChildren<LineControl*>().size(), 2);
    LineControl* white = findControl<LineControl>(about, "Line1_0");
    LineControl* grey = findControl<LineControl>(about, "Line1_1");
    QVERIFY(white && grey);
    // Each line is drawn in its colour across the whole of its own thickness.
    QCOMPARE(white->grab().toImage().pixelColor(0, 1), QColor(255, 255, 255));
    QCOMPARE(white->height(), 2);
    QCOMPARE(grey->grab().toImage().pixelColor(0, 0), QColor(128, 128, 128));
    QCOMPARE(grey->height(), 1);
    QCOMPARE(grey->geometry().left(), Twips::toPixelsX(90));
    QCOMPARE(white->geometry().left(), Twips::toPixelsX(105));
    QCOMPARE(grey->geometry().right(), Twips::toPixelsX(5654));
    QCOMPARE(white->geometry().right(), Twips::toPixelsX(5654));

    // As drawn: a grey row with a white row right below it, across the box.
    const QImage drawn = about->grab().toImage();
    const int greyRow = Twips::toPixelsY(2445);
    for (int x : {Twips::toPixelsX(120), Twips::toPixelsX(2800), Twips::toPixelsX(5600)}) {
        QCOMPARE(drawn.pixelColor(x, greyRow), QColor(128, 128, 128));
        QCOMPARE(drawn.pixelColor(x, greyRow + 1), QColor(255, 255, 255));
    }
    // The line lies between the description and the lower part.
    QVERIFY(findControl<QLabel>(about, "lblDescription")->geometry().bottom() < greyRow);
    QVERIFY(findControl<QLabel>(about, "lblDisclaimer")->geometry().top() > greyRow + 1);
}

void tst_frmAbout::escapeCloses_data()
{
    QTest::addColumn<bool>("focusOnSysInfo");
    QTest::newRow("focus on OK") << false;
    QTest::newRow("focus on System Info") << true;
}

void tst_frmAbout::escapeCloses()
{
    QFETCH(bool, focusOnSysInfo);
    m_platform.recordToolPath("/usr/bin/sysinfo-tool");
    FormMain* main = openMainWindow();
    frmAbout* about = pressAbout();
    QVERIFY(about);
    QVERIFY(makeActive(about));
    if (focusOnSysInfo)
        findControl<QPushButton>(about, "cmdSysInfo")->setFocus();
    const QPointer<frmAbout> box(about);

    const QList<SeenBox> boxes =
        answeringBoxes([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
    settle();

    QVERIFY(boxes.isEmpty());
    QVERIFY(box.isNull());
    QVERIFY(m_platform.startAttempts.empty());
    QCOMPARE(loadOrder(), std::vector<ScreenKind>{ScreenKind::FormMain});
    QVERIFY(main->isVisible());
    QCOMPARE(programEnds(), 0);
}

void tst_frmAbout::enterOnOkCloses()
{
    m_platform.recordToolPath("/usr/bin/sysinfo-tool");
    openMainWindow();
    frmAbout* about = pressAbout();
    QVERIFY(about);
    QVERIFY(makeActive(about));
    QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(about, "cmdOK"));
    const QPointer<frmAbout> box(about);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();

    QVERIFY(box.isNull());
    QVERIFY(!isLoaded(ScreenKind::frmAbout));
    QVERIFY(m_platform.startAttempts.empty());
    QCOMPARE(programEnds(), 0);
}

void tst_frmAbout::okClickClosesAndReopensTheSame()
{
    frmAbout* about = pressAbout();
    QVERIFY(about);
    const QString disclaimer = findControl<QLabel>(about, "lblDisclaimer")->text();
    const QPointer<frmAbout> box(about);
    QTest::mouseClick(findControl<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    settle();
    QVERIFY(box.isNull());
    QCOMPARE(loadOrder(), std::vector<ScreenKind>{ScreenKind::FormMain});

    frmAbout* again = pressAbout();
    QVERIFY(again);
    QCOMPARE(findControl<QLabel>(again, "lblDescription")->text(), description);
    QCOMPARE(findControl<QLabel>(again, "lblDisclaimer")->text(), disclaimer);
    QCOMPARE(again->geometry(), twips(2340, 1935, 5730, 4350));
}

void tst_frmAbout::systemInfoStartsTheTool_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("Enter while System Info has the focus") << Way::EnterOnSysInfo;
    QTest::newRow("click") << Way::ClickOnSysInfo;
    QTest::newRow("Alt+S") << Way::AltS;
}

void tst_frmAbout::systemInfoStartsTheTool()
{
    QFETCH(Way, way);
    m_platform.recordToolPath("/opt/system tools/sysinfo-tool");
    frmAbout* about = pressAbout();
    QVERIFY(about);
    QVERIFY(makeActive(about));

    const QList<SeenBox> boxes = answeringBoxes([&] {
        pressSysInfo(about, way);
        // An access key presses its button as a click does, a moment later.
        QTRY_VERIFY(!m_platform.startAttempts.empty());
    });
    settle();

    QVERIFY(boxes.isEmpty());
    QCOMPARE(m_platform.startAttempts, std::vector<std::string>{"/opt/system tools/sysinfo-tool"});
    QVERIFY(m_platform.stillOpen().empty());
    // The box stays open.
    QCOMPARE(loadedScreen<frmAbout>(ScreenKind::frmAbout), about);
    QVERIFY(about->isVisible());
}

void tst_frmAbout::unavailableToolIsReportedOnce_data()
{
    QTest::addColumn<bool>("recorded");
    QTest::addColumn<int>("startAttempts");
    QTest::newRow("no tool recorded") << false << 0;
    QTest::newRow("recorded tool fails to start") << true << 1;
}

void tst_frmAbout::unavailableToolIsReportedOnce()
{
    QFETCH(bool, recorded);
    QFETCH(int, startAttempts);
    if (recorded)
        m_platform.recordToolPath("/nowhere/sysinfo-tool");
    m_platform.startSucceeds = false;
    frmAbout* about = pressAbout();
    QVERIFY(about);
    QVERIFY(makeActive(about));

    const QList<SeenBox> boxes = answeringBoxes([&] { pressSysInfo(about, Way::EnterOnSysInfo); });
    settle();

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).caption, QStringLiteral("Kadrelo"));
    QCOMPARE(boxes.at(0).text, unavailable);
    QCOMPARE(boxes.at(0).icon, QMessageBox::NoIcon);
    QCOMPARE(boxes.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(boxes.at(0).modal);
    QVERIFY(boxes.at(0).visibleScreens.contains(ScreenKind::frmAbout));
    QCOMPARE(static_cast<int>(m_platform.startAttempts.size()), startAttempts);
    QCOMPARE(loadedScreen<frmAbout>(ScreenKind::frmAbout), about);
    QVERIFY(about->isVisible());
}

void tst_frmAbout::closingLastOnViewBringsTheMainWindowBack_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter on OK") << int(Qt::Key_Return);
}

void tst_frmAbout::closingLastOnViewBringsTheMainWindowBack()
{
    QFETCH(int, key);
    FormMain* main = openMainWindow();
    frmAbout* about = pressAbout();
    QVERIFY(about);
    // Anemia hides the main window; its first question screen is then closed through its frame.
    findControl<QComboBox>(main, "Combo1")->setCurrentIndex(1);
    QTest::mouseClick(findControl<QPushButton>(main, "cmdOK"), Qt::LeftButton);
    QVERIFY(!main->isVisible());
    QWidget* question = loadedWindow(ScreenKind::FormAnemia1);
    QVERIFY(question);
    QVERIFY(question->close());
    settle();
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::frmAbout});

    QVERIFY(makeActive(about));
    if (key == 0)
        QTest::mouseClick(findControl<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    settle();

    QCOMPARE(loadOrder(), std::vector<ScreenKind>{ScreenKind::FormMain});
    QCOMPARE(loadedScreen<FormMain>(ScreenKind::FormMain), main);
    QVERIFY(main->isVisible());
    QCOMPARE(programEnds(), 0);
}

void tst_frmAbout::oneAboutBoxAtMost()
{
    FormMain* main = openMainWindow();
    frmAbout* about = pressAbout();
    QVERIFY(about);
    findControl<QPushButton>(about, "cmdSysInfo")->setFocus();

    QTest::mouseClick(findControl<QPushButton>(main, "cmdAbout"), Qt::LeftButton);

    QCOMPARE(loadedScreen<frmAbout>(ScreenKind::frmAbout), about);
    QCOMPARE(loadOrder(),
             (std::vector<ScreenKind>{ScreenKind::FormMain, ScreenKind::frmAbout}));
    QCOMPARE(about->geometry(), twips(2340, 1935, 5730, 4350));
    QVERIFY(about->isVisible());
}

void tst_frmAbout::frameCloseUnloads()
{
    FormMain* main = openMainWindow();
    frmAbout* about = pressAbout();
    QVERIFY(about);
    const QPointer<frmAbout> box(about);

    QVERIFY(about->close());
    settle();

    QVERIFY(box.isNull());
    QCOMPARE(loadOrder(), std::vector<ScreenKind>{ScreenKind::FormMain});
    QVERIFY(main->isVisible());
    QCOMPARE(programEnds(), 0);

    // Alone on view, closing it ends the program as the last screen goes.
    about = pressAbout();
    QVERIFY(about);
    QVERIFY(main->close());
    settle();
    QCOMPARE(loadOrder(), std::vector<ScreenKind>{ScreenKind::frmAbout});
    QVERIFY(about->close());
    settle();
    QCOMPARE(loadedCount(), 0);
    QCOMPARE(programEnds(), 1);
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
