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
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("row"); // where the selection goes
    QTest::addColumn<int>("prize");
    QTest::addColumn<int>("moneyafter");
    const QString two = "Singapore:700,Malaysia:200";
    const QString china = "Singapore:200,China:600,Japan:300,China:800";
    // clang-format off
    QTest::newRow("in Malaysia, a Singapore row") << two << Country::Malaysia << 250 << 0 << "wrong country" << 1 << 0 << 250;
    QTest::newRow("no row where the player is")   << two << Country::Japan << 250 << 1 << "wrong country" << -1 << 0 << 250;
    QTest::newRow("China's later row: the first") << china << Country::China << 250 << 3 << "joined" << 1 << 600 << 150;
    QTest::newRow("exactly the fee")              << two << Country::Malaysia << 100 << 1 << "joined" << 1 << 200 << 0;
    QTest::newRow("a dollar short")               << two << Country::Malaysia << 99 << 1 << "not enough money" << 1 << 0 << 99;
    QTest::newRow("no row clicked")               << two << Country::Malaysia << 250 << -1 << "no row" << -1 << 0 << 250;
    QTest::newRow("past the last row")            << two << Country::Malaysia << 250 << 2 << "no row" << -1 << 0 << 250;
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
    const char* names[] = {"no row", "wrong country", "not enough money", "joined"};
    QTEST(QString::fromLatin1(names[static_cast<int>(entry.outcome)]), "outcome");
    QTEST(entry.row, "row");
    QTEST(int(entry.prize), "prize");
    // The fee shows at once.
    QTEST(int(career.shown().money), "moneyafter");
    QTEST(int(career.money()), "moneyafter");
}

void CompetitionEntryTest::racewon_data() {
    QTest::addColumn<int>("prize");
    QTest::addColumn<int>("training");
    QTest::addColumn<bool>("won");
    QTest::addColumn<QString>("after"); // money, training, rank
    QTest::addColumn<QString>("log");
    QTest::newRow("won $523") << 523 << 0 << true << "773,10,0"
                              << "";
    QTest::newRow("lost: nothing") << 523 << 0 << false << "250,0,0"
                                   << "";
    QTest::newRow("the points promote") << 100 << 20 << true << "350,30,2"
                                        << "You have been promoted to rank 2.\r\n";
    QTest::newRow("the money stops at the top") << 2147483647 << 0 << true << "2147483647,10,0"
                                                << "";
}

void CompetitionEntryTest::racewon() {
    QFETCH(int, prize);
    QFETCH(int, training);
    QFETCH(bool, won);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, 250, 0, training});
    staged(career).setlog(QString());
    CompetitionRace race(&career);
    race.enter(prize);
    QCOMPARE(race.prize(), prize);
    if (won)
        race.won();
    race.reset();
    QCOMPARE(race.prize(), 0);
    const CareerState after = career.state();
    QTEST(QStringList({QString::number(after.money), QString::number(after.training),
                       QString::number(after.rank)})
              .join(','),
          "after");
    QCOMPARE(career.shown(), after);
    QTEST(career.log(), "log");

    // A friendly race has no career: nothing to pay.
    CompetitionRace friendly(nullptr);
    friendly.enter(prize);
    friendly.won();
}

QTEST_GUILESS_MAIN(CompetitionEntryTest)
#include "competitionentry_test.moc"
