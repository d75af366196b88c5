#include "career/career.h"
#include "competition/competitionday.h"
#include "competition/competitionrace.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"

#include <QTest>

// Joining one of the day's competitions, and what the race for it pays.
class CompetitionEntryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void entry_data();
    void entry();
    void racewon_data();
    void racewon();

private:
    GameFixture* fixture = nullptr;
};

void CompetitionEntryTest::entry_data() {
    QTest::addColumn<QString>("rows"); // country:price, ...
    QTest::addColumn<Country>("where");
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("clicked");
    // The outcome (0 no row, 1 wrong country, 2 not enough money, 3 joined), the row selected,
    // the prize, the money after.
    QTest::addColumn<QString>("result");
    const QString two = "Singapore:700,Malaysia:200";
    const QString china = "Singapore:200,China:600,Japan:300,China:800";
    // clang-format off
    QTest::newRow("in Malaysia, a Singapore row") << two << Country::Malaysia << 250 << 0 << "1 1 0 250";
    QTest::newRow("no row where the player is")   << two << Country::Japan << 250 << 1 << "1 -1 0 250";
    QTest::newRow("China's later row: the first") << china << Country::China << 250 << 3 << "3 1 600 150";
    QTest::newRow("exactly the fee")              << two << Country::Malaysia << 100 << 1 << "3 1 200 0";
    QTest::newRow("a dollar short")               << two << Country::Malaysia << 99 << 1 << "2 1 0 99";
    QTest::newRow("no row clicked")               << two << Country::Malaysia << 250 << -1 << "0 -1 0 250";
    QTest::newRow("past the last row")            << two << Country::Malaysia << 250 << 2 << "0 -1 0 250";
    // clang-format on
}

void CompetitionEntryTest::entry() {
    QFETCH(QString, rows);
    QFETCH(Country, where);
    QFETCH(int, money);
    QFETCH(int, clicked);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, money, 0, 0});
    staged(career).setcountry(where);
    CompetitionDay day(&career);
    QList<Competition> drawn;
    for (const QString& row : rows.split(','))
        drawn << Competition{row.section(':', 0, 0), row.section(':', 1).toInt()};
    day.setrows(drawn);
    const CompetitionEntry entry = day.enter(clicked);
    // The fee shows at once.
    QCOMPARE(career.shown().money, career.money());
    QTEST(QStringLiteral("%1 %2 %3 %4")
              .arg(static_cast<int>(entry.outcome))
              .arg(entry.row)
              .arg(entry.prize)
              .arg(career.money()),
          "result");
}

void CompetitionEntryTest::racewon_data() {
    QTest::addColumn<int>("training");
    QTest::addColumn<bool>("won");
    QTest::addColumn<QString>("after"); // money, training, rank, then the log
    QTest::newRow("won $523") << 0 << true << "773 10 0 ";
    QTest::newRow("lost: nothing") << 0 << false << "250 0 0 ";
    QTest::newRow("the points promote")
        << 20 << true << "773 30 2 You have been promoted to rank 2.\r\n";
}

void CompetitionEntryTest::racewon() {
    QFETCH(int, training);
    QFETCH(bool, won);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, 250, 0, training});
    staged(career).setlog(QString());
    CompetitionRace race(&career);
    QCOMPARE(race.enter(523), std::optional(RaceLevel::Hard));
    if (won)
        race.won();
    race.reset();
    QCOMPARE(race.prize(), 0);
    QCOMPARE(career.shown(), career.state());
    QTEST(QStringLiteral("%1 %2 %3 %4")
              .arg(career.money())
              .arg(career.training())
              .arg(career.rank())
              .arg(career.log()),
          "after");
    // A friendly race has no career, and pays nothing.
    CompetitionRace friendly(nullptr);
    friendly.enter(523);
    friendly.won();
}

QTEST_GUILESS_MAIN(CompetitionEntryTest)
#include "competitionentry_test.moc"
