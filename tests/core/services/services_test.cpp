#include "career/career_state.h"
#include "common/number.h"
#include "services/gamble.h"
#include "services/rewardbag.h"
#include "services/timemachine.h"
#include "support/fakes.h"

#include <QTest>

#include <limits>

namespace {
constexpr qint32 most = std::numeric_limits<qint32>::max();
constexpr qint32 least = std::numeric_limits<qint32>::min();
constexpr double refused = std::numeric_limits<double>::quiet_NaN();
} // namespace

class ServicesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void generalnumbers_data();
    void generalnumbers();
    void gambleround_data();
    void gambleround();
    void gamblemoney_data();
    void gamblemoney();
    void timemachine_data();
    void timemachine();
    void rewardbag_data();
    void rewardbag();

private:
    GameFixture* fixture = nullptr;
};

void ServicesTest::generalnumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2 days") << 1500.0 << "1500";
    QTest::newRow("no days") << 0.0 << "0";
    QTest::newRow("minus zero") << -0.0 << "0";
    QTest::newRow("a day back") << -750.0 << "-750";
    QTest::newRow("cents") << 0.75 << "0.75";
    QTest::newRow("no separators") << 2147483647.0 << "2147483647";
    QTest::newRow("beyond 15 digits") << 1e15 << "1e+15";
}

void ServicesTest::generalnumbers() {
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(generalnumber(value), shown);
}

void ServicesTest::gambleround_data() {
    QTest::addColumn<double>("outside");
    QTest::addColumn<double>("draw");
    QTest::addColumn<bool>("lost");
    // One in three below $500 outside the stake, one in two from there.
    QTest::newRow("$480, bet 20: lost") << 460.0 << 0.333 << true;
    QTest::newRow("$480, bet 20: won") << 460.0 << 0.334 << false;
    QTest::newRow("$500: one in two") << 500.0 << 0.4 << true;
    QTest::newRow("$600, bet 50: lost") << 550.0 << 0.49 << true;
    QTest::newRow("$600, bet 50: won") << 550.0 << 0.5 << false;
}

void ServicesTest::gambleround() {
    QFETCH(double, outside);
    QFETCH(double, draw);
    QFETCH(bool, lost);
    fixture->clock.seconds = 777;
    fixture->random.draws << draw;
    QCOMPARE(drawgamblelost(outside), lost);
    QCOMPARE(fixture->random.reseeds, QList<double>{777});
}

void ServicesTest::gamblemoney_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<double>("money");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("result");
    QTest::newRow("stake all the cash") << "stake" << 50.0 << 50.0 << 50.0 << 0.0;
    QTest::newRow("stake above the cash") << "stake" << 50.0 << 50.0 << 49.0 << refused;
    QTest::newRow("the shown cash decides") << "stake" << 10.0 << 50.0 << 60.0 << -40.0;
    QTest::newRow("stake below the range") << "stake" << least + 10.0 << 20.0 << 60.0 << refused;
    QTest::newRow("double up to the top") << "double" << most - 100.0 << 50.0 << 0.0 << 100.0;
    QTest::newRow("double past the top") << "double" << most - 99.0 << 50.0 << 0.0 << refused;
    QTest::newRow("debt leaves room") << "double" << -2e9 << 2e9 << 0.0 << 4e9;
    QTest::newRow("claim to the top") << "claim" << most - 80.0 << 80.0 << 0.0 << double(most);
    QTest::newRow("claim past the top") << "claim" << most - 79.0 << 80.0 << 0.0 << refused;
}

void ServicesTest::gamblemoney() {
    QFETCH(QString, step);
    QFETCH(double, money);
    QFETCH(double, amount);
    QFETCH(double, shown);
    QFETCH(double, result);
    const std::optional<double> got = step == "stake"    ? afterstake(money, amount, shown)
                                      : step == "double" ? doubledsum(money, amount)
                                                         : afterclaim(money, amount);
    QCOMPARE(got.has_value(), !std::isnan(result));
    if (got)
        QCOMPARE(*got, result);
}

void ServicesTest::timemachine_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<qint32>("money");
    QTest::addColumn<qint32>("days");
    QTest::addColumn<QString>("price");
    QTest::addColumn<TimeTravelOutcome>("outcome");
    QTest::addColumn<qint32>("moneyafter");
    QTest::addColumn<qint32>("daysafter");
    const auto done = TimeTravelOutcome::Done;
    const auto short_ = TimeTravelOutcome::NotEnoughMoney;
    const auto toofar = TimeTravelOutcome::TooFar;
    QTest::newRow("2 with $1499") << "2" << 1499 << 5 << "1500" << short_ << 1499 << 5;
    QTest::newRow("2 with $1500") << "2" << 1500 << 5 << "1500" << done << 0 << 3;
    QTest::newRow("not a number") << "soon" << 300 << 5 << "0" << done << 300 << 5;
    QTest::newRow("Cancel") << "" << 300 << 5 << "0" << done << 300 << 5;
    QTest::newRow("1.5 from day 10") << "1.5" << 2000 << 10 << "1125" << done << 875 << 8;
    QTest::newRow("leading number") << " 3 days" << 3000 << 10 << "2250" << done << 750 << 7;
    QTest::newRow("a day forward pays") << "-1" << 0 << 5 << "-750" << done << 750 << 6;
    QTest::newRow("cents round") << "0.001" << 10 << 10 << "0.75" << done << 9 << 10;
    QTest::newRow("millions") << "3000000" << most << 5 << "2250000000" << short_ << most << 5;
    QTest::newRow("paid millions") << "-3000000" << 0 << 5 << "-2250000000" << toofar << 0 << 5;
    QTest::newRow("days past the top") << "-1" << 0 << most << "-750" << toofar << 0 << most;
    QTest::newRow("days past the bottom") << "1" << 750 << least << "750" << toofar << 750 << least;
    QTest::newRow("huge but priced")
        << QString(300, '9') << most << 5 << "7.5e+302" << short_ << most << 5;
    QTest::newRow("too large to price") << QString(307, '9') << 9 << 5 << "0" << done << 9 << 5;
    QTest::newRow("hundreds of digits") << QString(400, '9') << 9 << 5 << "0" << done << 9 << 5;
}

void ServicesTest::timemachine() {
    QFETCH(QString, answer);
    QFETCH(qint32, money);
    QFETCH(qint32, days);
    QFETCH(QString, price);
    QFETCH(TimeTravelOutcome, outcome);
    QFETCH(qint32, moneyafter);
    QFETCH(qint32, daysafter);
    const double traveldays = timetraveldays(answer);
    QCOMPARE(timetravelquestion(timetravelprice(traveldays)),
             "That will be $" + price + ". Are you sure?");
    const TimeTravel trip = timetravel(money, days, traveldays);
    QCOMPARE(trip.outcome, outcome);
    QCOMPARE(trip.money, moneyafter);
    QCOMPARE(trip.days, daysafter);
}

void ServicesTest::rewardbag_data() {
    QTest::addColumn<CareerState>("before");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("lot");
    QTest::addColumn<CareerState>("after");
    // Lot r is drawn by (r - 0.5) / 20.
    const auto career = [](qint32 money, qint32 days, qint32 training = 0, qint16 rank = 0) {
        return CareerState{QString(), rank, money, days, training};
    };
    const QList<double> ghost50{0.275}, back2{0.425}, forward1{0.625};
    QTest::newRow("no ghost at $0")
        << career(0, 5) << ghost50 + QList{0.325, 0.175} << 4 << career(40, 5);
    QTest::newRow("$50 ghost at $30") << career(30, 5) << ghost50 << 6 << career(-20, 5);
    QTest::newRow("no throw back at 1 day")
        << career(0, 1) << back2 + QList{0.0} << 1 << career(0, 1);
    QTest::newRow("no throw back at 0 days")
        << career(0, 0) << back2 + QList{0.675} << 14 << career(0, 0, 5);
    QTest::newRow("thrown back at 2 days") << career(0, 2) << back2 << 9 << career(0, 0);
    QTest::newRow("no throw forward with one day left")
        << career(0, 14) << forward1 + QList{0.875} << 18 << career(0, 14, -3);
    QTest::newRow("thrown forward with two days left")
        << career(0, 18, 0, 1) << forward1 << 13 << career(0, 19, 0, 1);
    QTest::newRow("money at its top")
        << career(most, 5) << QList{0.375, 0.125} + ghost50 << 6 << career(most - 50, 5);
    QTest::newRow("training at its bottom")
        << career(0, 5, least) << QList{0.875, 0.975} << 20 << career(0, 5, least);
    QTest::newRow("days at their top")
        << career(0, most) << forward1 + QList{0.0} << 1 << career(0, most);
}

void ServicesTest::rewardbag() {
    QFETCH(CareerState, before);
    QFETCH(QList<double>, draws);
    QFETCH(int, lot);
    QFETCH(CareerState, after);
    fixture->clock.seconds = 99;
    fixture->random.draws.append(draws);
    QCOMPARE(drawrewardbag(before), lot);
    QCOMPARE(fixture->random.reseeds, QList<double>(draws.size(), 99));
    const std::optional<CareerState> opened = openbag(baglot(lot), before);
    QVERIFY(opened);
    QCOMPARE(opened->money, after.money);
    QCOMPARE(opened->days, after.days);
    QCOMPARE(opened->training, after.training);
}

QTEST_GUILESS_MAIN(ServicesTest)
#include "services_test.moc"
