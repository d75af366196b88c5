#include "career/career.h"
#include "samples/careerstaging.h"
#include "services/doubleornothing.h"
#include "support/fakes.h"

#include <QTest>

#include <limits>

// A session of Double or Nothing, step by step, against the career's money.
class DoubleOrNothingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void session_data();
    void session();

private:
    GameFixture* fixture = nullptr;
};

void DoubleOrNothingTest::session_data() {
    QTest::addColumn<int>("money");
    // "play N", "double", "claim", "restart", or "elsewhere N": money changed by another window.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<int>("moneyafter");
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("sum"); // 0 once the gamble is over
    constexpr int most = std::numeric_limits<std::int32_t>::max();
    const QList<double> none;
    const QList<double> won{0.5};
    // clang-format off
    QTest::newRow("$49, bet 50")            << 49 << "play 50" << none << "not enough money" << 49 << 49.0 << 0.0;
    QTest::newRow("$50, bet 50")            << 50 << "play 50" << none << "staked" << 0 << 0.0 << 50.0;
    QTest::newRow("stake back at once")     << 250 << "play 20,claim" << none << "staked,claimed" << 250 << 250.0 << 0.0;
    QTest::newRow("three wins, then claim") << 100 << "play 10,double,double,double,claim" << won + won + won
                                            << "staked,doubled,doubled,doubled,claimed" << 170 << 170.0 << 0.0;
    QTest::newRow("a loss takes the stake") << 100 << "play 20,double,double" << QList<double>{0.5, 0.0}
                                            << "staked,doubled,lost" << 80 << 80.0 << 0.0;
    QTest::newRow("the cash shown decides") << 100 << "elsewhere -60,play 50" << none << "staked" << -10 << -10.0 << 50.0;
    QTest::newRow("a sum past 32 bits")     << most << "play 50,double" << none << "staked,cannot grow" << most - 50 << double(most - 50) << 50.0;
    QTest::newRow("a claim past 32 bits")   << most << "play 50,elsewhere 50,claim" << none << "staked,cannot hold" << most << double(most - 50) << 50.0;
    // clang-format on
}

void DoubleOrNothingTest::session() {
    QFETCH(int, money);
    QFETCH(QString, steps);
    QFETCH(QList<double>, draws);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, money, 0, 0});
    fixture->random.draws.append(draws);
    DoubleOrNothing gamble(&career);
    gamble.restart();
    QStringList outcomes;
    for (const QString& step : steps.split(',')) {
        const QString amount = step.section(' ', 1);
        if (step.startsWith("play"))
            outcomes << (gamble.play(amount.toDouble()) == StakeOutcome::Staked
                             ? "staked"
                             : "not enough money");
        else if (step == "double")
            outcomes << QStringList{"cannot grow", "lost", "doubled"}.at(
                static_cast<int>(gamble.continuebetting()));
        else if (step == "claim")
            outcomes << (gamble.claim() == ClaimOutcome::Claimed ? "claimed" : "cannot hold");
        else if (step.startsWith("elsewhere"))
            staged(career).changemoneyby(amount.toInt());
    }
    QTEST(outcomes.join(','), "outcomes");
    QTEST(int(career.money()), "moneyafter");
    QCOMPARE(career.shown().money, career.money());
    QTEST(gamble.cash(), "cash");
    QTEST(gamble.sum(), "sum");
    QCOMPARE(gamble.gambling(), gamble.sum() > 0);
}

QTEST_GUILESS_MAIN(DoubleOrNothingTest)
#include "doubleornothing_test.moc"
