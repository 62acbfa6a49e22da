// The shape of the Anemia tree and the form of each screen's content, read
// from the same tables the screens are built from: no way back to an earlier
// screen, every screen reachable, every walk ending where a doctor expects,
// and each screen's layout following the rules all question screens share.

#include "app/TableText.h"
#include "screens/anemia/AnemiaScreens.h"

#include "screens/anemia/tools/AnemiaTreeDiagram.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Walk = std::vector<int>; // screen numbers, in the order they are shown

int numberOf(ScreenKind kind)
{
    return *anemiaScreenNumber(kind);
}

const QuestionScreenContent& screen(int number)
{
    return anemiaScreenContent(*anemiaScreen(number));
}

// Every walk from FormAnemia1 that follows OK until a screen stays.
std::vector<Walk> allWalks()
{
    std::vector<Walk> walks;
    std::function<void(Walk)> follow = [&](Walk walk) {
        for (const OptionContent& option : screen(walk.back()).options) {
            if (option.outcome.stays()) {
                walks.push_back(walk);
                continue;
            }
            Walk longer = walk;
            longer.push_back(numberOf(*option.outcome.goTo));
            // A walk that met a screen twice would go round for ever; stop it here.
            if (std::count(longer.begin(), longer.end(), longer.back()) > 1) {
                walks.push_back(longer);
                continue;
            }
            follow(longer);
        }
    };
    follow({1});
    return walks;
}

bool passesInOrder(const Walk& walk, int first, int then)
{
    const auto at = std::find(walk.begin(), walk.end(), first);
    return at != walk.end() && at + 1 != walk.end() && *(at + 1) == then;
}

} // namespace

class tst_AnemiaTreeShape : public QObject {
    Q_OBJECT

private slots:
    void screenFollowsTheSharedRules_data();
    void screenFollowsTheSharedRules();
    void outcomesHaveTheirForm();
    void noScreenLeadsBack();
    void everyScreenIsReachable();
    void everyWalkEndsOnAStay();
    void everyDiagnosisPassesSeverityThenTime();
    void longestAndShortestWalks();
    void diagramShowsEveryScreenOptionAndMessage();
    void diagramTextsBreakOnlyAtSingleBlanks_data();
    void diagramTextsBreakOnlyAtSingleBlanks();
    void diagramQuotesItsTexts();
};

void tst_AnemiaTreeShape::screenFollowsTheSharedRules_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("options");
    QTest::addColumn<double>("sizeFactor");
    QTest::addColumn<bool>("buttonsInARow");
    // Options per screen and size on load, as the screens are drawn.
    const struct {
        int number, options;
        double sizeFactor;
        bool buttonsInARow;
    } rows[] = {
        {1, 2, 0.95, false},  {2, 13, 0.95, true},  {3, 2, 0.75, false},  {4, 2, 0.75, false},
        {5, 5, 0.95, true},   {6, 3, 0.75, false},  {7, 4, 0.75, false},  {8, 2, 0.75, false},
        {9, 3, 0.75, false},  {10, 6, 0.95, true},  {11, 3, 0.75, false}, {12, 2, 0.75, false},
        {13, 2, 0.75, false},
    };
    for (const auto& row : rows)
        QTest::addRow("FormAnemia%d", row.number) << row.number << row.options << row.sizeFactor << row.buttonsInARow;
}

void tst_AnemiaTreeShape::screenFollowsTheSharedRules()
{
    QFETCH(int, number);
    QFETCH(int, options);
    QFETCH(double, sizeFactor);
    QFETCH(bool, buttonsInARow);

    const QuestionScreenContent& content = screen(number);
    QCOMPARE(numberOf(content.kind), number);
    QCOMPARE(static_cast<int>(content.options.size()), options);
    QCOMPARE(content.sizeFactor, sizeFactor);

    // Tab order: OK 0, Exit 1, Label1 2, Option1-3 from 3, Home next, Option4 on from 7.
    QCOMPARE(content.cmdOK.tabIndex, 0);
    QCOMPARE(content.cmdExit.tabIndex, 1);
    QCOMPARE(content.labels.front().name, std::string_view("Label1"));
    QCOMPARE(content.labels.front().tabIndex, 2);
    QCOMPARE(content.cmdHome.tabIndex, options == 2 ? 5 : 6);
    for (int i = 1; i <= options; ++i)
        QCOMPARE(content.options[static_cast<std::size_t>(i - 1)].tabIndex, i <= 3 ? i + 2 : i + 3);
    if (number == 1) {
        QCOMPARE(content.labels.size(), std::size_t(3));
        QCOMPARE(content.labels[0].role, LabelRole::Title);
        QCOMPARE(content.labels[1].name, std::string_view("Label2"));
        QCOMPARE(content.labels[1].tabIndex, 6);
        QCOMPARE(content.labels[2].name, std::string_view("Label3"));
        QCOMPARE(content.labels[2].tabIndex, 7);
        QCOMPARE(content.prompt().name, std::string_view("Label3"));
    } else {
        QCOMPARE(content.labels.size(), std::size_t(1));
        QCOMPARE(content.prompt().name, std::string_view("Label1"));
        QCOMPARE(content.prompt().place.left, 360);
        QCOMPARE(content.prompt().place.top, 360);
    }
    QVERIFY(!content.prompt().text.empty());

    // Buttons: 735 x 375, OK-Home-Exit down a column or along a row.
    for (const ButtonContent* button : {&content.cmdOK, &content.cmdHome, &content.cmdExit}) {
        QCOMPARE(button->place.width, 735);
        QCOMPARE(button->place.height, 375);
    }
    if (buttonsInARow) {
        QCOMPARE(content.cmdHome.place.top, content.cmdOK.place.top);
        QCOMPARE(content.cmdExit.place.top, content.cmdOK.place.top);
        QVERIFY(content.cmdOK.place.left < content.cmdHome.place.left);
        QVERIFY(content.cmdHome.place.left < content.cmdExit.place.left);
    } else {
        QCOMPARE(content.cmdHome.place.left, content.cmdOK.place.left);
        QCOMPARE(content.cmdExit.place.left, content.cmdOK.place.left);
        QVERIFY(content.cmdOK.place.top < content.cmdHome.place.top);
        QVERIFY(content.cmdHome.place.top < content.cmdExit.place.top);
    }

    for (const OptionContent& option : content.options) {
        QVERIFY(!option.caption.empty());
        QVERIFY2(option.place.height == 375 || option.place.height == 735, option.caption.data());
        QVERIFY(option.place.width > 0);
    }
}

void tst_AnemiaTreeShape::outcomesHaveTheirForm()
{
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        for (const OptionContent& option : screen(number).options) {
            const Outcome& outcome = option.outcome;
            // A Stay always answers with a message: OK never does nothing at all.
            if (outcome.stays())
                QVERIFY2(outcome.message.has_value(), option.caption.data());
            if (outcome.message)
                QVERIFY(!outcome.message->empty());
            if (outcome.goTo)
                QVERIFY(anemiaScreenNumber(*outcome.goTo).has_value());
        }
    }
    // Investigation screens 7 to 10 each state a diagnosis and go on to the severity.
    for (int number = 7; number <= 10; ++number) {
        for (const OptionContent& option : screen(number).options) {
            QVERIFY(option.outcome.message.has_value());
            QCOMPARE(option.outcome.goTo, std::optional<ScreenKind>(ScreenKind::FormAnemia11));
        }
    }
}

void tst_AnemiaTreeShape::noScreenLeadsBack()
{
    // Depth-first search over the Go to edges, looking for an edge back onto the path.
    std::map<int, int> state; // 0 unseen, 1 on the path, 2 done
    std::function<bool(int)> cycleFrom = [&](int number) {
        state[number] = 1;
        for (const OptionContent& option : screen(number).options) {
            if (!option.outcome.goTo)
                continue;
            const int next = numberOf(*option.outcome.goTo);
            if (state[next] == 1 || (state[next] == 0 && cycleFrom(next)))
                return true;
        }
        state[number] = 2;
        return false;
    };
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        if (state[number] == 0)
            QVERIFY2(!cycleFrom(number), qPrintable(QStringLiteral("a cycle through FormAnemia%1").arg(number)));
    }
}

void tst_AnemiaTreeShape::everyScreenIsReachable()
{
    std::set<int> reached;
    for (const Walk& walk : allWalks())
        reached.insert(walk.begin(), walk.end());
    for (int number = 1; number <= anemiaScreenCount; ++number)
        QVERIFY2(reached.count(number), qPrintable(QStringLiteral("FormAnemia%1 unreachable").arg(number)));
}

void tst_AnemiaTreeShape::everyWalkEndsOnAStay()
{
    const std::vector<Walk> walks = allWalks();
    // One walk rules anemia out; each of the 41 ways to a diagnosis then meets
    // 3 severities and 3 endings of the time and transfusion steps.
    QCOMPARE(walks.size(), std::size_t(1 + 41 * 3 * 3));
    for (const Walk& walk : walks) {
        const int last = walk.back();
        QVERIFY2(last == 1 || last == 12 || last == 13, qPrintable(QStringLiteral("ends on FormAnemia%1").arg(last)));
        QCOMPARE(std::set<int>(walk.begin(), walk.end()).size(), walk.size());
        const auto stays = std::any_of(screen(last).options.begin(), screen(last).options.end(),
                                       [](const OptionContent& option) { return option.outcome.stays(); });
        QVERIFY(stays);
    }
}

void tst_AnemiaTreeShape::everyDiagnosisPassesSeverityThenTime()
{
    for (const Walk& walk : allWalks()) {
        if (walk.size() == 1)
            continue; // anemia ruled out on the first screen
        QVERIFY(passesInOrder(walk, 11, 12));
        if (walk.back() == 13)
            QVERIFY(passesInOrder(walk, 12, 13));
    }
}

void tst_AnemiaTreeShape::longestAndShortestWalks()
{
    const std::vector<Walk> walks = allWalks();
    std::size_t longest = 0;
    for (const Walk& walk : walks)
        longest = std::max(longest, walk.size());
    QCOMPARE(longest, std::size_t(8));
    std::set<Walk> longestWalks;
    for (const Walk& walk : walks) {
        if (walk.size() == longest)
            longestWalks.insert(walk);
    }
    QCOMPARE(longestWalks, (std::set<Walk>{{1, 2, 4, 6, 7, 11, 12, 13}}));

    std::size_t shortest = longest;
    for (const Walk& walk : walks) {
        if (walk.size() > 1)
            shortest = std::min(shortest, walk.size());
    }
    QCOMPARE(shortest, std::size_t(4));
    QVERIFY(std::find(walks.begin(), walks.end(), Walk{1, 2, 11, 12}) != walks.end());
}

void tst_AnemiaTreeShape::diagramShowsEveryScreenOptionAndMessage()
{
    const QString diagram = QString::fromStdString(AnemiaTreeDiagram::dot());
    QVERIFY(diagram.startsWith(QStringLiteral("digraph AnemiaTree {")));
    QVERIFY(diagram.endsWith(QStringLiteral("}\n")));
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        const QuestionScreenContent& content = screen(number);
        const QString name = QStringLiteral("FormAnemia%1").arg(number);
        QVERIFY2(diagram.contains(QStringLiteral("  %1 [shape=box").arg(name)), qPrintable(name));
        QVERIFY(diagram.contains(tableText(AnemiaTreeDiagram::quoted(
                    AnemiaTreeDiagram::wrapped(content.prompt().text, 42))).mid(1).chopped(1)));
        int optionNumber = 0;
        for (const OptionContent& option : content.options) {
            ++optionNumber;
            const QString edge = QStringLiteral("Option%1: ").arg(optionNumber);
            QVERIFY(diagram.contains(
                edge + tableText(AnemiaTreeDiagram::quoted(AnemiaTreeDiagram::wrapped(option.caption, 42))).mid(1).chopped(1)));
            if (option.outcome.message) {
                QVERIFY(diagram.contains(tableText(AnemiaTreeDiagram::quoted(
                            AnemiaTreeDiagram::wrapped(*option.outcome.message, 42))).mid(1).chopped(1)));
            }
            if (option.outcome.goTo) {
                const QString target = tableText(screenName(*option.outcome.goTo));
                const QString direct = QStringLiteral("  %1 -> %2 [label=\"%3").arg(name, target, edge);
                const QString viaNote = QStringLiteral("  %1_Option%2 -> %3;").arg(name).arg(optionNumber).arg(target);
                QVERIFY(option.outcome.message ? diagram.contains(viaNote) : diagram.contains(direct));
            }
        }
    }
}

void tst_AnemiaTreeShape::diagramTextsBreakOnlyAtSingleBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short stays whole") << "Check serum iron levels." << 42 << "Check serum iron levels.";
    QTest::newRow("breaks at the last blank that fits")
        << "aaa bbb ccc ddd" << 8 << "aaa bbb\nccc ddd";
    QTest::newRow("run of blanks never broken")
        << "Retic count elevated             Free RBC" << 10 << "Retic\ncount\nelevated             Free\nRBC";
    QTest::newRow("word longer than the width") << "abcdefghij klm" << 4 << "abcdefghij\nklm";
}

void tst_AnemiaTreeShape::diagramTextsBreakOnlyAtSingleBlanks()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    const std::string broken = AnemiaTreeDiagram::wrapped(text.toStdString(), static_cast<std::size_t>(width));
    QCOMPARE(QString::fromStdString(broken), expected);
}

void tst_AnemiaTreeShape::diagramQuotesItsTexts()
{
    QCOMPARE(AnemiaTreeDiagram::quoted("say \"no\" \\ here\nthere"), std::string("\"say \\\"no\\\" \\\\ here\\nthere\""));
}

QTEST_GUILESS_MAIN(tst_AnemiaTreeShape)
#include "app/TableText.h"
#include "tst_AnemiaTreeShape.moc"
