// Whole walks through the Anemia tree, started from the real main window as a
// doctor starts them: choose "Anemia", press OK, answer screen after screen,
// then Home or Exit.

#include "screens/anemia/AnemiaNumbering.h"
#include "screens/anemia/OptionButton.h"
#include "screens/anemia/QuestionScreen.h"
#include "screens/main/FormMain.h"
#include "support/ScreenTestHelpers.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace ScreenTestHelpers;

namespace {

constexpr int stays = 0;

struct Step {
    int screen;
    int option;
    const char* message; // nullptr: none
    int next;            // the screen that follows, or stays
};

ScreenKind screenNumbered(int number)
{
    return *anemiaScreen(number);
}

void clickOn(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

int checkedOptions(const QuestionScreen* screen)
{
    int checked = 0;
    for (int i = 1; i <= optionCount(screen); ++i)
        checked += optionNumbered(screen, i)->isChecked() ? 1 : 0;
    return checked;
}

// Chooses "Anemia" in the topic list with the keyboard and presses OK.
bool startAnemia(FormMain* main)
{
    findControl<QComboBox>(main, "Combo1")->setFocus();
    while (findControl<QComboBox>(main, "Combo1")->currentIndex() < 1)
        QTest::keyClick(findControl<QComboBox>(main, "Combo1"), Qt::Key_Down);
    if (findControl<QComboBox>(main, "Combo1")->currentText() != QStringLiteral("Anemia"))
        return false;
    const QList<SeenBox> boxes = answeringBoxes([&] { clickOn(findControl<QPushButton>(main, "cmdOK")); });
    settle();
    return boxes.isEmpty() && !main->isVisible() && visibleScreens() == QList<ScreenKind>{ScreenKind::FormAnemia1};
}

// Answers one screen and checks what follows; returns what differed, or nothing.
QString answer(const Step& step)
{
    const ScreenKind kind = screenNumbered(step.screen);
    if (visibleScreens() != QList<ScreenKind>{kind})
        return QStringLiteral("FormAnemia%1 is not the one screen on view").arg(step.screen);
    QPointer<QuestionScreen> screen = loadedScreen<QuestionScreen>(kind);
    clickOn(optionNumbered(screen, step.option));
    const QList<SeenBox> boxes = answeringBoxes([&] { clickOn(findControl<QPushButton>(screen, "cmdOK")); });
    settle();

    const QString expected = step.message ? QString::fromUtf8(step.message) : QString();
    const QString shown = boxes.isEmpty() ? QString() : boxes[0].text;
    if (boxes.size() > 1 || shown != expected)
        return QStringLiteral("FormAnemia%1 Option%2 showed \"%3\"").arg(step.screen).arg(step.option).arg(shown);
    if (!boxes.isEmpty() && boxes[0].visibleScreens != QList<ScreenKind>{kind})
        return QStringLiteral("FormAnemia%1's message was not shown over it").arg(step.screen);
    const ScreenKind following = step.next == stays ? kind : screenNumbered(step.next);
    if (visibleScreens() != QList<ScreenKind>{following})
        return QStringLiteral("FormAnemia%1 Option%2 did not lead on as expected").arg(step.screen).arg(step.option);
    if (step.next == stays && (!screen || !optionNumbered(screen, step.option)->isChecked()))
        return QStringLiteral("FormAnemia%1 lost its selection").arg(step.screen);
    return {};
}

QString walk(const std::vector<Step>& steps)
{
    int previous = 0;
    for (const Step& step : steps) {
        // A screen just reached opens fresh; one that stayed keeps its selection.
        const QuestionScreen* screen = loadedScreen<QuestionScreen>(screenNumbered(step.screen));
        if (step.screen != previous && screen && checkedOptions(screen) != 0)
            return QStringLiteral("FormAnemia%1 opened with a selection").arg(step.screen);
        previous = step.screen;
        const QString failure = answer(step);
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

const char* const ironDeficiency =
    "The diagnosis is iron deficiency anemia. Confirm it by estimating serum iron, total iron-binding capacity, and "
    "serum ferritin levels. Find out its cause and treat it.";
const char* const adequateTime =
    "Continue treatment of the cause of the anemia. Check hemoglobin level periodically to confirm adequate response "
    "to treatment. Check hemoglobin level at term or when the gravida goes in labor, and if it is less than 9 g/dL, "
    "give adequate transfusion of packed cells to raise the hemoglobin level to 9 g/dL.";
const char* const noAnemia =
    "There is no anemia in pregnancy, the lowering of hemoglobin level being due to hemodilution of pregnancy. Give "
    "the gravida iron and folic acid supplements throughout the pregnancy to meet the needs of the mother and fetus "
    "both.";

} // namespace

class tst_AnemiaWalks : public QObject {
    Q_OBJECT

private slots:
    void init() { startClean(); }
    void cleanupTestCase() { startClean(); }

    void typicalWalkThenHome();
    void pancytopeniaToModifiedExchangeTransfusion();
    void anisocytosisToNormalElectrophoresis();
    void longestWalkShowsEightScreens();
    void stayAnsweredTwice();
    void screenReachedAgainOpensWithNothingSelected();
    void exitFromADeepScreenEndsTheProgram();
    void closingAQuestionScreenBringsTheMainWindowBack();
};

void tst_AnemiaWalks::typicalWalkThenHome()
{
    QPointer<FormMain> main = openMainWindow();
    QVERIFY(main);
    QVERIFY(startAnemia(main));
    const QString failure = walk({
        {1, 2, nullptr, 2},
        {2, 1, ironDeficiency, 11},
        {11, 2, "The anemia is moderate.", 12},
        {12, 1, adequateTime, stays},
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // Home: the same main window, as it was left.
    clickOn(findControl<QPushButton>(loadedScreen<QuestionScreen>(ScreenKind::FormAnemia12), "cmdHome"));
    settle();
    QVERIFY(main);
    QCOMPARE(loadedScreen<FormMain>(ScreenKind::FormMain), main.data());
    QCOMPARE(loadOrder(), std::vector<ScreenKind>{ScreenKind::FormMain});
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::FormMain});
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->count(), 73);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->currentIndex(), 1);
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->currentText(), QStringLiteral("Anemia"));
    QCOMPARE(programEnds(), 0);
}

void tst_AnemiaWalks::pancytopeniaToModifiedExchangeTransfusion()
{
    FormMain* main = openMainWindow();
    QVERIFY(startAnemia(main));
    const QString failure = walk({
        {1, 2, nullptr, 2},
        {2, 12, nullptr, 10},
        {10, 6,
         "The diagnosis is anemia due to bone marrow infiltration by tuberculous granulation tissue. Treat the "
         "gravida in joint consultation with a physician.",
         11},
        {11, 3, "The anemia is severe.", 12},
        {12, 2, nullptr, 13},
        {13, 1, "Perform modified exchange transfusion.", stays},
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_AnemiaWalks::anisocytosisToNormalElectrophoresis()
{
    FormMain* main = openMainWindow();
    QVERIFY(startAnemia(main));
    const QString failure = walk({
        {1, 2, nullptr, 2},
        {2, 6, "The diagnosis is a hemoglobinopathy.", 7},
        {7, 1, "The anemia is due to an infection. Find the cause and treat it appropriately.", 11},
        {11, 1, "The anemia is mild.", 12},
        {12, 2, nullptr, 13},
        {13, 2,
         "Give packed cell transfusion. Achieve a hemoglobin level of at least 9 g/dL by term or when she goes in "
         "labor.",
         stays},
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_AnemiaWalks::longestWalkShowsEightScreens()
{
    FormMain* main = openMainWindow();
    QVERIFY(startAnemia(main));
    QList<ScreenKind> shown{ScreenKind::FormAnemia1};
    onEveryLoad([&shown](ScreenKind kind) {
        if (kind != ScreenKind::FormMain && shown.last() != kind)
            shown.append(kind);
    });
    const QString failure = walk({
        {1, 2, nullptr, 2},
        {2, 5, nullptr, 4},
        {4, 2, nullptr, 6},
        {6, 3, nullptr, 7},
        {7, 3,
         "The diagnosis is sickle cell disease. Treat the gravida in joint consultation with a hematologist.", 11},
        {11, 2, "The anemia is moderate.", 12},
        {12, 2, nullptr, 13},
        {13, 1, "Perform modified exchange transfusion.", stays},
    });
    onEveryLoad({});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(shown.size(), 8);
    // One question screen at a time: each was unloaded before the next came.
    QCOMPARE(loadOrder(),
             (std::vector<ScreenKind>{ScreenKind::FormMain, ScreenKind::FormAnemia13}));
}

void tst_AnemiaWalks::stayAnsweredTwice()
{
    FormMain* main = openMainWindow();
    QVERIFY(startAnemia(main));
    // "10 g/dL or more": the same message each time OK is pressed, the screen staying.
    QString failure = walk({
        {1, 1, noAnemia, stays},
        {1, 1, noAnemia, stays},
        {1, 2, nullptr, 2},
        {2, 1, ironDeficiency, 11},
        {11, 1, "The anemia is mild.", 12},
        {12, 1, adequateTime, stays},
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // OK again with the selection as it stands, then the other option still leads on.
    QuestionScreen* screen = loadedScreen<QuestionScreen>(ScreenKind::FormAnemia12);
    const QList<SeenBox> again = answeringBoxes([&] { clickOn(findControl<QPushButton>(screen, "cmdOK")); });
    QCOMPARE(again.size(), 1);
    QCOMPARE(again[0].text, QString::fromUtf8(adequateTime));
    QVERIFY(optionNumbered(screen, 1)->isChecked());
    failure = answer({12, 2, nullptr, 13});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_AnemiaWalks::screenReachedAgainOpensWithNothingSelected()
{
    QPointer<FormMain> main = openMainWindow();
    QVERIFY(startAnemia(main));
    QString failure = walk({{1, 2, nullptr, 2}, {2, 8, nullptr, 8}});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QPointer<QuestionScreen> first = loadedScreen<QuestionScreen>(ScreenKind::FormAnemia8);
    clickOn(optionNumbered(first, 2));
    clickOn(findControl<QPushButton>(first, "cmdHome"));
    settle();
    QVERIFY(!first);
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::FormMain});

    // Start again: FormAnemia1 and FormAnemia8 are new, with nothing selected.
    QVERIFY(startAnemia(main));
    QCOMPARE(checkedOptions(loadedScreen<QuestionScreen>(ScreenKind::FormAnemia1)), 0);
    failure = walk({{1, 2, nullptr, 2}, {2, 8, nullptr, 8}});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QuestionScreen* again = loadedScreen<QuestionScreen>(ScreenKind::FormAnemia8);
    QCOMPARE(checkedOptions(again), 0);
    QCOMPARE(again->focusWidget(), findControl<QPushButton>(again, "cmdOK"));
}

void tst_AnemiaWalks::exitFromADeepScreenEndsTheProgram()
{
    FormMain* main = openMainWindow();
    QVERIFY(startAnemia(main));
    const QString failure = walk({{1, 2, nullptr, 2}, {2, 11, nullptr, 9}});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QuestionScreen* screen = loadedScreen<QuestionScreen>(ScreenKind::FormAnemia9);
    const QList<SeenBox> boxes = answeringBoxes([&] { clickOn(findControl<QPushButton>(screen, "cmdExit")); });
    settle();
    QVERIFY(boxes.isEmpty());
    QCOMPARE(loadedCount(), 0);
    QCOMPARE(programEnds(), 1);
}

void tst_AnemiaWalks::closingAQuestionScreenBringsTheMainWindowBack()
{
    QPointer<FormMain> main = openMainWindow();
    QVERIFY(startAnemia(main));
    const QString failure = walk({{1, 2, nullptr, 2}});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    loadedWindow(ScreenKind::FormAnemia2)->close();
    settle();
    QVERIFY(!isLoaded(ScreenKind::FormAnemia2));
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::FormMain});
    QCOMPARE(findControl<QComboBox>(main, "Combo1")->currentText(), QStringLiteral("Anemia"));
    QCOMPARE(programEnds(), 0);
}

QTEST_MAIN(tst_AnemiaWalks)
#include "tst_AnemiaWalks.moc"
