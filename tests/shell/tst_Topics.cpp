#include "app/TableText.h"
#include "screens/main/Topics.h"

#include <QSet>
#include <QTest>

#include <algorithm>

class tst_Topics : public QObject {
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void listIsFixedNotSorted();
    void onlyAnemiaHasAWalk();
};

static QString topicName(int index)
{
    return tableText(topics.at(static_cast<std::size_t>(index)).name);
}

void tst_Topics::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    // Typed from the topic list as doctors know it, first, last and the entries easy to get wrong.
    QTest::newRow("0") << 0 << "Adult respiratory distress syndrome";
    QTest::newRow("1") << 1 << "Anemia";
    QTest::newRow("2") << 2 << "Antepartum hemorrhage";
    QTest::newRow("9") << 9 << "Cardiac disease, noncyanotic";
    QTest::newRow("10") << 10 << "Cardiac disease, cyanotic";
    QTest::newRow("29") << 29 << "Goitre";
    QTest::newRow("39") << 39 << "LMP unknown";
    QTest::newRow("46") << 46 << "Out of wedlock pregnancy";
    QTest::newRow("48") << 48 << "Pelvic/abdominopelvic lump";
    QTest::newRow("49") << 49 << "Prenatal diagnosis";
    QTest::newRow("50") << 50 << "Postdatism";
    QTest::newRow("61") << 61 << "Rh-isoimmunization";
    QTest::newRow("72") << 72 << "Vomiting";
}

void tst_Topics::entries()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(topicName(index), name);
}

void tst_Topics::listIsFixedNotSorted()
{
    QCOMPARE(int(topics.size()), 73);
    QSet<QString> names;
    for (int i = 0; i < topicCount; ++i)
        names.insert(topicName(i));
    QCOMPARE(names.size(), 73);

    // Exactly two pairs stand out of alphabetical order; a sorted list would swap both.
    QList<int> outOfOrder;
    for (int i = 0; i + 1 < topicCount; ++i) {
        if (QString::compare(topicName(i), topicName(i + 1), Qt::CaseInsensitive) > 0)
            outOfOrder.append(i);
    }
    QCOMPARE(outOfOrder, (QList<int>{9, 49}));
}

void tst_Topics::onlyAnemiaHasAWalk()
{
    const auto withWalk = std::count_if(topics.begin(), topics.end(),
                                        [](const Topic& topic) { return topic.firstScreen.has_value(); });
    QCOMPARE(withWalk, 1);
    QVERIFY(topics[1].firstScreen == ScreenKind::FormAnemia1);
}

QTEST_APPLESS_MAIN(tst_Topics)
#include "tst_Topics.moc"
