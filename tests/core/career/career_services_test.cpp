#include "battledisk/battledisk.h"
#include "career/career.h"
#include "samples/careerstaging.h"
#include "services/rewardbag.h"
#include "services/timemachine.h"
#include "support/fakes.h"

#include <QDir>
#include <QTest>

#include <functional>

// What the services and a battle disk do to a career: each outcome changes what it says, shows
// it, and a new day count opens the day's activities.
class CareerServicesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void services_data();
    void services();
    void disks_data();
    void disks();

private:
    GameFixture* fixture = nullptr;
};

namespace {

using Service = std::function<QString(Career&)>;

// Name, money, rank, days, training.
QString values(const CareerState& s) {
    return QStringList({s.playername, QString::number(s.money), QString::number(s.rank),
                        QString::number(s.days), QString::number(s.training)})
        .join(',');
}

const char* tripname(TimeTravelOutcome outcome) {
    switch (outcome) {
    case TimeTravelOutcome::Done:
        return "done";
    case TimeTravelOutcome::NotEnoughMoney:
        return "not enough money";
    case TimeTravelOutcome::TooFar:
        return "too far";
    }
    return "";
}

const char* diskname(DiskOutcome outcome) {
    switch (outcome) {
    case DiskOutcome::Done:
        return "done";
    case DiskOutcome::NoDisk:
        return "no disk";
    case DiskOutcome::WrongDisk:
        return "wrong disk";
    }
    return "";
}

Service trip(double days) {
    return [days](Career& c) { return QString::fromLatin1(tripname(c.timetravel(days))); };
}

Service bag(int lot) {
    return [lot](Career& c) {
        c.openbag(baglot(lot));
        return QStringLiteral("done");
    };
}

Service cheat(const QString& code) {
    return [code](Career& c) {
        return c.cheat(code) ? QStringLiteral("done") : QStringLiteral("no such cheat");
    };
}

} // namespace

void CareerServicesTest::services_data() {
    QTest::addColumn<CareerState>("before");
    QTest::addColumn<Service>("service");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("newday");
    QTest::addColumn<QString>("log");
    const auto at = [](std::int32_t money, std::int32_t days, std::int32_t training = 0) {
        return CareerState{QStringLiteral("Ace"), 0, money, days, training};
    };
    // clang-format off
    QTest::newRow("two days back")        << at(1500, 5) << trip(2) << "done" << "Ace,0,0,3,0" << true << "";
    QTest::newRow("a dollar short")       << at(1499, 5) << trip(2) << "not enough money" << "Ace,1499,0,5,0" << false << "";
    QTest::newRow("past the first day")   << at(750, std::numeric_limits<std::int32_t>::min()) << trip(1) << "too far"
                                          << "Ace,750,0,-2147483648,0" << false << "";
    QTest::newRow("bag: nothing")         << at(250, 5) << bag(1) << "done" << "Ace,250,0,5,0" << false << "";
    QTest::newRow("bag: $100")            << at(250, 5) << bag(8) << "done" << "Ace,350,0,5,0" << false << "";
    QTest::newRow("bag: thrown back")     << at(250, 5) << bag(9) << "done" << "Ace,250,0,3,0" << true << "";
    QTest::newRow("bag: wiser, promoted") << at(250, 5, 12) << bag(14) << "done" << "Ace,250,1,5,17" << false
                                          << "You have been promoted to rank 1.\r\n";
    QTest::newRow("cheat: wallet")        << at(250, 5) << cheat("Fill up my wallet.") << "done" << "Ace,750,0,5,0" << false << "";
    QTest::newRow("cheat: ace")           << at(250, 5) << cheat("I am ace.") << "done" << "Ace,250,100,5,0" << false << "";
    QTest::newRow("cheat: rewind")        << at(250, 5) << cheat("Clock rewind.") << "done" << "Ace,250,0,0,0" << true << "";
    QTest::newRow("cheat: full wallet")   << at(2147483447, 5) << cheat("Fill up my wallet.") << "done"
                                          << "Ace,2147483647,0,5,0" << false << "";
    QTest::newRow("cheat: trailing blank") << at(250, 5) << cheat("I am ace. ") << "no such cheat" << "Ace,250,0,5,0" << false << "";
    QTest::newRow("cheat: other capitals") << at(250, 5) << cheat("clock rewind.") << "no such cheat" << "Ace,250,0,5,0" << false << "";
    QTest::newRow("cheat: Cancel")        << at(250, 5) << cheat("") << "no such cheat" << "Ace,250,0,5,0" << false << "";
    // clang-format on
}

void CareerServicesTest::services() {
    QFETCH(CareerState, before);
    QFETCH(Service, service);
    QFETCH(bool, newday);
    Career career;
    staged(career).setstate(before);
    staged(career).setlog({});
    career.use(Activity::RewardBag);
    QTEST(service(career), "outcome");
    QTEST(values(career.state()), "after");
    QCOMPARE(values(career.shown()), values(career.state()));
    QCOMPARE(career.available(Activity::RewardBag), newday);
    QTEST(career.log(), "log");
}

// A disk written by Ace ($300, 40 points) lies in the folder; Bea has $100 and 40 points.
void CareerServicesTest::disks_data() {
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("training");
    QTest::addColumn<bool>("duel"); // else the money taken back
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("playerwon");
    QTest::addColumn<int>("moneyafter");
    QTest::addColumn<QByteArray>("diskafter");
    const QByteArray disk("\"Ace\"\r\n300\r\n40\r\n");
    // clang-format off
    QTest::newRow("the owner takes his money back")   << "Ace" << 90 << false << "usb" << "done" << false << 300 << disk;
    QTest::newRow("another's disk is not to take")    << "Bea" << 40 << false << "usb" << "wrong disk" << false << 100 << disk;
    QTest::newRow("case counts in the name")          << "ace" << 40 << false << "usb" << "wrong disk" << false << 100 << disk;
    QTest::newRow("no disk to take from")             << "Ace" << 40 << false << "empty" << "no disk" << false << 100 << QByteArray();
    QTest::newRow("equal training: the poorer wins")  << "Bea" << 40 << true << "usb" << "done" << true << 125
                                                      << QByteArray("\"Ace\"\r\n275\r\n40\r\n");
    QTest::newRow("less training loses")              << "Bea" << 39 << true << "usb" << "done" << false << 75
                                                      << QByteArray("\"Ace\"\r\n325\r\n40\r\n");
    QTest::newRow("one's own disk is no opponent")    << "Ace" << 40 << true << "usb" << "wrong disk" << false << 100 << disk;
    QTest::newRow("no disk to duel")                  << "Bea" << 40 << true << "empty" << "no disk" << false << 100 << QByteArray();
    // A folder stands where the new copy would be written: the disk can't take its new money.
    QTest::newRow("a disk that can't be rewritten")   << "Bea" << 40 << true << "stuck" << "no disk" << false << 100 << disk;
    // clang-format on
}

void CareerServicesTest::disks() {
    QFETCH(QString, player);
    QFETCH(int, training);
    QFETCH(bool, duel);
    QFETCH(QString, folder);
    QFETCH(bool, playerwon);
    const QString path = fixture->folder() + folder + "/";
    QVERIFY(QDir().mkpath(path));
    const QString file = *diskpath(path);
    if (folder != "empty")
        QVERIFY(writediskfile(file, {QStringLiteral("Ace"), 300, 40}));
    if (folder == "stuck")
        QVERIFY(QDir().mkpath(path + ".battle.dat.keystrider-partial"));
    Career career;
    staged(career).setstate({player, 0, 100, 0, training});
    const DiskResult result = duel ? career.duel(file) : career.takeback(file);
    QTEST(QString::fromLatin1(diskname(result.outcome)), "outcome");
    QCOMPARE(result.playerwon, playerwon);
    QTEST(career.money(), "moneyafter");
    QCOMPARE(career.shown().money, career.money());
    QCOMPARE(career.training(), training);
    QByteArray bytes;
    readwholefile(file, bytes);
    QTEST(bytes, "diskafter");
}

QTEST_GUILESS_MAIN(CareerServicesTest)
#include "career_services_test.moc"
