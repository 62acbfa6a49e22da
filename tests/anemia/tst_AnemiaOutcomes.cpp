// Every option of every Anemia screen, driven through the real widgets, against
// what a doctor reading the screens expects: the message shown (or none), then
// the next screen or the same screen staying open. The table below is typed
// out on its own, apart from the program's content tables, so a slip in either
// shows up here. Also the warning for OK with nothing selected, on every screen.

#include "app/Module1.h"
#include "screens/anemia/AnemiaNumbering.h"
#include "screens/anemia/OptionButton.h"
#include "screens/anemia/QuestionScreen.h"
#include "support/ScreenTestHelpers.h"

#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace ScreenTestHelpers;

namespace {

constexpr int stays = 0;

struct ExpectedOutcome {
    int screen;
    int option;
    const char* caption;
    const char* message; // nullptr: no message box
    int next;            // the screen that follows, or stays
};

// clang-format off
const ExpectedOutcome expectedOutcomes[] = {
    {1, 1, "10 g/dL or more",
     "There is no anemia in pregnancy, the lowering of hemoglobin level being due to hemodilution of pregnancy. Give the gravida iron and folic acid supplements throughout the pregnancy to meet the needs of the mother and fetus both.",
     stays},
    {1, 2, "Less than 10 g/dL",
     nullptr,
     2},
    {2, 1, "Hypochromia, microcytosis",
     "The diagnosis is iron deficiency anemia. Confirm it by estimating serum iron, total iron-binding capacity, and serum ferritin levels. Find out its cause and treat it.",
     11},
    {2, 2, "Macrocytosis,   hypersegmented neutrophils",
     "The diagnosis is megaloblastic anemia. Find out its cause and treat it.",
     11},
    {2, 3, "Normal RBCs, plus hypochromia, microcytosis, basophilic stippling",
     nullptr,
     3},
    {2, 4, "Hypochromia, macrocytosis",
     "The diagnosis is dimorphic anemia, usually nutritional. Find out its cause and treat it.",
     11},
    {2, 5, "Normochromia, normocytosis",
     nullptr,
     4},
    {2, 6, "Anisocytosis",
     "The diagnosis is a hemoglobinopathy.",
     7},
    {2, 7, "Low MCV, low MCH, normal MCHC",
     nullptr,
     7},
    {2, 8, "Spherocytes",
     nullptr,
     8},
    {2, 9, "Elliptocytes",
     "The diagnosis is elliptocytosis, a congenital form of hemolytic anemia due to abnormal red blood cell morphology.",
     11},
    {2, 10, "Acanthocytes",
     "The diagnosis is spur cell anemia due to Laennec's cirrhosis. Confirm it by performing liver function tests, hepatic ultrasonography, and if required, liver biopsy. Treat the gravida in joint consultation with a physician.",
     11},
    {2, 11, "Heinz bodies",
     nullptr,
     9},
    {2, 12, "Pancytopenia",
     nullptr,
     10},
    {2, 13, "Low RBC count, leukocytosis, thrombocytopenia",
     "The diagnosis is leukemia. Confirm it and determine its type by performing a bone marrow biopsy. Treat the gravida in joint consultation with a hematologist.",
     11},
    {3, 1, "Retic count elevated             Free RBC protoporphyrin elevated",
     "The diagnosis is lead poisoning. Confirm it by checking serum and urine levels of lead. Treat the gravida in joint consultation with a physician.",
     11},
    {3, 2, "Retic count normal                  Free RBC protoporphyrin normal",
     "The diagnosis is probably sideroblastic anemia. Confirm it by performing bone marrow biopsy, which shows ringed or abnormal sideroblasts. Treat the gravida in joint consultation with a hematologist.",
     11},
    {4, 1, "Low",
     "The diagnosis is anemia due to a chronic disease.",
     5},
    {4, 2, "Above 2",
     nullptr,
     6},
    {5, 1, "Chronic renal failure",
     "Treat the gravida in joint consultation with a nephrologist.",
     11},
    {5, 2, "Cirrhosis of liver",
     "Treat the gravida in joint consultation with a physician.",
     11},
    {5, 3, "Hypothyroidism",
     "Treat the gravida in joint consultation with an endocrinologist.",
     11},
    {5, 4, "Adrenal insufficiency",
     "Treat the gravida in joint consultation with an endocrinologist.",
     11},
    {5, 5, "Hypogonadism",
     "Treat the gravida in joint consultation with an endocrinologist.",
     11},
    {6, 1, "Low",
     "The diagnosis is iron deficiency anemia. Confirm it by estimating serum iron, total iron-binding capacity, and serum ferritin levels. Find out its cause and treat it.",
     11},
    {6, 2, "Normal",
     nullptr,
     7},
    {6, 3, "High",
     nullptr,
     7},
    {7, 1, "Normal",
     "The anemia is due to an infection. Find the cause and treat it appropriately.",
     11},
    {7, 2, "High HbA2,       normal or high HbF",
     "The diagnosis is beta-thalassemia. Treat the gravida in joint consultation with a hematologist.",
     11},
    {7, 3, "HbS",
     "The diagnosis is sickle cell disease. Treat the gravida in joint consultation with a hematologist.",
     11},
    {7, 4, "HbSC",
     "The diagnosis is sickle-C (hemoglobin SC) disease. Treat the gravida in joint consultation with a hematologist.",
     11},
    {8, 1, "Negative",
     "The diagnosis is spherocytosis. Treat the gravida in joint consultation with a hematologist.",
     11},
    {8, 2, "Positive",
     "The diagnosis is autoimmune hemolytic anemia. Treat the gravida in joint consultation with a hematologist.",
     11},
    {9, 1, "G6PD deficiency",
     "The diagnosis is anemia due to hemolysis secondary to G6PD deficiency. Treat the gravida in joint consultation with a hematologist.",
     11},
    {9, 2, "Pyruvate kinase deficiency",
     "The diagnosis is anemia due to hemolysis secondary to pyruvate kinase deficiency. Treat the gravida in joint consultation with a hematologist.",
     11},
    {9, 3, "None",
     "The diagnosis is anemia due to hemolysis secondary to unstable hemoglobin. Treat the gravida in joint consultation with a hematologist.",
     11},
    {10, 1, "Aplasia",
     "The diagnosis is aplastic anemia. Treat the gravida in joint consultation with a hematologist.",
     11},
    {10, 2, "Normo- or hypercellular",
     "The diagnosis is myelodysplastic syndrome. Treat the gravida in joint consultation with a hematologist.",
     11},
    {10, 3, "Myelofibrosis",
     "The diagnosis is myelofibrosis. Treat the gravida in joint consultation with a hematologist.",
     11},
    {10, 4, "Metastatic carcinoma",
     "The diagnosis is anemia due to bone marrow infiltration by metastatic carcinoma. Find the primary carcinoma and treat it appropriately.",
     11},
    {10, 5, "Lymphoreticular malignancy",
     "The diagnosis is anemia due to lymphoreticular malignancy. Treat the gravida in joint consultation with a hematologist.",
     11},
    {10, 6, "Tuberculosis",
     "The diagnosis is anemia due to bone marrow infiltration by tuberculous granulation tissue. Treat the gravida in joint consultation with a physician.",
     11},
    {11, 1, "8-10 g/dL",
     "The anemia is mild.",
     12},
    {11, 2, "5-8 g/dL",
     "The anemia is moderate.",
     12},
    {11, 3, "Less than 5 g/dL",
     "The anemia is severe.",
     12},
    {12, 1, "Adequate",
     "Continue treatment of the cause of the anemia. Check hemoglobin level periodically to confirm adequate response to treatment. Check hemoglobin level at term or when the gravida goes in labor, and if it is less than 9 g/dL, give adequate transfusion of packed cells to raise the hemoglobin level to 9 g/dL.",
     stays},
    {12, 2, "Inadequate",
     nullptr,
     13},
    {13, 1, "Not more than 2 g/dL",
     "Perform modified exchange transfusion.",
     stays},
    {13, 2, "More than 2 g/dL",
     "Give packed cell transfusion. Achieve a hemoglobin level of at least 9 g/dL by term or when she goes in labor.",
     stays},
};
// clang-format on

const QString warningText = QStringLiteral(
    "Nothing is selected. You have to select one item by clicking on its radio button and then click OK.");

ScreenKind screenNumbered(int number)
{
    return *anemiaScreen(number);
}

QuestionScreen* open(int number)
{
    Module1::Show(screenNumbered(number));
    settle();
    return loadedScreen<QuestionScreen>(screenNumbered(number));
}

int checkedOptions(const QuestionScreen* screen)
{
    int checked = 0;
    for (int i = 1; i <= optionCount(screen); ++i)
        checked += optionNumbered(screen, i)->isChecked() ? 1 : 0;
    return checked;
}

void clickOn(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

} // namespace

class tst_AnemiaOutcomes : public QObject {
    Q_OBJECT

private slots:
    void init() { startClean(); }
    void cleanupTestCase() { startClean(); }

    void everyOptionHasItsOutcome_data();
    void everyOptionHasItsOutcome();
    void everyScreenOfferedIsInTheTable();
    void okWithNothingSelectedWarns_data();
    void okWithNothingSelectedWarns();
};

void tst_AnemiaOutcomes::everyOptionHasItsOutcome_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("next");
    for (const ExpectedOutcome& row : expectedOutcomes) {
        QTest::addRow("FormAnemia%d Option%d", row.screen, row.option)
            << row.screen << row.option << QString::fromUtf8(row.caption)
            << (row.message ? QString::fromUtf8(row.message) : QString()) << row.next;
    }
}

void tst_AnemiaOutcomes::everyOptionHasItsOutcome()
{
    QFETCH(int, screen);
    QFETCH(int, option);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(int, next);

    QPointer<QuestionScreen> current = open(screen);
    QVERIFY(current);
    QVERIFY(option <= optionCount(current));
    OptionButton* button = optionNumbered(current, option);
    QCOMPARE(button->text(), caption);
    QCOMPARE(checkedOptions(current), 0);

    clickOn(button);
    QVERIFY(button->isChecked());
    QCOMPARE(checkedOptions(current), 1);

    const QList<SeenBox> boxes = answeringBoxes([&] { clickOn(findControl<QPushButton>(current, "cmdOK")); });
    settle();

    if (message.isEmpty()) {
        QCOMPARE(boxes.size(), 0);
    } else {
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(boxes[0].caption, QStringLiteral("Kadrelo"));
        QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
        QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(boxes[0].modal);
        // The message is read over the screen it answers; the next one is not up yet.
        QCOMPARE(boxes[0].visibleScreens, QList<ScreenKind>{screenNumbered(screen)});
    }

    if (next == stays) {
        QVERIFY(current);
        QVERIFY(current->isVisible());
        QCOMPARE(loadOrder(), std::vector<ScreenKind>{screenNumbered(screen)});
        QVERIFY(button->isChecked());
        QCOMPARE(checkedOptions(current), 1);
    } else {
        QVERIFY(!current); // unloaded and gone
        QCOMPARE(loadOrder(), std::vector<ScreenKind>{screenNumbered(next)});
        QCOMPARE(visibleScreens(), QList<ScreenKind>{screenNumbered(next)});
        const QuestionScreen* following = loadedScreen<QuestionScreen>(screenNumbered(next));
        QVERIFY(following);
        QCOMPARE(checkedOptions(following), 0);
        QCOMPARE(following->focusWidget(), findControl<QPushButton>(following, "cmdOK"));
    }
    QCOMPARE(programEnds(), 0);
}

void tst_AnemiaOutcomes::everyScreenOfferedIsInTheTable()
{
    // The table above covers each screen's options exactly, no more, no fewer.
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        int rows = 0;
        for (const ExpectedOutcome& row : expectedOutcomes)
            rows += row.screen == number ? 1 : 0;
        QuestionScreen* screen = open(number);
        QVERIFY(screen);
        QCOMPARE(optionCount(screen), rows);
        startClean();
    }
}

void tst_AnemiaOutcomes::okWithNothingSelectedWarns_data()
{
    QTest::addColumn<int>("screen");
    for (int number = 1; number <= anemiaScreenCount; ++number)
        QTest::addRow("FormAnemia%d", number) << number;
}

void tst_AnemiaOutcomes::okWithNothingSelectedWarns()
{
    QFETCH(int, screen);
    QPointer<QuestionScreen> current = open(screen);
    QVERIFY(current);
    QCOMPARE(checkedOptions(current), 0);
    QCOMPARE(current->focusWidget(), findControl<QPushButton>(current, "cmdOK"));

    // Enter and Space go to the focused OK button at once; then a plain click.
    const QList<SeenBox> boxes = answeringBoxes([&] {
        QTest::keyClick(current->focusWidget(), Qt::Key_Return);
        QTest::keyClick(current->focusWidget(), Qt::Key_Space);
        clickOn(findControl<QPushButton>(current, "cmdOK"));
    });
    settle();

    QCOMPARE(boxes.size(), 3);
    for (const SeenBox& box : boxes) {
        QCOMPARE(box.text, warningText);
        QCOMPARE(box.caption, QStringLiteral("Kadrelo"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.visibleScreens, QList<ScreenKind>{screenNumbered(screen)});
    }
    // Nothing changed: the same screen, on view, with nothing selected.
    QVERIFY(current);
    QVERIFY(current->isVisible());
    QCOMPARE(loadOrder(), std::vector<ScreenKind>{screenNumbered(screen)});
    QCOMPARE(checkedOptions(current), 0);
    QCOMPARE(programEnds(), 0);
}

QTEST_MAIN(tst_AnemiaOutcomes)
#include "tst_AnemiaOutcomes.moc"
