#include "career/career.h"
#include "support/fakes.h"

#include <QTest>

#include <functional>

// The order of events the game hangs on: what a change shows, and what runs inside it.
class CareerTest : public QObject {
    Q_OBJECT
private slots:
    void orderofevents_data();
    void orderofevents();
    void unsavedchanges_data();
    void unsavedchanges();
};

namespace {

using Steps = std::function<void(Career&)>;

// Writes every signal the career raises, in order, as short words.
void watch(Career& career, QStringList& seen) {
    QObject::connect(&career, &Career::playernamechanged,
                     [&seen](const QString& n) { seen << "name " + n; });
    QObject::connect(&career, &Career::moneychanged,
                     [&seen](std::int32_t m) { seen << "money " + QString::number(m); });
    QObject::connect(&career, &Career::rankchanged,
                     [&seen](std::int16_t r) { seen << "rank " + QString::number(r); });
    QObject::connect(&career, &Career::dayschanged,
                     [&seen](std::int32_t d) { seen << "days " + QString::number(d); });
    QObject::connect(&career, &Career::trainingchanged,
                     [&seen](std::int32_t t) { seen << "training " + QString::number(t); });
    QObject::connect(&career, &Career::daybegan, [&seen] { seen << "day began"; });
    QObject::connect(&career, &Career::logappended,
                     [&seen](const QString& text, bool) { seen << "log " + text.trimmed(); });
}

} // namespace

void CareerTest::orderofevents_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("raised");
    QTest::addColumn<QString>("after"); // name, money, rank, days, training of the career
    QTest::newRow("first refresh shows every number")
        << Steps([](Career& c) { c.updatestatus(); })
        << QStringList{"money 0", "rank 0", "days 0", "day began", "training 0"} << ",0,0,0,0";
    QTest::newRow("the same values again raise nothing") << Steps([](Career& c) {
        c.updatestatus();
        c.updatestatus();
    }) << QStringList{"money 0", "rank 0", "days 0", "day began", "training 0"}
                                                         << ",0,0,0,0";
    QTest::newRow("a day change opens the day inside it, before training shows")
        << Steps([](Career& c) {
               c.setplayername("Ace");
               c.setdays(3);
               c.settraining(9);
               c.updatestatus();
           })
        << QStringList{"name Ace", "money 0", "rank 0", "days 3", "day began", "training 9"}
        << "Ace,0,0,3,9";
    QTest::newRow("training from 20 to 60 is one promotion to rank 3") << Steps([](Career& c) {
        c.settraining(20);
        c.updatestatus();
        c.changetraining(60);
    }) << QStringList{"money 0",   "rank 0",      "days 0",
                      "day began", "training 20", "log You have been promoted to rank 1.",
                      "rank 1",    "training 60", "log You have been promoted to rank 3.",
                      "rank 3"} << ",0,3,0,60";
    QTest::newRow("exactly the threshold does not promote")
        << Steps([](Career& c) { c.changetraining(15); }) << QStringList{"training 15"}
        << ",0,0,0,15";
    QTest::newRow("a window's change takes every shown value over") << Steps([](Career& c) {
        c.setmoney(500); // not shown yet
        c.changemoney(70);
    }) << QStringList{"money 70"} << ",70,0,0,0";
    QTest::newRow("reset keeps the training shown until the next refresh") << Steps([](Career& c) {
        c.settraining(42);
        c.updatestatus();
        c.resetvalues();
    }) << QStringList{"money 0",   "rank 0",      "days 0",
                      "day began", "training 42", "log You have been promoted to rank 2.",
                      "rank 2",    "rank 0"} << ",0,0,0,0";
    QTest::newRow("sums stop at the edge of 32 bits") << Steps([](Career& c) {
        c.changemoney(2147483646);
        c.changemoneyby(5);
        c.changetrainingby(-5);
    }) << QStringList{"money 2147483646", "money 2147483647", "training -5"}
                                                      << ",2147483647,0,0,-5";
}

void CareerTest::orderofevents() {
    QFETCH(Steps, steps);
    QFETCH(QStringList, raised);
    QFETCH(QString, after);
    GameFixture fixture;
    Career career;
    QStringList seen;
    watch(career, seen);
    steps(career);
    QCOMPARE(seen, raised);
    const CareerState& s = career.state();
    QCOMPARE(QStringList({s.playername, QString::number(s.money), QString::number(s.rank),
                          QString::number(s.days), QString::number(s.training)})
                 .join(','),
             after);
}

// What a New game or a load would throw away: any change to the career or its log since it was
// marked, and nothing else.
void CareerTest::unsavedchanges_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("unsaved");
    // clang-format off
    QTest::newRow("nothing")              << Steps([](Career&) {}) << false;
    QTest::newRow("an entry")             << Steps([](Career& c) { c.updatelog("Won $5"); }) << true;
    QTest::newRow("text added")           << Steps([](Career& c) { c.appendlog("!"); }) << true;
    QTest::newRow("nothing added")        << Steps([](Career& c) { c.appendlog({}); }) << false;
    QTest::newRow("the same log again")   << Steps([](Career& c) { c.setlog(c.log()); }) << false;
    QTest::newRow("another log")          << Steps([](Career& c) { c.setlog("Day 1\r\n"); }) << true;
    QTest::newRow("money")                << Steps([](Career& c) { c.setmoney(c.state().money + 1); }) << true;
    // clang-format on
}

void CareerTest::unsavedchanges() {
    QFETCH(Steps, steps);
    Career career;
    career.updatelog(QStringLiteral("Begun"));
    career.markcareer(QStringLiteral("ace.kvr"));
    QVERIFY(!career.unsaved());
    steps(career);
    QTEST(career.unsaved(), "unsaved");
}

QTEST_GUILESS_MAIN(CareerTest)
#include "career_test.moc"
