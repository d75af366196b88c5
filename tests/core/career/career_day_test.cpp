#include "career/career.h"
#include "career/dayevents.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"

#include <QTest>

#include <limits>

// A day of the career: Next Day with each of its events, and the flights that cost a day.
class CareerDayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nextday_data();
    void nextday();
    void flights_data();
    void flights();

private:
    GameFixture* fixture = nullptr;
    Career* career = nullptr;
};

namespace {

// The draw that lands on event r when multiplied by 14.
double drawfor(int event) {
    return (event - 1 + 0.5) / 14.0;
}

constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();

} // namespace

void CareerDayTest::init() {
    fixture = new GameFixture;
    career = new Career;
    career->newcareer(QStringLiteral("Ace"));
    career->begincareer({});
    staged(career).setlog({});
}

void CareerDayTest::cleanup() {
    delete career;
    delete fixture;
}

void CareerDayTest::nextday_data() {
    QTest::addColumn<CareerState>("before");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QStringList>("entries"); // after the gap of three line breaks
    QTest::addColumn<int>("moneyafter");
    const auto at = [](std::int32_t money, std::int32_t days = 0, std::int16_t rank = 0) {
        return CareerState{QStringLiteral("Ace"), rank, money, days, 0};
    };
    const QList<double> quiet{drawfor(1)};
    QTest::newRow("1") << at(250) << quiet << QStringList{"Another day past..."} << 250;
    QTest::newRow("2") << at(250) << QList{drawfor(2)}
                       << QStringList{"A peaceful and boring day..."} << 250;
    QTest::newRow("3 theft") << at(250) << QList{drawfor(3), 0.5}
                             << QStringList{"Someone bumped into you on the street!",
                                            "You discovered that $13 is stolen!"}
                             << 237;
    QTest::newRow("3 theft at zero") << at(0) << QList{drawfor(3), 0.9}
                                     << QStringList{"Someone bumped into you on the street!",
                                                    "You discovered that $1 is stolen!"}
                                     << -1;
    const char* countries[] = {"Singapore", "Malaysia", "China", "America", "Japan"};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("%d rumour", 4 + i)
            << at(250) << QList{drawfor(4 + i)}
            << QStringList{QStringLiteral(
                               "You heard a rumour there will be a competition held in %1...")
                               .arg(countries[i])}
            << 250;
    QTest::newRow("9") << at(250) << QList{drawfor(9)}
                       << QStringList{"A nice but wonderful boring day..."} << 250;
    QTest::newRow("10 pizza")
        << at(1000) << QList{drawfor(10), 0.999}
        << QStringList{"You found a pizza on the ground and stupidly ate it.",
                       "Therefore, you suffered from food poisoning and pays the", "doctor $100!"}
        << 900;
    QTest::newRow("11 pebbles")
        << at(250) << QList{drawfor(11), 0.0}
        << QStringList{"While walking along the street kicking pebbles, you found",
                       "$1 under one of it!"}
        << 251;
    QTest::newRow("12") << at(250) << QList{drawfor(12)} << QStringList{"A boring an lame day..."}
                        << 250;
    QTest::newRow("13 bus") << at(250) << QList{drawfor(13), 0.2}
                            << QStringList{"You found $6 while siting on a bus."} << 256;
    QTest::newRow("13 bus, in debt") << at(-50) << QList{drawfor(13), 0.5}
                                     << QStringList{"You found $-2 while siting on a bus."} << -52;
    QTest::newRow("13 bus, $0 found") << at(-5) << QList{drawfor(13), 0.5}
                                      << QStringList{"You found $0 while siting on a bus."} << -5;
    QTest::newRow("14 shirt")
        << at(250) << QList{drawfor(14), 0.5}
        << QStringList{"A man on the bus burnt your $13 T-shirt with his cigratte.",
                       "You have no choice but to buy a new one..."}
        << 237;
    QTest::newRow("no pizza nor shirt at $0: drawn again")
        << at(0) << QList{drawfor(10), drawfor(14), drawfor(10), drawfor(11), 0.7}
        << QStringList{"While walking along the street kicking pebbles, you found",
                       "$1 under one of it!"}
        << 1;
    QTest::newRow("money found at its top stays there")
        << at(most) << QList{drawfor(13), 0.99}
        << QStringList{"You found $212600882 while siting on a bus."} << most;
    const QStringList warned{"A peaceful and boring day...", "Your game will end tommorrow."};
    QTest::newRow("rank 0, to day 14: warned") << at(250, 13) << QList{drawfor(2)} << warned << 250;
    QTest::newRow("rank 0, to day 15")
        << at(250, 14) << QList{drawfor(2)} << warned.mid(0, 1) << 250;
    QTest::newRow("rank 0, to day 13")
        << at(250, 12) << QList{drawfor(2)} << warned.mid(0, 1) << 250;
    QTest::newRow("promoted to 1, to day 14")
        << at(250, 13, 1) << QList{drawfor(2)} << warned.mid(0, 1) << 250;
    QTest::newRow("promoted to 1, to day 19: warned")
        << at(250, 18, 1) << QList{drawfor(2)} << warned << 250;
    QTest::newRow("time up: nothing drawn, nothing changed")
        << at(400, 15) << QList<double>{} << QStringList{} << 400;
}

void CareerDayTest::nextday() {
    QFETCH(CareerState, before);
    QFETCH(QList<double>, draws);
    QFETCH(QStringList, entries);
    QFETCH(int, moneyafter);
    staged(career).setstate(before);
    career->use(Activity::RewardBag);
    fixture->random.drawn = 0;
    fixture->random.reseeds.clear();
    fixture->clock.seconds = 100;
    fixture->random.draws.append(draws);
    const bool timeup = entries.isEmpty();
    int ranout = 0;
    connect(career, &Career::daysranout, [&ranout] { ++ranout; });
    QCOMPARE(career->nextday(), timeup ? DayOutcome::TimeUp : DayOutcome::Passed);
    QCOMPARE(ranout, timeup ? 1 : 0);
    QCOMPARE(career->log(), timeup ? QString() : "\r\n\r\n\r\n" + entries.join("\r\n") + "\r\n");
    QCOMPARE(career->money(), moneyafter);
    QCOMPARE(career->days(), timeup ? before.days : before.days + 1);
    // Shown, and the day's activities open, as the day count changed.
    QCOMPARE(career->shown().days, career->days());
    QCOMPARE(career->shown().money, moneyafter);
    QCOMPARE(career->available(Activity::RewardBag), !timeup);
    // Every draw of the event's number reseeds from the clock, which here stands still; its
    // amount is the next draw.
    const qsizetype eventdraws = draws.size() - (draws.size() > 1 ? 1 : 0);
    QCOMPARE(fixture->random.reseeds, QList<double>(eventdraws, 100));
    QCOMPARE(fixture->random.drawn, draws.size());
}

void CareerDayTest::flights_data() {
    QTest::addColumn<Country>("to");
    QTest::addColumn<CareerState>("before");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<FlightCheck>("check");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("moneyafter");
    QTest::addColumn<Country>("at");
    const auto at = [](std::int32_t money, std::int32_t days = 0) {
        return CareerState{QStringLiteral("Ace"), 0, money, days, 0};
    };
    const QString quietday = "\r\n\r\n\r\nAnother day past...\r\n";
    const QList<double> quiet{drawfor(1)};
    // Exactly the fare is enough.
    QTest::newRow("malaysia") << Country::Malaysia << at(200) << quiet << FlightCheck::MayFly
                              << quietday + "You arrived in malaysia!\r\n"
                              << 0 << Country::Malaysia;
    QTest::newRow("china") << Country::China << at(560) << quiet << FlightCheck::MayFly
                           << quietday + "You arrived in china!\r\n"
                           << 0 << Country::China;
    QTest::newRow("japan") << Country::Japan << at(700) << quiet << FlightCheck::MayFly
                           << quietday + "You arrived in japan!\r\n"
                           << 0 << Country::Japan;
    QTest::newRow("america") << Country::America << at(900) << quiet << FlightCheck::MayFly
                             << quietday + "You arrived in america!\r\n"
                             << 100 << Country::America;
    QTest::newRow("the theft takes from what the fare left")
        << Country::Malaysia << at(700) << QList{drawfor(3), 0.99} << FlightCheck::MayFly
        << "\r\n\r\n\r\nSomeone bumped into you on the street!\r\nYou discovered that $50 is "
           "stolen!\r\nYou arrived in malaysia!\r\n"
        << 450 << Country::Malaysia;
    QTest::newRow("already there") << Country::Singapore << at(9000) << QList<double>{}
                                   << FlightCheck::AlreadyThere << "" << 9000 << Country::Singapore;
    QTest::newRow("a dollar short")
        << Country::Malaysia << at(199) << QList<double>{} << FlightCheck::NotEnoughMoney << ""
        << 199 << Country::Singapore;
    QTest::newRow("on the last day: the fare is gone, time is up")
        << Country::China << at(1000, 15) << QList<double>{} << FlightCheck::MayFly << "" << 440
        << Country::None;
}

void CareerDayTest::flights() {
    QFETCH(Country, to);
    QFETCH(CareerState, before);
    QFETCH(QList<double>, draws);
    QFETCH(FlightCheck, check);
    QFETCH(int, moneyafter);
    staged(career).setstate(before);
    fixture->random.draws.append(draws);
    QCOMPARE(career->mayfly(to), check);
    if (check == FlightCheck::MayFly) {
        int ranout = 0;
        connect(career, &Career::daysranout, [&ranout] { ++ranout; });
        const DayOutcome outcome = career->fly(to);
        QCOMPARE(outcome, before.days >= 15 ? DayOutcome::TimeUp : DayOutcome::Passed);
        QCOMPARE(ranout, outcome == DayOutcome::TimeUp ? 1 : 0);
        QCOMPARE(career->days(), before.days + (outcome == DayOutcome::Passed));
        if (outcome == DayOutcome::Passed)
            QCOMPARE(career->shown().money, moneyafter);
    }
    QTEST(career->log(), "log");
    QCOMPARE(career->money(), moneyafter);
    QTEST(career->country(), "at");
}

QTEST_GUILESS_MAIN(CareerDayTest)
#include "career_day_test.moc"
