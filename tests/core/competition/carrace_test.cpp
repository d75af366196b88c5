#include "competition/carrace.h"

#include <QTest>

Q_DECLARE_METATYPE(RaceLevel)
Q_DECLARE_METATYPE(std::optional<RaceLevel>)

class CarRaceTest : public QObject {
    Q_OBJECT
private slots:
    void levelbyprize_data();
    void levelbyprize();
    void finishpercar_data();
    void finishpercar();
};

void CarRaceTest::levelbyprize_data() {
    QTest::addColumn<int>("prize");
    QTest::addColumn<std::optional<RaceLevel>>("level");
    QTest::newRow("250") << 250 << std::optional(RaceLevel::Easy);
    QTest::newRow("251") << 251 << std::optional(RaceLevel::Average);
    QTest::newRow("750") << 750 << std::optional(RaceLevel::Hard);
    QTest::newRow("751") << 751 << std::optional(RaceLevel::Expert);
    QTest::newRow("1001 keeps the choice") << 1001 << std::optional<RaceLevel>();
}

void CarRaceTest::levelbyprize() {
    QFETCH(int, prize);
    QFETCH(std::optional<RaceLevel>, level);
    QCOMPARE(levelforprize(prize), level);
}

void CarRaceTest::finishpercar_data() {
    QTest::addColumn<RaceLevel>("level");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("entries");
    QTest::newRow("Easy") << RaceLevel::Easy << 1718 << 35;
    QTest::newRow("Average") << RaceLevel::Average << 1227 << 35;
    QTest::newRow("Hard") << RaceLevel::Hard << 859 << 49;
    QTest::newRow("Expert") << RaceLevel::Expert << 716 << 49;
}

void CarRaceTest::finishpercar() {
    QFETCH(RaceLevel, level);
    QFETCH(int, ticks);
    QFETCH(int, entries);

    CarRace alone;
    int ticked = 1;
    while (alone.tick(level) == RaceOutcome::Running)
        ++ticked;
    QCOMPARE(ticked, ticks);

    CarRace typed;
    int typedentries = 0;
    while (!pastfinish(typed.playerleft, track::playerwidth)) {
        typed.entrymatched(level);
        ++typedentries;
    }
    QCOMPARE(typedentries, entries);
    // Noticed at the next tick, not at the step itself.
    QCOMPARE(typed.tick(level), RaceOutcome::PlayerWon);
}

QTEST_APPLESS_MAIN(CarRaceTest)
#include "carrace_test.moc"
