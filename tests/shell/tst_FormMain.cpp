#include "app/PictureBox.h"
#include "app/ProgramFolder.h"
#include "app/Module1.h"
#include "screens/main/FormMain.h"
#include "support/ScreenTestHelpers.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace ScreenTestHelpers;

namespace {
const QString nothingSelected = QStringLiteral(
    "Nothing is selected! You have to select an item from the drop-down list in the combination box "
    "and then click OK.");

QStringList listEntries(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}
} // namespace

class tst_FormMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void opensAsDesigned();
    void okWithNothingChosenWarns();
    void enterOrSpaceAtOncePressesOK_data();
    void enterOrSpaceAtOncePressesOK();
    void enterPressesTheFocusedButtonNotOK();
    void typedTextIsNeverAChoice();
    void topicWithoutGuidanceLeavesTheMainWindowShown();
    void anemiaHidesTheMainWindowAndHomeBringsItBackUnchanged();
    void helpAndAboutOpenBesideIt();
    void exitEndsTheProgram();
    void closedMainWindowComesBackFresh();
    void pictureFile_data();
    void pictureFile();
};

void tst_FormMain::init()
{
    startClean();
}

void tst_FormMain::cleanupTestCase()
{
    dropAllScreens();
    settle();
}

void tst_FormMain::opensAsDesigned()
{
    FormMain* main = openMainWindow();
    QCOMPARE(main->windowTitle(), QStringLiteral("Nuvessa"));
    QCOMPARE(findControl<QLabel>(main, "Label2")->text(), QStringLiteral(" Nuvessa"));
    QCOMPARE(findControl<QLabel>(main, "Label3")->text(),
             QStringLiteral("Select an item from the drop down list in the combination box, and then click OK"));
    QCOMPARE(main->palette().color(QPalette::Window), QColor(0, 255, 255));
    QCOMPARE(findControl<QLabel>(main, "Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(findControl<QLabel>(main, "Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(findControl<QLabel>(main, "Label2")->font().pointSizeF(), 36.0);
    QVERIFY(findControl<QLabel>(main, "Label2")->font().bold());

    QCOMPARE(findControl<QPushButton>(main, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(findControl<QPushButton>(main, "cmdHelp")->text(), QStringLiteral("&Help"));
    QCOMPARE(findControl<QPushButton>(main, "cmdAbout")->text(), QStringLiteral("A&bout"));
    QCOMPARE(findControl<QPushButton>(main, "cmdExit")->text(), QStringLiteral("&Exit"));
    QCOMPARE(findControl<QPushButton>(main, "cmdOK")->toolTip(),
             QStringLiteral("Click to accept selection in combination box"));
    QCOMPARE(findControl<QPushButton>(main, "cmdHelp")->toolTip(), QStringLiteral("Click to obtain help"));
    QCOMPARE(findControl<QPushButton>(main, "cmdAbout")->toolTip(),
             QStringLiteral("Click to obtain information about the program"));
    QCOMPARE(findControl<QPushButton>(main, "cmdExit")->toolTip(), QStringLiteral("Click to close the application"));

    // 9960 twips is 664 pixels at 15 twips a pixel; buttons are 735 x 375 twips.
    QCOMPARE(findControl<QPushButton>(main, "cmdOK")->geometry(), QRect(664, 216, 49, 25));
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->geometry(), QRect(272, 216, 353, 21));

    QVERIFY(findControl<QComboBox>(main, "Combo1")->isEditable());
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->count(), 73);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->currentText(), QStringLiteral("Topic List"));
    QCOMPARE(main->selectedTopicIndex(), -1);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->itemText(9), QStringLiteral("Cardiac disease, noncyanotic"));
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->itemText(10), QStringLiteral("Cardiac disease, cyanotic"));
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->itemText(49), QStringLiteral("Prenatal diagnosis"));
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->itemText(50), QStringLiteral("Postdatism"));

    QCOMPARE(main->focusWidget(), findControl<QPushButton>(main, "cmdOK"));
    // Tab order: OK, Help, About, Exit, then the topic list.
    QCOMPARE(findControl<QPushButton>(main, "cmdOK")->nextInFocusChain(), findControl<QPushButton>(main, "cmdHelp"));
    QCOMPARE(findControl<QPushButton>(main, "cmdHelp")->nextInFocusChain(), findControl<QPushButton>(main, "cmdAbout"));
    QCOMPARE(findControl<QPushButton>(main, "cmdAbout")->nextInFocusChain(), findControl<QPushButton>(main, "cmdExit"));
    QCOMPARE(findControl<QPushButton>(main, "cmdExit")->nextInFocusChain(), findControl<QComboBox>(main, "Combo1"));
    QCOMPARE(findControl<QLabel>(main, "Label2")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(findControl<PictureBox>(main, "Image1")->focusPolicy(), Qt::NoFocus);
    QVERIFY(findControl<PictureBox>(main, "Image1")->hasPicture());
}

void tst_FormMain::okWithNothingChosenWarns()
{
    FormMain* main = openMainWindow();
    const QList<SeenBox> boxes =
        answeringBoxes([&] { QTest::mouseClick(findControl<QPushButton>(main, "cmdOK"), Qt::LeftButton); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].caption, QStringLiteral("Kadrelo"));
    QCOMPARE(boxes[0].text, nothingSelected);
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(boxes[0].accessibleDescription, QStringLiteral("Warning"));
    QVERIFY(boxes[0].modal);

    // Nothing else changed.
    QVERIFY(main->isVisible());
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::FormMain}));
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->count(), 73);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->currentText(), QStringLiteral("Topic List"));
}

void tst_FormMain::enterOrSpaceAtOncePressesOK_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("space bar") << int(Qt::Key_Space);
}

void tst_FormMain::enterOrSpaceAtOncePressesOK()
{
    QFETCH(int, key);
    FormMain* main = openMainWindow();
    QWidget* focused = main->focusWidget();
    const QList<SeenBox> boxes = answeringBoxes([&] { QTest::keyClick(focused, Qt::Key(key)); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, nothingSelected);
}

void tst_FormMain::enterPressesTheFocusedButtonNotOK()
{
    // No button is the window's default: Enter on Help opens Help, with no warning about a topic.
    FormMain* main = openMainWindow();
    findControl<QPushButton>(main, "cmdHelp")->setFocus();
    const QList<SeenBox> boxes =
        answeringBoxes([&] { QTest::keyClick(findControl<QPushButton>(main, "cmdHelp"), Qt::Key_Return); });
    QVERIFY(boxes.isEmpty());
    QVERIFY(isLoaded(ScreenKind::frmHelp));
}

void tst_FormMain::typedTextIsNeverAChoice()
{
    FormMain* main = openMainWindow();
    QTest::keyClicks(findControl<QComboBox>(main, "Combo1")->lineEdit(), QStringLiteral("Preeclampsia"));
    QTest::keyClick(findControl<QComboBox>(main, "Combo1")->lineEdit(), Qt::Key_Return);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->count(), 73);
    QCOMPARE(main->selectedTopicIndex(), -1);

    // Typing over a chosen topic withdraws the choice rather than starting the wrong topic.
    findControl<QComboBox>(main, "Combo1")->setCurrentIndex(1);
    QCOMPARE(main->selectedTopicIndex(), 1);
    findControl<QComboBox>(main, "Combo1")->lineEdit()->selectAll();
    QTest::keyClicks(findControl<QComboBox>(main, "Combo1")->lineEdit(), QStringLiteral("Burns"));
    QCOMPARE(main->selectedTopicIndex(), -1);
    const QList<SeenBox> boxes =
        answeringBoxes([&] { QTest::mouseClick(findControl<QPushButton>(main, "cmdOK"), Qt::LeftButton); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, nothingSelected);
    QVERIFY(!isLoaded(ScreenKind::FormAnemia1));
}

void tst_FormMain::topicWithoutGuidanceLeavesTheMainWindowShown()
{
    FormMain* main = openMainWindow();
    for (const int index : {0, 2, 72}) {
        findControl<QComboBox>(main, "Combo1")->setCurrentIndex(index);
        const QString topic = findControl<QComboBox>(main, "Combo1")->itemText(index);
        const QList<SeenBox> boxes =
            answeringBoxes([&] { QTest::mouseClick(findControl<QPushButton>(main, "cmdOK"), Qt::LeftButton); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].caption, QStringLiteral("Kadrelo"));
        QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
        QVERIFY2(boxes[0].text.contains(QLatin1Char('"') + topic + QLatin1Char('"')), qPrintable(boxes[0].text));
        QVERIFY(boxes[0].text.contains(QStringLiteral("no guidance")));
        QCOMPARE(boxes[0].visibleScreens, (QList<ScreenKind>{ScreenKind::FormMain}));
        QVERIFY(main->isVisible());
        QCOMPARE(loadOrder(), (std::vector{ScreenKind::FormMain}));
        QCOMPARE(main->selectedTopicIndex(), index);
    }
}

void tst_FormMain::anemiaHidesTheMainWindowAndHomeBringsItBackUnchanged()
{
    FormMain* main = openMainWindow();
    const QRect placed = main->geometry();
    findControl<QComboBox>(main, "Combo1")->setCurrentIndex(1);
    const QList<SeenBox> boxes =
        answeringBoxes([&] { QTest::mouseClick(findControl<QPushButton>(main, "cmdOK"), Qt::LeftButton); });
    QVERIFY(boxes.isEmpty());
    QVERIFY(!main->isVisible());
    QVERIFY(isLoaded(ScreenKind::FormMain));
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::FormAnemia1}));

    // Home, as the question screens do it.
    Module1::Home(Module1::Loaded(ScreenKind::FormAnemia1));
    settle();
    QCOMPARE(Module1::Loaded(ScreenKind::FormMain), main);
    QVERIFY(main->isVisible());
    QCOMPARE(main->geometry(), placed);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->count(), 73);
    QCOMPARE(main->selectedTopicIndex(), 1);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->currentText(), QStringLiteral("Anemia"));
    QCOMPARE(listEntries(findControl<QComboBox>(main, "Combo1")).count(QStringLiteral("Anemia")), 1);
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::FormMain}));
    QCOMPARE(programEnds(), 0);
}

void tst_FormMain::helpAndAboutOpenBesideIt()
{
    FormMain* main = openMainWindow();
    QTest::mouseClick(findControl<QPushButton>(main, "cmdHelp"), Qt::LeftButton);
    QWidget* help = Module1::Loaded(ScreenKind::frmHelp);
    QVERIFY(help && help->isVisible());
    QTest::mouseClick(findControl<QPushButton>(main, "cmdHelp"), Qt::LeftButton);
    QCOMPARE(Module1::Loaded(ScreenKind::frmHelp), help);

    QVERIFY(makeActive(main));
    QTest::keyClick(main, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(isLoaded(ScreenKind::frmAbout));
    QWidget* about = Module1::Loaded(ScreenKind::frmAbout);
    QVERIFY(about && about->isVisible());
    QVERIFY(main->isVisible() && main->isEnabled());
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::FormMain, ScreenKind::frmHelp, ScreenKind::frmAbout}));
}

void tst_FormMain::exitEndsTheProgram()
{
    FormMain* main = openMainWindow();
    QTest::mouseClick(findControl<QPushButton>(main, "cmdHelp"), Qt::LeftButton);
    QVERIFY(makeActive(main));
    // An access key presses its button the way a click does, a moment later.
    QTest::keyClick(main, Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(loadedCount(), 0);
    settle();
    QCOMPARE(programEnds(), 1);
}

void tst_FormMain::closedMainWindowComesBackFresh()
{
    FormMain* main = openMainWindow();
    QTest::mouseClick(findControl<QPushButton>(main, "cmdHelp"), Qt::LeftButton);
    findControl<QComboBox>(main, "Combo1")->setCurrentIndex(5);
    QVERIFY(main->close());
    settle();
    QCOMPARE(loadOrder(), (std::vector{ScreenKind::frmHelp}));

    // Home from Help loads a new main window in its first state.
    Module1::Home(Module1::Loaded(ScreenKind::frmHelp));
    FormMain* fresh = loadedScreen<FormMain>(ScreenKind::FormMain);
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(findControl<QComboBox>(fresh, "Combo1")->count(), 73);
    QCOMPARE(fresh->selectedTopicIndex(), -1);
    QCOMPARE(findControl<QComboBox>(fresh, "Combo1")->currentText(), QStringLiteral("Topic List"));
}

void tst_FormMain::pictureFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("asFolder");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("not a picture") << QByteArray("This is a text file, not a JPEG.") << false;
    QTest::newRow("truncated JPEG") << QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000ffdb") << false;
    QTest::newRow("folder of that name") << QByteArray() << true;
}

void tst_FormMain::pictureFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, asFolder);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Ut1.jpg"));
    if (asFolder) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Ut1.jpg")));
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ProgramFolder::overrideForTesting(folder.path());

    FormMain* main = openMainWindow();
    QVERIFY(main && main->isVisible());
    QVERIFY(!findControl<PictureBox>(main, "Image1")->hasPicture());
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->count(), 73);
    // The window works as ever.
    const QList<SeenBox> boxes =
        answeringBoxes([&] { QTest::mouseClick(findControl<QPushButton>(main, "cmdOK"), Qt::LeftButton); });
    QCOMPARE(boxes.size(), 1);
}

QTEST_MAIN(tst_FormMain)
#include "tst_FormMain.moc"
