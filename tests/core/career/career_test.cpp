#include "career/career.h"
#include "career/promotion.h"
#include "samples/careerstaging.h"
#include "saves/savedgame.h"
#include "support/fakes.h"

#include <QTest>

#include <functional>

// The career as the game hangs on it: what a change shows, what runs inside it, and how a
// career begins.
class CareerTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void orderofevents_data();
    void orderofevents();
    void promotiontable_data();
    void promotiontable();
    void unsavedchanges_data();
    void unsavedchanges();
    void begin_data();
    void begin();
    void names_data();
    void names();

private:
    GameFixture* fixture = nullptr;
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
    QObject::connect(&career, &Career::logreplaced,
                     [&seen](const QString& text) { seen << ("log is " + text).trimmed(); });
}

// Name, money, rank, days, training.
QString values(const CareerState& s) {
    return QStringList({s.playername, QString::number(s.money), QString::number(s.rank),
                        QString::number(s.days), QString::number(s.training)})
        .join(',');
}

CareerState careerof(const QString& name, std::int32_t money, std::int16_t rank, std::int32_t days,
                     std::int32_t training) {
    return {name, rank, money, days, training};
}

} // namespace

void CareerTest::orderofevents_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("raised");
    QTest::addColumn<QString>("after"); // name, money, rank, days, training of the career
    const QStringList first{"money 0", "rank 0", "days 0", "day began", "training 0"};
    QTest::newRow("first refresh shows every number")
        << Steps([](Career& c) { staged(c).updatestatus(); }) << first << ",0,0,0,0";
    QTest::newRow("the same values again raise nothing") << Steps([](Career& c) {
        staged(c).updatestatus();
        staged(c).updatestatus();
    }) << first << ",0,0,0,0";
    QTest::newRow("a day change opens the day inside it, before training shows")
        << Steps([](Career& c) { staged(c).setstate(careerof("Ace", 0, 0, 3, 9)); })
        << QStringList{"name Ace", "money 0", "rank 0", "days 3", "day began", "training 9"}
        << "Ace,0,0,3,9";
    QTest::newRow("training from 20 to 60 is one promotion to rank 3")
        << Steps([](Career& c) {
               staged(c).setstate(careerof({}, 0, 0, 0, 20));
               staged(c).changetrainingby(40);
           })
        << first.mid(0, 4) +
               QStringList{"training 20", "log You have been promoted to rank 1.", "rank 1",
                           "training 60", "log You have been promoted to rank 3.", "rank 3"}
        << ",0,3,0,60";
    QTest::newRow("exactly the threshold does not promote")
        << Steps([](Career& c) { staged(c).changetrainingby(15); }) << QStringList{"training 15"}
        << ",0,0,0,15";
    QTest::newRow("reset keeps the training shown until the next refresh")
        << Steps([](Career& c) {
               staged(c).setstate(careerof({}, 0, 0, 0, 42));
               staged(c).resetvalues();
           })
        << first.mid(0, 4) + QStringList{"training 42", "log You have been promoted to rank 2.",
                                         "rank 2", "rank 0", "log is"}
        << ",0,0,0,0";
    QTest::newRow("a window's change after a reset takes the training shown back")
        << Steps([](Career& c) {
               staged(c).setstate(careerof({}, 0, 0, 0, 42));
               staged(c).resetvalues();
               staged(c).changemoney(70);
           })
        << first.mid(0, 4) + QStringList{"training 42", "log You have been promoted to rank 2.",
                                         "rank 2",      "rank 0",
                                         "log is",      "money 70"}
        << ",70,0,0,42";
    QTest::newRow("the next refresh shows the reset training") << Steps([](Career& c) {
        staged(c).setstate(careerof({}, 0, 0, 0, 42));
        staged(c).resetvalues();
        staged(c).updatestatus();
    }) << first.mid(0, 4) + QStringList{"training 42", "log You have been promoted to rank 2.",
                                        "rank 2",      "rank 0",
                                        "log is",      "training 0"}
                                                               << ",0,0,0,0";
    QTest::newRow("sums stop at the edge of 32 bits") << Steps([](Career& c) {
        staged(c).changemoney(2147483646);
        staged(c).changemoneyby(5);
        staged(c).changetrainingby(-5);
    }) << QStringList{"money 2147483646", "money 2147483647", "training -5"}
                                                      << ",2147483647,0,0,-5";
}

void CareerTest::orderofevents() {
    QFETCH(Steps, steps);
    QFETCH(QStringList, raised);
    Career career;
    QStringList seen;
    watch(career, seen);
    steps(career);
    QCOMPARE(seen, raised);
    QTEST(values(career.state()), "after");
}

void CareerTest::promotiontable_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("training");
    QTest::addColumn<int>("promoted");
    QTest::newRow("15 stays") << 0 << 15 << 0;
    QTest::newRow("16 promotes") << 0 << 16 << 1;
    QTest::newRow("26") << 1 << 26 << 2;
    QTest::newRow("20 to 60") << 1 << 60 << 3;
    QTest::newRow("250 stays at 7") << 7 << 250 << 7;
    QTest::newRow("251") << 7 << 251 << 8;
    QTest::newRow("all at once") << 0 << 1000 << 8;
    QTest::newRow("rank 100 kept") << 100 << 300 << 100;
    QTest::newRow("negative training") << 2 << -40 << 2;
}

void CareerTest::promotiontable() {
    QFETCH(int, rank);
    QFETCH(int, training);
    QFETCH(int, promoted);
    QCOMPARE(int(promotedrank(static_cast<qint16>(rank), training)), promoted);
}

// What a New game or a load would throw away: any change to the career or its log since it was
// marked, and nothing else.
void CareerTest::unsavedchanges_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("unsaved");
    // clang-format off
    QTest::newRow("nothing")              << Steps([](Career&) {}) << false;
    QTest::newRow("an entry")             << Steps([](Career& c) { staged(c).updatelog("Won $5"); }) << true;
    QTest::newRow("text added")           << Steps([](Career& c) { staged(c).appendlog("!"); }) << true;
    QTest::newRow("nothing added")        << Steps([](Career& c) { staged(c).appendlog({}); }) << false;
    QTest::newRow("the same log again")   << Steps([](Career& c) { staged(c).setlog(c.log()); }) << false;
    QTest::newRow("another log")          << Steps([](Career& c) { staged(c).setlog("Day 1\r\n"); }) << true;
    QTest::newRow("money")                << Steps([](Career& c) { staged(c).changemoneyby(1); }) << true;
    QTest::newRow("the same money again") << Steps([](Career& c) { staged(c).changemoneyby(0); }) << false;
    // clang-format on
}

void CareerTest::unsavedchanges() {
    QFETCH(Steps, steps);
    Career career;
    staged(career).updatelog(QStringLiteral("Begun"));
    career.markcareer(QStringLiteral("ace.kvr"));
    QVERIFY(!career.unsaved());
    steps(career);
    QTEST(career.unsaved(), "unsaved");
}

// A New game and a load: the career they leave, its log, where the player is, and its day
// opened once.
void CareerTest::begin_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("daysbegun");
    const QString objectives = " Objectives: To raise to Typist Rank 8 so that\r\n"
                               "you will be hired by QuendleSoft as a typist or\r\n"
                               "get $25000 cash to bribe QuendleSoft to give you\r\n"
                               "the job!\r\n"
                               "\r\n"
                               "Each rank promotion gives you extra days of game!\r\n";
    const auto load = [](const QString& training, std::int32_t days, std::int16_t rank) {
        return Steps([=](Career& c) {
            c.load({QStringLiteral("Bo"), 900, rank, days, QStringLiteral("Day 7\r\n"), training});
            c.backtosingapore(QStringLiteral("bo.kvr"));
        });
    };
    const QString loadedlog = "Day 7\r\nYou travelled back to Singapore!\r\n";
    QTest::newRow("new career") << Steps([](Career& c) {
        c.newcareer(QStringLiteral("Ace"));
        c.begincareer({});
    }) << "Ace,250,0,0,0" << objectives
                                << 1;
    QTest::newRow("new career over another, on its day number") << Steps([](Career& c) {
        staged(c).setstate(careerof(QStringLiteral("Old"), 9000, 3, 0, 60));
        c.newcareer(QStringLiteral("Ace"));
        c.begincareer({});
    }) << "Ace,250,0,0,0" << objectives << 1;
    QTest::newRow("load costs a day") << load("30", 7, 2) << "Bo,900,2,8,30" << loadedlog << 1;
    QTest::newRow("load promotes, its log is the game's")
        << load("60", 7, 0) << "Bo,900,3,8,60" << loadedlog << 1;
    QTest::newRow("load reads the training's number")
        << load(" 12 points", 7, 0) << "Bo,900,0,8,12" << loadedlog << 1;
    QTest::newRow("load on the last day there is")
        << load("0", 2147483647, 0) << "Bo,900,0,2147483647,0" << loadedlog << 1;
}

void CareerTest::begin() {
    QFETCH(Steps, steps);
    Career career;
    staged(career).updatestatus();
    staged(career).setcountry(Country::Japan);
    career.use(Activity::RewardBag);
    int daysbegun = 0;
    connect(&career, &Career::daybegan, [&daysbegun] { ++daysbegun; });
    steps(career);
    QTEST(values(career.state()), "after");
    QCOMPARE(values(career.shown()), values(career.state()));
    QTEST(career.log(), "log");
    QTEST(daysbegun, "daysbegun");
    QVERIFY(career.available(Activity::RewardBag));
    QVERIFY(!career.unsaved());
    // A New game leaves the player where the last career was; a load brings them back.
    QCOMPARE(career.country(), career.file().isEmpty() ? Country::Japan : Country::Singapore);
}

void CareerTest::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<NameCheck>("check");
    QTest::newRow("empty: asked again") << "" << NameCheck::Empty;
    QTest::newRow("blanks") << "  " << NameCheck::Fine;
    QTest::newRow("Western European letters") << "Zoë Müller, Œuvre €uro" << NameCheck::Fine;
    QTest::newRow("letters no file keeps") << "李小龍 Bob" << NameCheck::Unkeepable;
    QTest::newRow("one such letter") << "Łukasz" << NameCheck::Unkeepable;
}

void CareerTest::names() {
    QFETCH(QString, name);
    QTEST(checkplayername(name), "check");
}

QTEST_GUILESS_MAIN(CareerTest)
#include "career_test.moc"
