#include "career/career.h"
#include "career/hall.h"
#include "career/promotion.h"
#include "career/score.h"
#include "common/programfolder.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"
#include "support/testlanguage.h"

#include <QFile>
#include <QTest>

// The ends of a career: which goal shows, the score and the hall of fame's entry of a success,
// and the failure.
class CareerEndingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void goals_data();
    void goals();
    void success_data();
    void success();
    void hallthatcannotbewritten();
    void failure();

private:
    GameFixture* fixture = nullptr;
};

void CareerEndingsTest::goals_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("money");
    QTest::addColumn<bool>("rankgoal");
    QTest::addColumn<bool>("moneygoal");
    QTest::addColumn<bool>("succeed");    // the first goal reached ends the career at once
    QTest::addColumn<QString>("reached"); // what the objective check says, in order
    QTest::newRow("rank 8") << 8 << 100 << true << false << false << "rank";
    QTest::newRow("rank 7") << 7 << 100 << false << false << false << "";
    QTest::newRow("rank 100 is no goal") << 100 << 100 << false << false << false << "";
    QTest::newRow("25000") << 0 << 25000 << false << true << false << "money";
    QTest::newRow("24999") << 0 << 24999 << false << false << false << "";
    QTest::newRow("both") << 8 << 30000 << true << true << false << "rank,money";
    // The success clears the career, so the money tested next is the cleared career's.
    QTest::newRow("both, one success") << 8 << 30000 << true << true << true << "rank";
}

void CareerEndingsTest::goals() {
    QFETCH(int, rank);
    QFETCH(int, money);
    QFETCH(bool, succeed);
    QTEST(rankgoal(static_cast<std::int16_t>(rank)), "rankgoal");
    QTEST(moneygoal(money), "moneygoal");
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), static_cast<std::int16_t>(rank), money, 0, 0});
    QStringList reached;
    connect(&career, &Career::goalreached, [&](Goal goal) {
        reached << (goal == Goal::Rank ? "rank" : "money");
        if (succeed)
            career.succeed();
    });
    career.checkgoals();
    QTEST(reached.join(','), "reached");
}

void CareerEndingsTest::success_data() {
    QTest::addColumn<CareerState>("before");
    QTest::addColumn<QByteArray>("hallline");
    const auto at = [](const QString& name, std::int16_t rank, std::int32_t days,
                       std::int32_t money) {
        return CareerState{name, rank, money, days, 0};
    };
    QTest::newRow("days left times money")
        << at("Ace", 0, 5, 25000) << QByteArray("\"Ace scored 250000 points!\"\r\n");
    QTest::newRow("no day left") << at("Ace", 0, 15, 30000)
                                 << QByteArray("\"Ace scored 0 points!\"\r\n");
    QTest::newRow("negative money")
        << at("Ace", 8, 10, -20) << QByteArray("\"Ace scored -900 points!\"\r\n");
    QTest::newRow("beyond 32 bits")
        << at("Ace", 8, 0, 2000000000) << QByteArray("\"Ace scored 110000000000 points!\"\r\n");
    QTest::newRow("quotes keep the hall readable")
        << at("Big \"Al\", Jr", 0, 0, 100)
        << QByteArray("\"Big 'Al', Jr scored 1500 points!\"\r\n");
}

void CareerEndingsTest::success() {
    QFETCH(CareerState, before);
    QFETCH(QByteArray, hallline);
    Career career;
    staged(career).setstate(before);
    career.markcareer(QStringLiteral("ace.kvr"));
    fixture->writefile(hallfilename, "\"Old scored 7 points!\"\r\n");
    const Success success = career.succeed();
    QCOMPARE(success.playername, before.playername);
    QCOMPARE(success.score, careerscore(before));
    // The log is kept as it was shown, in the windows' language.
    if (testlanguage().isEmpty())
        QCOMPARE(career.log(), " Your game has ended...\r\nwith a score of " +
                                   QString::number(success.score) + "!\r\n");
    QCOMPARE(career.state(), CareerState{});
    // The score is all there is: nothing to lose, and no file of its own any more.
    QVERIFY(!career.unsaved());
    QVERIFY(career.file().isEmpty());
    QVERIFY(addtohall(success.playername, success.score));
    QByteArray hall;
    QVERIFY(readwholefile(fixture->folder() + hallfilename, hall));
    QCOMPARE(hall, "\"Old scored 7 points!\"\r\n" + hallline);
}

void CareerEndingsTest::hallthatcannotbewritten() {
    setprogramfolder(fixture->folder() + "no/such/folder");
    QVERIFY(!addtohall(QStringLiteral("Ace"), 5));
}

void CareerEndingsTest::failure() {
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 2, 400, 25, 30});
    career.fail();
    QCOMPARE(career.log(), QStringLiteral(" "));
    QCOMPARE(career.shown().money, 0);
    QCOMPARE(career.shown().days, 0);
    QVERIFY(!QFile::exists(fixture->folder() + hallfilename));
}

QTEST_GUILESS_MAIN(CareerEndingsTest)
#include "career_endings_test.moc"
