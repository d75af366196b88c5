#include "career/career.h"
#include "career/dayevents.h"
#include "career/form1.h"
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "support/fakes.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

// Draws that land on event r when multiplied by 14.
static double drawfor(int event) {
    return (event - 1 + 0.5) / 14.0;
}

class DayEventsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eachevent_data();
    void eachevent();
    void zeromoneyredrawspizzaandshirt();
    void dayadvancesandlogsthegap();
    void timeupendsthegame();
    void warningonthedaybeforethelast_data();
    void warningonthedaybeforethelast();
    void nextdayrefreshesandreenablesonceadaycommands();
    void moneydoesnotwrap();

private:
    GameFixture* fixture = nullptr;
    Form1* form = nullptr;
};

void DayEventsTest::init() {
    fixture = new GameFixture;
    form = new Form1;
    form->startnewgame();
    form->eventlog->setText(QString());
    fixture->dialogs.shown.clear();
    // The new game's day change drew a competition list; count only what the day draws.
    fixture->random.drawn = 0;
    fixture->random.reseeds.clear();
}

void DayEventsTest::cleanup() {
    delete form;
    delete fixture;
}

void DayEventsTest::eachevent_data() {
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("money");
    QTest::addColumn<double>("amountdraw");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("moneyafter");
    const double none = 0;
    QTest::newRow("1") << 1 << 250 << none << QStringList{"Another day past..."} << 250;
    QTest::newRow("2") << 2 << 250 << none << QStringList{"A peaceful and boring day..."} << 250;
    QTest::newRow("3 theft") << 3 << 250 << 0.5
                             << QStringList{"Someone bumped into you on the street!",
                                            "You discovered that $13 is stolen!"}
                             << 237;
    QTest::newRow("3 theft at zero") << 3 << 0 << 0.9
                                     << QStringList{"Someone bumped into you on the street!",
                                                    "You discovered that $1 is stolen!"}
                                     << -1;
    const char* countries[] = {"Singapore", "Malaysia", "China", "America", "Japan"};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("%d rumour", 4 + i)
            << 4 + i << 250 << none
            << QStringList{QStringLiteral(
                               "You heard a rumour there will be a competition held in %1...")
                               .arg(countries[i])}
            << 250;
    QTest::newRow("9") << 9 << 250 << none << QStringList{"A nice but wonderful boring day..."}
                       << 250;
    QTest::newRow("10 pizza")
        << 10 << 1000 << 0.999
        << QStringList{"You found a pizza on the ground and stupidly ate it.",
                       "Therefore, you suffered from food poisoning and pays the", "doctor $100!"}
        << 900;
    QTest::newRow("11 pebbles")
        << 11 << 250 << 0.0
        << QStringList{"While walking along the street kicking pebbles, you found",
                       "$1 under one of it!"}
        << 251;
    QTest::newRow("12") << 12 << 250 << none << QStringList{"A boring an lame day..."} << 250;
    QTest::newRow("13 bus") << 13 << 250 << 0.2
                            << QStringList{"You found $6 while siting on a bus."} << 256;
    QTest::newRow("13 bus, in debt")
        << 13 << -50 << 0.5 << QStringList{"You found $-2 while siting on a bus."} << -52;
    QTest::newRow("13 bus, $0 found")
        << 13 << -5 << 0.5 << QStringList{"You found $0 while siting on a bus."} << -5;
    QTest::newRow("14 shirt")
        << 14 << 250 << 0.5
        << QStringList{"A man on the bus burnt your $13 T-shirt with his cigratte.",
                       "You have no choice but to buy a new one..."}
        << 237;
}

void DayEventsTest::eachevent() {
    QFETCH(int, event);
    QFETCH(int, money);
    QFETCH(double, amountdraw);
    QFETCH(QStringList, entries);
    QFETCH(int, moneyafter);
    form->career->setmoney(money);
    fixture->random.draws << drawfor(event) << amountdraw;
    form->datechange();
    QCOMPARE(form->eventlog->text(), "\r\n\r\n\r\n" + entries.join("\r\n") + "\r\n");
    QCOMPARE(form->career->money(), moneyafter);
    QCOMPARE(form->career->days(), 1);
    QCOMPARE(fixture->random.drawn, eventtakesamount(event) ? 2 : 1);
    QCOMPARE(fixture->random.reseeds, QList<double>{43200});
}

void DayEventsTest::zeromoneyredrawspizzaandshirt() {
    form->career->setmoney(0);
    fixture->clock.seconds = 100;
    fixture->random.draws << drawfor(10) << drawfor(14) << drawfor(10) << drawfor(11) << 0.7;
    form->datechange();
    QCOMPARE(form->career->money(), 1);
    QVERIFY(form->eventlog->text().contains("$1 under one of it!"));
    QVERIFY(!form->eventlog->text().contains("pizza"));
    // Every redraw reseeds from the clock, which here stands still.
    QCOMPARE(fixture->random.reseeds, (QList<double>{100, 100, 100, 100}));
}

void DayEventsTest::dayadvancesandlogsthegap() {
    fixture->random.draws << drawfor(1);
    form->datechange();
    // datechange leaves the display to its caller.
    QCOMPARE(form->showndays->text(), QStringLiteral("0"));
    QCOMPARE(form->eventlog->text(), QStringLiteral("\r\n\r\n\r\nAnother day past...\r\n"));
}

void DayEventsTest::timeupendsthegame() {
    form->career->setdays(15);
    form->career->setmoney(400);
    fixture->random.draws << drawfor(1);
    form->passday();
    QCOMPARE(fixture->dialogs.shown.size(), 2);
    QCOMPARE(fixture->dialogs.shown[0].text, QStringLiteral("Game Over! Time's Up!"));
    QCOMPARE(fixture->dialogs.shown[0].title, QStringLiteral("Game Over"));
    QCOMPARE(fixture->dialogs.shown[0].icon, MsgIcon::Error);
    QCOMPARE(fixture->dialogs.shown[1].text,
             QStringLiteral("You failed your objectives! You are a loser!"));
    QCOMPARE(fixture->dialogs.shown[1].title, QStringLiteral("Loser!"));
    QCOMPARE(fixture->endings, 1);
    QCOMPARE(fixture->random.drawn, 0);
    QCOMPARE(form->eventlog->text(), QStringLiteral(" "));
    QVERIFY(!QFile::exists(fixture->folder() + "hall.dat"));
}

void DayEventsTest::warningonthedaybeforethelast_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("daysbefore");
    QTest::addColumn<bool>("warned");
    QTest::newRow("rank 0, to day 14") << 0 << 13 << true;
    QTest::newRow("rank 0, to day 15") << 0 << 14 << false;
    QTest::newRow("rank 0, to day 13") << 0 << 12 << false;
    QTest::newRow("promoted to 1, to day 14") << 1 << 13 << false;
    QTest::newRow("promoted to 1, to day 19") << 1 << 18 << true;
}

void DayEventsTest::warningonthedaybeforethelast() {
    QFETCH(int, rank);
    QFETCH(int, daysbefore);
    QFETCH(bool, warned);
    form->career->setrank(static_cast<qint16>(rank));
    form->career->setdays(daysbefore);
    fixture->random.draws << drawfor(2);
    form->datechange();
    QCOMPARE(form->eventlog->text().endsWith("Your game will end tommorrow.\r\n"), warned);
}

void DayEventsTest::nextdayrefreshesandreenablesonceadaycommands() {
    form->career->use(Activity::RewardBag);
    form->career->use(Activity::TicTacToe);
    form->career->use(Activity::Competition);
    fixture->random.draws << drawfor(1);
    form->nextday->click();
    QCOMPARE(form->showndays->text(), QStringLiteral("1"));
    QVERIFY(form->rewardbag->isEnabled() && form->tictactoe->isEnabled() && form->checkcompetition->isEnabled());
    QVERIFY(form->competition->isEnabled());
}

void DayEventsTest::moneydoesnotwrap() {
    form->career->setmoney(std::numeric_limits<qint32>::max());
    fixture->random.draws << drawfor(13) << 0.99;
    form->datechange();
    QCOMPARE(form->career->money(), std::numeric_limits<qint32>::max());
}

QTEST_MAIN(DayEventsTest)
#include "dayevents_test.moc"
