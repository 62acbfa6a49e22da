#include "app/Twips.h"
#include "screens/info/HelpDesign.h"
#include "screens/info/QuestionLabel.h"
#include "screens/info/frmHelp.h"
#include "screens/main/FormMain.h"
#include "support/ScreenTestHelpers.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <array>

using namespace ScreenTestHelpers;

namespace {
// Label1 to Label5, in the order of the questions.
std::array<QuestionLabel*, 5> questionLabels(const frmHelp* help)
{
    std::array<QuestionLabel*, 5> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i] = findControl<QuestionLabel>(help, HelpDesign::questions[i].label.name);
    return labels;
}

const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);

// The questions and their answers, word for word as the window must show them.
const QStringList questionTexts{
    QStringLiteral("How do I start the application ?"),
    QStringLiteral("How do I use the application ?"),
    QStringLiteral("How do I end the application ?"),
    QStringLiteral("How do I use Help ?"),
    QStringLiteral("How do I find details of the application ?"),
};
const QStringList answerTexts{
    QStringLiteral("You can start the application by clicking on its icon in the Start Menu."),
    QStringLiteral("You have to select an item from the list in the combination box, and then click OK. "
                   "You will be offered some choices. Click on the appropiate one and then click OK. "
                   "Continue in this way until the final answer is offered to you. Click OK on the "
                   "message box to close it."),
    QStringLiteral("You have to click on Exit to close the application."),
    QStringLiteral("You have to click Help in the startup screen to obtain help."),
    QStringLiteral("You have to check About in the Startup screen to open the About dialog box. It will "
                   "also give you information about your computer system."),
};

QColor textColour(const QWidget* control)
{
    return control->palette().color(QPalette::WindowText);
}

QRect twips(int left, int top, int width, int height)
{
    return Twips::toPixels(TwipsRect{left, top, width, height});
}

// Help as the doctor opens it: with the main window's Help button.
frmHelp* pressHelp()
{
    FormMain* main = loadedScreen<FormMain>(ScreenKind::FormMain);
    if (!main)
        main = openMainWindow();
    QTest::mouseClick(findControl<QPushButton>(main, "cmdHelp"), Qt::LeftButton);
    return loadedScreen<frmHelp>(ScreenKind::frmHelp);
}

// The questions coloured blue, by number 1 to 5.
QList<int> blueQuestions(const frmHelp* help)
{
    QList<int> numbers;
    const auto labels = questionLabels(help);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (textColour(labels[i]) == blue)
            numbers.append(static_cast<int>(i) + 1);
    }
    return numbers;
}

bool allQuestionsBlackOrBlue(const frmHelp* help)
{
    const auto labels = questionLabels(help);
    return std::all_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return textColour(label) == black || textColour(label) == blue;
    });
}

void clickQuestion(frmHelp* help, int number)
{
    QTest::mouseClick(questionLabels(help).at(static_cast<std::size_t>(number - 1)), Qt::LeftButton);
}
} // namespace

class tst_frmHelp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void opensAsDesigned();
    void opensSizedAndCentred();
    void questionShowsItsAnswer_data();
    void questionShowsItsAnswer();
    void secondQuestionThenFourth();
    void sameQuestionTwice();
    void otherClicksDoNothing();
    void longAnswerWrapsWithinTheAnswerArea();
    void helpPressedAgainKeepsTheWindowAsItWas();
    void homeThenHelpOpensFresh();
    void accessKeysWorkFromAnywhere();
    void questionsByKeyboard();
    void spaceAtOnceEndsTheProgram();
    void exitUnloadsEveryScreen();
    void frameCloseUnloadsHelpOnly();
    void screenReaderCanNameAndAskAQuestion();
};

void tst_frmHelp::init()
{
    startClean();
}

void tst_frmHelp::cleanupTestCase()
{
    dropAllScreens();
    settle();
}

void tst_frmHelp::opensAsDesigned()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    QVERIFY(help->testAttribute(Qt::WA_SetWindowIcon));
    QVERIFY(!help->windowIcon().isNull());
    QCOMPARE(help->palette().color(QPalette::Window), QColor(0, 255, 255));
    QVERIFY(help->autoFillBackground());

    QCOMPARE(findControl<QLabel>(help, "LabelTitle")->text(), QStringLiteral("Help"));
    QCOMPARE(findControl<QLabel>(help, "LabelTitle")->geometry(), twips(4320, 240, 1215, 615));
    QCOMPARE(textColour(findControl<QLabel>(help, "LabelTitle")), QColor(255, 0, 0));
    QCOMPARE(findControl<QLabel>(help, "LabelTitle")->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(findControl<QLabel>(help, "LabelTitle")->font().pointSizeF(), 26.25);
    QVERIFY(findControl<QLabel>(help, "LabelTitle")->font().bold());

    QCOMPARE(findControl<QLabel>(help, "LabelInstruction")->text(),
             QStringLiteral("Click on a question below to obtain help"));
    QCOMPARE(findControl<QLabel>(help, "LabelInstruction")->geometry(), twips(3000, 1080, 4935, 375));
    QCOMPARE(textColour(findControl<QLabel>(help, "LabelInstruction")), blue);
    QCOMPARE(findControl<QLabel>(help, "LabelInstruction")->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(findControl<QLabel>(help, "LabelInstruction")->font().pointSizeF(), 12.0);
    QVERIFY(findControl<QLabel>(help, "LabelInstruction")->font().bold());

    const QList<QRect> questionPlaces{twips(600, 1800, 3855, 375), twips(600, 2280, 3855, 375),
                                      twips(600, 2760, 3855, 375), twips(5040, 1800, 2535, 375),
                                      twips(5040, 2280, 4935, 375)};
    const auto labels = questionLabels(help);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QuestionLabel* label = labels[i];
        const auto row = static_cast<qsizetype>(i);
        QCOMPARE(label->objectName(), QStringLiteral("Label%1").arg(i + 1));
        QCOMPARE(label->text(), questionTexts.at(row));
        QCOMPARE(label->geometry(), questionPlaces.at(row));
        QCOMPARE(textColour(label), black);
        QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QVERIFY(label->font().bold());
        QCOMPARE(label->focusPolicy(), Qt::TabFocus);
        // Each question's text fits on its one line.
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }

    QVERIFY(findControl<QLabel>(help, "LabelA")->text().isEmpty());
    QCOMPARE(findControl<QLabel>(help, "LabelA")->geometry(), twips(480, 4080, 8415, 1455));
    QCOMPARE(findControl<QLabel>(help, "LabelA")->palette().color(QPalette::Window), QColor(255, 255, 192));
    QVERIFY(findControl<QLabel>(help, "LabelA")->autoFillBackground());
    QCOMPARE(findControl<QLabel>(help, "LabelA")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(findControl<QLabel>(help, "LabelA")->wordWrap());
    QCOMPARE(findControl<QLabel>(help, "LabelA")->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(findControl<QLabel>(help, "LabelA")->font().pointSizeF(), 12.0);
    QVERIFY(findControl<QLabel>(help, "LabelA")->font().bold());

    QCOMPARE(findControl<QPushButton>(help, "cmdHome")->text(), QStringLiteral("&Home"));
    QCOMPARE(findControl<QPushButton>(help, "cmdExit")->text(), QStringLiteral("&Exit"));
    QCOMPARE(findControl<QPushButton>(help, "cmdHome")->geometry(), twips(9120, 4320, 735, 375));
    QCOMPARE(findControl<QPushButton>(help, "cmdExit")->geometry(), twips(9120, 4800, 735, 375));
    QVERIFY(findControl<QPushButton>(help, "cmdHome")->toolTip().isEmpty());
    QVERIFY(findControl<QPushButton>(help, "cmdExit")->toolTip().isEmpty());

    // Exit has the focus at open; Tab goes through the questions to Home, and back to Exit.
    QVERIFY(makeActive(help));
    QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(help, "cmdExit"));
    for (QWidget* next :
         QList<QWidget*>{labels[0], labels[1], labels[2], labels[3], labels[4],
                         findControl<QPushButton>(help, "cmdHome"), findControl<QPushButton>(help, "cmdExit")}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // The main window stays open underneath.
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::FormMain, ScreenKind::frmHelp}));
}

void tst_frmHelp::opensSizedAndCentred()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    const QRect display = Twips::display()->geometry();
    const QRect outer = ScreenTestHelpers::outerGeometry(help);
    const QRect inner = help->geometry();
    const QString seen = QStringLiteral("window %1,%2 %3x%4 (client %5x%6) on display %7x%8")
                             .arg(outer.left()).arg(outer.top()).arg(outer.width()).arg(outer.height())
                             .arg(inner.width()).arg(inner.height())
                             .arg(display.width()).arg(display.height());
    // The frame may become known only once the window is first shown, so
    // the share of the display is met by the outer size or by the client size.
    const int width = qRound(display.width() * 0.85);
    const int height = qRound(display.height() * 0.85);
    QVERIFY2(qAbs(outer.width() - width) <= 1 || qAbs(inner.width() - width) <= 1, qPrintable(seen));
    QVERIFY2(qAbs(outer.height() - height) <= 1 || qAbs(inner.height() - height) <= 1, qPrintable(seen));
    const int frameX = outer.width() - inner.width();
    const int frameY = outer.height() - inner.height();
    QVERIFY2(qAbs(outer.center().x() - display.center().x()) <= frameX + 1, qPrintable(seen));
    QVERIFY2(qAbs(outer.center().y() - display.center().y()) <= frameY + 1, qPrintable(seen));

    // Resizing moves no control.
    const QRect answerPlace = findControl<QLabel>(help, "LabelA")->geometry();
    help->resize(help->width() / 2, help->height() / 2);
    QCOMPARE(findControl<QLabel>(help, "LabelA")->geometry(), answerPlace);
}

void tst_frmHelp::questionShowsItsAnswer_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("answer");
    for (int number = 1; number <= 5; ++number)
        QTest::addRow("question %d", number) << number << answerTexts.at(number - 1);
}

void tst_frmHelp::questionShowsItsAnswer()
{
    QFETCH(int, number);
    QFETCH(QString, answer);
    frmHelp* help = pressHelp();
    QVERIFY(help);

    const QList<SeenBox> boxes = answeringBoxes([&] { clickQuestion(help, number); });

    QVERIFY(boxes.isEmpty());
    QCOMPARE(blueQuestions(help), QList<int>{number});
    QVERIFY(allQuestionsBlackOrBlue(help));
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answer);
    // Nothing else on the window changes.
    QCOMPARE(textColour(findControl<QLabel>(help, "LabelTitle")), QColor(255, 0, 0));
    QCOMPARE(textColour(findControl<QLabel>(help, "LabelInstruction")), blue);
    QCOMPARE(findControl<QLabel>(help, "LabelInstruction")->text(),
             QStringLiteral("Click on a question below to obtain help"));
    QCOMPARE(visibleScreens(), (QList<ScreenKind>{ScreenKind::FormMain, ScreenKind::frmHelp}));
}

void tst_frmHelp::secondQuestionThenFourth()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    clickQuestion(help, 2);
    QCOMPARE(blueQuestions(help), QList<int>{2});
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerTexts.at(1));

    clickQuestion(help, 4);
    QCOMPARE(blueQuestions(help), QList<int>{4});
    QVERIFY(allQuestionsBlackOrBlue(help));
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerTexts.at(3));
}

void tst_frmHelp::sameQuestionTwice()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    clickQuestion(help, 3);
    const QList<int> afterFirst = blueQuestions(help);
    const QString answerAfterFirst = findControl<QLabel>(help, "LabelA")->text();

    clickQuestion(help, 3);
    QCOMPARE(afterFirst, QList<int>{3});
    QCOMPARE(blueQuestions(help), afterFirst);
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerAfterFirst);
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerTexts.at(2));
}

void tst_frmHelp::otherClicksDoNothing()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    clickQuestion(help, 5);

    const QList<SeenBox> boxes = answeringBoxes([&] {
        QTest::mouseClick(findControl<QLabel>(help, "LabelTitle"), Qt::LeftButton);
        QTest::mouseClick(findControl<QLabel>(help, "LabelInstruction"), Qt::LeftButton);
        QTest::mouseClick(findControl<QLabel>(help, "LabelA"), Qt::LeftButton);
        QTest::mouseClick(help, Qt::LeftButton, {}, QPoint(5, 5));
        // Only the left button asks a question.
        QTest::mouseClick(findControl<QuestionLabel>(help, "Label1"), Qt::RightButton);
        // Pressed on a question and let go away from it: no click.
        QTest::mousePress(findControl<QuestionLabel>(help, "Label2"), Qt::LeftButton);
        QTest::mouseRelease(findControl<QuestionLabel>(help, "Label2"), Qt::LeftButton, {}, QPoint(-20, -20));
    });

    QVERIFY(boxes.isEmpty());
    QCOMPARE(blueQuestions(help), QList<int>{5});
    QVERIFY(allQuestionsBlackOrBlue(help));
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerTexts.at(4));
    QVERIFY(isLoaded(ScreenKind::frmHelp));
}

void tst_frmHelp::longAnswerWrapsWithinTheAnswerArea()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    clickQuestion(help, 2);

    const QLabel* answerArea = findControl<QLabel>(help, "LabelA");
    const QFontMetrics metrics(answerArea->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, answerArea->width(), 100000),
                                              Qt::TextWordWrap | Qt::AlignHCenter, answerArea->text());
    // Several lines, every one within the area's width, and all of them within its height.
    QVERIFY(needed.height() >= 3 * metrics.lineSpacing());
    QVERIFY(needed.width() <= answerArea->width());
    QVERIFY2(needed.height() <= answerArea->height(),
             qPrintable(QStringLiteral("%1 > %2").arg(needed.height()).arg(answerArea->height())));
    QVERIFY(metrics.horizontalAdvance(answerArea->text()) > answerArea->width());
}

void tst_frmHelp::helpPressedAgainKeepsTheWindowAsItWas()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    clickQuestion(help, 2);
    help->move(help->pos() + QPoint(13, 7));
    const QPoint movedTo = help->pos();

    frmHelp* again = pressHelp();

    QCOMPARE(again, help);
    QCOMPARE(loadOrder(),
             (std::vector<ScreenKind>{ScreenKind::FormMain, ScreenKind::frmHelp}));
    // No second load: the highlight, the answer and the place stay.
    QCOMPARE(blueQuestions(help), QList<int>{2});
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerTexts.at(1));
    QCOMPARE(help->pos(), movedTo);
    QVERIFY(help->isVisible());
}

void tst_frmHelp::homeThenHelpOpensFresh()
{
    FormMain* main = openMainWindow();
    frmHelp* help = pressHelp();
    QVERIFY(help);
    clickQuestion(help, 4);
    const QPointer<frmHelp> first(help);

    QTest::mouseClick(findControl<QPushButton>(help, "cmdHome"), Qt::LeftButton);
    settle();

    QVERIFY(!isLoaded(ScreenKind::frmHelp));
    QVERIFY(first.isNull());
    // The main window comes to the front as it was, not loaded again.
    QCOMPARE(loadedScreen<FormMain>(ScreenKind::FormMain), main);
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::FormMain});
    QCOMPARE(programEnds(), 0);

    frmHelp* fresh = pressHelp();
    QVERIFY(fresh);
    QVERIFY(blueQuestions(fresh).isEmpty());
    for (const QuestionLabel* label : questionLabels(fresh))
        QCOMPARE(textColour(label), black);
    QVERIFY(findControl<QLabel>(fresh, "LabelA")->text().isEmpty());
}

void tst_frmHelp::accessKeysWorkFromAnywhere()
{
    FormMain* main = openMainWindow();
    frmHelp* help = pressHelp();
    QVERIFY(help);
    QVERIFY(makeActive(help));
    clickQuestion(help, 1);
    // Alt+H from the Exit button, which holds the focus.
    QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(help, "cmdExit"));
    // An access key presses its button as a click does, a moment later.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(!isLoaded(ScreenKind::frmHelp));
    settle();
    QCOMPARE(loadedScreen<FormMain>(ScreenKind::FormMain), main);
    QCOMPARE(programEnds(), 0);

    // Alt+E from the Home button.
    help = pressHelp();
    QVERIFY(help);
    QVERIFY(makeActive(help));
    findControl<QPushButton>(help, "cmdHome")->setFocus();
    QCOMPARE(QApplication::focusWidget(), findControl<QPushButton>(help, "cmdHome"));
    QTest::keyClick(findControl<QPushButton>(help, "cmdHome"), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(loadedCount(), 0);
    settle();
    QCOMPARE(programEnds(), 1);
}

void tst_frmHelp::questionsByKeyboard()
{
    frmHelp* help = pressHelp();
    QVERIFY(makeActive(help));
    const QImage unfocused = findControl<QuestionLabel>(help, "Label3")->grab().toImage();
    // With the focus a question shows a frame, its words still black; Enter asks it as Space does.
    findControl<QuestionLabel>(help, "Label3")->setFocus(Qt::TabFocusReason);
    QVERIFY(findControl<QuestionLabel>(help, "Label3")->grab().toImage() != unfocused);
    QCOMPARE(textColour(findControl<QuestionLabel>(help, "Label3")), black);
    QTest::keyClick(findControl<QuestionLabel>(help, "Label3"), Qt::Key_Return);
    QCOMPARE(blueQuestions(help), QList<int>{3});
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerTexts.at(2));
}

void tst_frmHelp::spaceAtOnceEndsTheProgram()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    QVERIFY(makeActive(help));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    settle();
    QCOMPARE(loadedCount(), 0);
    QCOMPARE(programEnds(), 1);
}

void tst_frmHelp::exitUnloadsEveryScreen()
{
    FormMain* main = openMainWindow();
    frmHelp* help = pressHelp();
    QVERIFY(help);
    QTest::mouseClick(findControl<QPushButton>(main, "cmdAbout"), Qt::LeftButton);
    QCOMPARE(loadedCount(), 3);

    const QList<ScreenKind> unloaded =
        unloadedBy([help] { QTest::mouseClick(findControl<QPushButton>(help, "cmdExit"), Qt::LeftButton); });

    // From the latest loaded to the earliest.
    QCOMPARE(unloaded, (QList<ScreenKind>{ScreenKind::frmAbout, ScreenKind::frmHelp, ScreenKind::FormMain}));
    QCOMPARE(programEnds(), 1);
}

void tst_frmHelp::frameCloseUnloadsHelpOnly()
{
    FormMain* main = openMainWindow();
    frmHelp* help = pressHelp();
    QVERIFY(help);
    clickQuestion(help, 3);
    const QPointer<frmHelp> closed(help);
    help->close();
    settle();
    QVERIFY(closed.isNull());
    QCOMPARE(loadOrder(), std::vector<ScreenKind>{ScreenKind::FormMain});
    QVERIFY(main->isVisible());
    QCOMPARE(programEnds(), 0);

    frmHelp* fresh = pressHelp();
    QVERIFY(fresh);
    QVERIFY(blueQuestions(fresh).isEmpty());
    QVERIFY(findControl<QLabel>(fresh, "LabelA")->text().isEmpty());
}

void tst_frmHelp::screenReaderCanNameAndAskAQuestion()
{
    frmHelp* help = pressHelp();
    QVERIFY(help);
    const auto labels = questionLabels(help);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QAccessibleInterface* question = QAccessible::queryAccessibleInterface(labels[i]);
        QVERIFY(question);
        QCOMPARE(question->text(QAccessible::Name), questionTexts.at(static_cast<qsizetype>(i)));
        QVERIFY(question->state().focusable);
    }

    QAccessibleInterface* fourth = QAccessible::queryAccessibleInterface(findControl<QuestionLabel>(help, "Label4"));
    QAccessibleActionInterface* actions = fourth->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());

    QCOMPARE(blueQuestions(help), QList<int>{4});
    QCOMPARE(findControl<QLabel>(help, "LabelA")->text(), answerTexts.at(3));
    // Asking by the screen reader moves no focus: Exit keeps it.
    QCOMPARE(help->focusWidget(), findControl<QPushButton>(help, "cmdExit"));
}

QTEST_MAIN(tst_frmHelp)
#include "tst_frmHelp.moc"
