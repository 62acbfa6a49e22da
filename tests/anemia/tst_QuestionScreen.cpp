// The question screen as the doctor sees and uses it: window, texts, fonts
// and colours, controls at their design places and never cut off or on top of
// each other, tab order and focus, the keyboard in the option group, and what
// a screen reader is told.

#include "app/Module1.h"
#include "app/ScreenLook.h"
#include "app/Twips.h"
#include "screens/anemia/AnemiaNumbering.h"
#include "screens/anemia/AnemiaScreens.h"
#include "screens/anemia/OptionButton.h"
#include "screens/anemia/QuestionScreen.h"
#include "screens/anemia/QuestionScreenContent.h"
#include "support/OptionButtonProbe.h"
#include "support/ScreenTestHelpers.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace ScreenTestHelpers;

namespace {

// The step each screen asks for, as the doctor reads it.
const struct {
    int screen;
    const char* prompt;
} expectedPrompts[] = {
    {1, "Check the hemoglobin level of the gravida at the first antenatal visit."},
    {2, "Check the hemogram, peripheral smear, and blood indices of the gravida."},
    {3, "Check the retic count. Obtain free red cell protoporphyrin level."},
    {4, "Check the reticulocyte production index (Reticulocyte count X Hematocrit/45) /2"},
    {5, "Perform a detailed systemic examination. Perform appropriate tests to confirm the diagnosis, in joint consultation with a physician."},
    {6, "Check serum iron levels."},
    {7, "Perform hemoglobin electrophoresis."},
    {8, "Get a direct Coomb's test done on the patient's blood."},
    {9, "Check for the presence of enzyme defects in the red blood cells."},
    {10, "Perform a bone marrow examination of the patient."},
    {11, "Assess the severity of the anemia by hemoglobin estimation."},
    {12, "Check adequacy of the time available for the treatment of the cause of the anemia to raise the hemoblobin level to at least 9 g/dL (preferably 10 g/dL) by 37 completed weeks of pregnancy."},
    {13, "Check if the hemoglobin level is above 2 g/dL."},
};

QuestionScreen* open(int number)
{
    Module1::Show(*anemiaScreen(number));
    settle();
    return loadedScreen<QuestionScreen>(*anemiaScreen(number));
}

// The focusable controls of a window in the order Tab visits them, from cmdOK.
QStringList tabOrder(QuestionScreen* screen)
{
    QStringList names;
    QWidget* control = findControl<QPushButton>(screen, "cmdOK");
    do {
        if (control->isWidgetType() && (control->focusPolicy() & Qt::TabFocus) && control != screen)
            names.append(control->objectName());
        control = control->nextInFocusChain();
    } while (control != findControl<QPushButton>(screen, "cmdOK"));
    return names;
}

// Tab stops by the rule all question screens share, for a screen with n options.
QStringList tabOrderByRule(int options)
{
    QStringList names{QStringLiteral("cmdOK"), QStringLiteral("cmdExit")};
    for (int i = 1; i <= std::min(options, 3); ++i)
        names.append(QStringLiteral("Option%1").arg(i));
    names.append(QStringLiteral("cmdHome"));
    for (int i = 4; i <= options; ++i)
        names.append(QStringLiteral("Option%1").arg(i));
    return names;
}

QString accessibleName(QWidget* control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

QList<QWidget*> controlsOf(QuestionScreen* screen)
{
    QList<QWidget*> controls;
    for (int i = 1; i <= labelCount(screen); ++i)
        controls.append(labelNumbered(screen, i));
    for (int i = 1; i <= optionCount(screen); ++i)
        controls.append(optionNumbered(screen, i));
    controls << findControl<QPushButton>(screen, "cmdOK") << findControl<QPushButton>(screen, "cmdHome")
             << findControl<QPushButton>(screen, "cmdExit");
    return controls;
}

} // namespace

class tst_QuestionScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { startClean(); }
    void cleanupTestCase() { startClean(); }

    void screens_data();
    void windowAndTexts_data() { screens_data(); }
    void windowAndTexts();
    void controlsStandWhereDesignedAndShowWhole_data() { screens_data(); }
    void controlsStandWhereDesignedAndShowWhole();
    void tabOrderAndFocus_data() { screens_data(); }
    void tabOrderAndFocus();
    void screenReaderNames_data() { screens_data(); }
    void screenReaderNames();
    void resizingMovesNoControl();
    void sizedAndCentredOnLoad();
    void blanksInCaptionsSurvive();
    void keyboardWithinTheGroup();
    void clickOnCaptionSelects();
};

void tst_QuestionScreen::screens_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("prompt");
    for (const auto& row : expectedPrompts)
        QTest::addRow("FormAnemia%d", row.screen) << row.screen << QString::fromUtf8(row.prompt);
}

void tst_QuestionScreen::windowAndTexts()
{
    QFETCH(int, screen);
    QFETCH(QString, prompt);
    QuestionScreen* window = open(screen);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Anemia"));
    QCOMPARE(window->objectName(), QStringLiteral("FormAnemia%1").arg(screen));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 255, 255));
    QVERIFY(window->autoFillBackground());
    QVERIFY(window->isWindow());
    QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);

    // The prompt: Label3 under a red title and an introduction on the first screen, Label1 elsewhere.
    QLabel* promptLabel = findControl<QLabel>(window, screen == 1 ? "Label3" : "Label1");
    QVERIFY(promptLabel);
    QCOMPARE(promptLabel->text(), prompt);
    QCOMPARE(promptLabel->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY(promptLabel->font().bold());
    QCOMPARE(promptLabel->font().pointSizeF(), 12.0);
    QCOMPARE(promptLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    if (screen == 1) {
        QCOMPARE(labelCount(window), 3);
        QLabel* title = findControl<QLabel>(window, "Label1");
        QCOMPARE(title->text(), QStringLiteral("Anemia"));
        QCOMPARE(title->font().pointSizeF(), 20.25);
        QVERIFY(title->font().bold());
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QLabel* introduction = findControl<QLabel>(window, "Label2");
        QCOMPARE(introduction->text(),
                 QStringLiteral("Anemia is an extremely common condition during pregnancy. Unless iron and folic acid "
                                "supplements are given, hemoglobin tends to drop progressively as pregnancy advances, "
                                "due to increased maternal and fetal demands."));
        QCOMPARE(introduction->font(), promptLabel->font());
        QCOMPARE(introduction->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    } else {
        QCOMPARE(labelCount(window), 1);
    }

    for (int i = 1; i <= optionCount(window); ++i) {
        OptionButton* option = optionNumbered(window, i);
        QCOMPARE(option->objectName(), QStringLiteral("Option%1").arg(i));
        QCOMPARE(option->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(option->font().pointSizeF(), 8.25);
        QVERIFY(option->font().bold());
        // Drawn from outlines, as at every scale; Windows' MS Sans Serif is a bitmap face.
        QVERIFY(QFontDatabase::isSmoothlyScalable(QFontInfo(option->font()).family()));
        QVERIFY(option->toolTip().isEmpty());
        QVERIFY(!option->isChecked());
    }

    QCOMPARE(findControl<QPushButton>(window, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(findControl<QPushButton>(window, "cmdHome")->text(), QStringLiteral("&Home"));
    QCOMPARE(findControl<QPushButton>(window, "cmdExit")->text(), QStringLiteral("&Exit"));
    QCOMPARE(findControl<QPushButton>(window, "cmdOK")->toolTip(),
             QStringLiteral("Click to accept selection of option button"));
    QCOMPARE(findControl<QPushButton>(window, "cmdHome")->toolTip(),
             QStringLiteral("Click to accept selection of option button"));
    QCOMPARE(findControl<QPushButton>(window, "cmdExit")->toolTip(), QStringLiteral("Click to end the program"));
    // The name leads to the one OK button.
    QCOMPARE(window->findChildren<QPushButton*>(QStringLiteral("cmdOK")).size(), 1);
}

void tst_QuestionScreen::controlsStandWhereDesignedAndShowWhole()
{
    QFETCH(int, screen);
    QuestionScreen* window = open(screen);
    QVERIFY(window);
    const QuestionScreenContent& content = anemiaScreenContent(window->kind());

    for (int i = 1; i <= labelCount(window); ++i) {
        QLabel* label = labelNumbered(window, i);
        const QRect designed = Twips::toPixels(content.labels[static_cast<std::size_t>(i - 1)].place);
        // A label stands at its design place; it may only grow downward to show its text whole.
        QCOMPARE(label->pos(), designed.topLeft());
        QCOMPARE(label->width(), designed.width());
        QVERIFY(label->height() >= designed.height());
        if (label->height() > designed.height())
            QCOMPARE(label->height(), label->heightForWidth(label->width()));
        // Every line of a prompt fits inside its label.
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));
    }
    for (int i = 1; i <= optionCount(window); ++i) {
        OptionButton* option = optionNumbered(window, i);
        const QRect designed = Twips::toPixels(content.options[static_cast<std::size_t>(i - 1)].place);
        QCOMPARE(option->x(), designed.x());
        QCOMPARE(option->width(), designed.width());
        QVERIFY(option->geometry().contains(designed));
        QVERIFY(qAbs(option->geometry().center().y() - designed.center().y()) <= 1);
        // The caption shows whole: its lines fit in both directions.
        QVERIFY2(OptionButtonProbe::linesHeight(option) <= option->height(), qPrintable(option->objectName()));
        QVERIFY2(OptionButtonProbe::widestLine(option) <= OptionButtonProbe::captionArea(option).width(),
                 qPrintable(option->objectName()));
    }
    QCOMPARE(findControl<QPushButton>(window, "cmdOK")->geometry(), Twips::toPixels(content.cmdOK.place));
    QCOMPARE(findControl<QPushButton>(window, "cmdHome")->geometry(), Twips::toPixels(content.cmdHome.place));
    QCOMPARE(findControl<QPushButton>(window, "cmdExit")->geometry(), Twips::toPixels(content.cmdExit.place));

    // No control covers another, and all of them stand inside the window.
    const QList<QWidget*> controls = controlsOf(window);
    for (int a = 0; a < controls.size(); ++a) {
        QVERIFY2(window->rect().contains(controls[a]->geometry()), qPrintable(controls[a]->objectName()));
        for (int b = a + 1; b < controls.size(); ++b) {
            QVERIFY2(!controls[a]->geometry().intersects(controls[b]->geometry()),
                     qPrintable(controls[a]->objectName() + QStringLiteral(" covers ") + controls[b]->objectName()));
        }
    }
}

void tst_QuestionScreen::tabOrderAndFocus()
{
    QFETCH(int, screen);
    QuestionScreen* window = open(screen);
    QVERIFY(window);
    QCOMPARE(tabOrder(window), tabOrderByRule(optionCount(window)));
    for (int i = 1; i <= labelCount(window); ++i)
        QCOMPARE(labelNumbered(window, i)->focusPolicy(), Qt::NoFocus);

    QCOMPARE(window->focusWidget(), findControl<QPushButton>(window, "cmdOK"));
    if (QTest::qWaitForWindowActive(window))
        QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(window, "cmdOK"));

    // Tab from OK goes to Exit, then into the options.
    findControl<QPushButton>(window, "cmdOK")->setFocus();
    QTest::keyClick(findControl<QPushButton>(window, "cmdOK"), Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), findControl<QPushButton>(window, "cmdExit"));
    QTest::keyClick(findControl<QPushButton>(window, "cmdExit"), Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), optionNumbered(window, 1));
}

void tst_QuestionScreen::screenReaderNames()
{
    QFETCH(int, screen);
    QFETCH(QString, prompt);
    QuestionScreen* window = open(screen);
    QVERIFY(window);
    // The step to perform is announced with the window, after the introduction.
    const QString announced = screen == 1 ? labelNumbered(window, 2)->text() + QLatin1Char(' ') + prompt : prompt;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Description), announced);

    for (int i = 1; i <= labelCount(window); ++i)
        QCOMPARE(accessibleName(labelNumbered(window, i)), labelNumbered(window, i)->text());
    for (int i = 1; i <= optionCount(window); ++i) {
        OptionButton* option = optionNumbered(window, i);
        if (!option->text().contains(QStringLiteral("  ")))
            QCOMPARE(accessibleName(option), option->text());
        QAccessibleInterface* optionFace = QAccessible::queryAccessibleInterface(option);
        QCOMPARE(optionFace->role(), QAccessible::RadioButton);
        // Its place in the group, and the question it answers.
        QCOMPARE(optionFace->text(QAccessible::Description),
                 QStringLiteral("%1 of %2. %3").arg(i).arg(optionCount(window)).arg(prompt));
        QVERIFY(!optionFace->state().checked);
    }
    QCOMPARE(accessibleName(findControl<QPushButton>(window, "cmdOK")), QStringLiteral("OK"));
    QCOMPARE(accessibleName(findControl<QPushButton>(window, "cmdHome")), QStringLiteral("Home"));
    QCOMPARE(accessibleName(findControl<QPushButton>(window, "cmdExit")), QStringLiteral("Exit"));

    optionNumbered(window, 1)->click();
    QVERIFY(QAccessible::queryAccessibleInterface(optionNumbered(window, 1))->state().checked);
}

void tst_QuestionScreen::resizingMovesNoControl()
{
    for (int screen : {1, 2, 10}) {
        QuestionScreen* window = open(screen);
        QVERIFY(window);
        const QList<QWidget*> controls = controlsOf(window);
        QList<QRect> before;
        for (QWidget* control : controls)
            before.append(control->geometry());
        window->resize(window->width() / 2, window->height() / 2);
        settle();
        window->showMaximized();
        settle();
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), before[i]);
        startClean();
    }
}

void tst_QuestionScreen::sizedAndCentredOnLoad()
{
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    for (const auto& [screen, factor] : {std::pair{1, 0.95}, std::pair{3, 0.75}, std::pair{10, 0.95}, std::pair{13, 0.75}}) {
        QuestionScreen* window = open(screen);
        QVERIFY(window);
        // The toolkit may learn the frame's size only at the first show, so the
        // window can come out larger by its frame than the share asked for.
        const QRect frame = ScreenTestHelpers::outerGeometry(window);
        const QSize frameExtra = frame.size() - window->size();
        QVERIFY(qAbs(frame.width() - display.width() * factor) <= frameExtra.width() + 1);
        QVERIFY(qAbs(frame.height() - display.height() * factor) <= frameExtra.height() + 1);
        QVERIFY(qAbs(frame.center().x() - display.center().x()) <= frameExtra.width() + 1);
        QVERIFY(qAbs(frame.center().y() - display.center().y()) <= frameExtra.height() + 1);
        startClean();
    }
}

void tst_QuestionScreen::blanksInCaptionsSurvive()
{
    const struct {
        int screen, option;
        QString caption;
        int blanks;
    } rows[] = {
        {2, 2, QStringLiteral("Macrocytosis,   hypersegmented neutrophils"), 3},
        {3, 1, QStringLiteral("Retic count elevated             Free RBC protoporphyrin elevated"), 13},
        {3, 2, QStringLiteral("Retic count normal                  Free RBC protoporphyrin normal"), 18},
        {7, 2, QStringLiteral("High HbA2,       normal or high HbF"), 7},
    };
    for (const auto& row : rows) {
        QuestionScreen* window = open(row.screen);
        QVERIFY(window);
        OptionButton* option = optionNumbered(window, row.option);
        QCOMPARE(option->text(), row.caption);
        QVERIFY(option->text().contains(QString(row.blanks, QLatin1Char(' '))));
        QVERIFY(!option->text().contains(QString(row.blanks + 1, QLatin1Char(' '))));
        // Speech pauses and braille stays short: the run is one comma and blank, the words all kept.
        const QString spoken = accessibleName(option);
        QVERIFY(spoken.contains(QStringLiteral(", ")) && !spoken.contains(QStringLiteral("  ")));
        QCOMPARE(QString(spoken).remove(QLatin1Char(',')), QString(row.caption).remove(QLatin1Char(',')).simplified());
        // The lines shown give back the caption, blank for blank.
        QCOMPARE(OptionButtonProbe::shownLines(option).join(QString()), row.caption);
        startClean();
    }

    // The two findings of FormAnemia3 stand on lines of their own, the run of
    // blanks ending the first line.
    QuestionScreen* window = open(3);
    QCOMPARE(OptionButtonProbe::shownLines(optionNumbered(window, 1)),
             (QStringList{QStringLiteral("Retic count elevated             "),
                          QStringLiteral("Free RBC protoporphyrin elevated")}));
    QCOMPARE(OptionButtonProbe::shownLines(optionNumbered(window, 2)),
             (QStringList{QStringLiteral("Retic count normal                  "),
                          QStringLiteral("Free RBC protoporphyrin normal")}));

    // A layout kept from an earlier load is never shown for another caption.
    OptionButton* option = optionNumbered(window, 1);
    option->setText(QStringLiteral("Retic count normal                  Free RBC protoporphyrin normal"));
    QCOMPARE(OptionButtonProbe::shownLines(option), OptionButtonProbe::shownLines(optionNumbered(window, 2)));
    option->setText(QStringLiteral("Anisocytosis"));
    QCOMPARE(OptionButtonProbe::shownLines(option), QStringList{QStringLiteral("Anisocytosis")});
}

void tst_QuestionScreen::keyboardWithinTheGroup()
{
    QuestionScreen* window = open(2);
    QVERIFY(window);
    OptionButton* first = optionNumbered(window, 1);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    QVERIFY(first->isChecked());
    QTest::keyClick(first, Qt::Key_Down);
    QCOMPARE(window->focusWidget(), optionNumbered(window, 2));
    QVERIFY(optionNumbered(window, 2)->isChecked());
    QVERIFY(!first->isChecked());
    QTest::keyClick(optionNumbered(window, 2), Qt::Key_Up);
    QCOMPARE(window->focusWidget(), first);
    QVERIFY(first->isChecked());
    int checked = 0;
    for (int i = 1; i <= optionCount(window); ++i)
        checked += optionNumbered(window, i)->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);

    // Selecting another option by mouse clears the one before: one group per screen.
    QTest::mouseClick(optionNumbered(window, 13), Qt::LeftButton, {}, optionNumbered(window, 13)->rect().center());
    QVERIFY(optionNumbered(window, 13)->isChecked());
    QVERIFY(!first->isChecked());
}

void tst_QuestionScreen::clickOnCaptionSelects()
{
    QuestionScreen* window = open(3);
    QVERIFY(window);
    OptionButton* option = optionNumbered(window, 1);
    // Far right on the second line of the caption, well away from the indicator.
    const QPoint onCaption(OptionButtonProbe::captionArea(option).right() - 4, option->height() - 6);
    QTest::mouseClick(option, Qt::LeftButton, {}, onCaption);
    QVERIFY(option->isChecked());
}

QTEST_MAIN(tst_QuestionScreen)
#include "tst_QuestionScreen.moc"
