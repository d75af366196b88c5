#include "career/career.h"
#include "career/form1.h"
#include "career/frmhall.h"
#include "career/halllist.h"
#include "common/watchlabel.h"
#include "competition/frmcomp.h"
#include "services/frmgame.h"
#include "support/fakes.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class Form1ServicesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fixture = new GameFixture;
        form = new Form1;
        form->career->setdays(5);
        form->career->setmoney(250);
    }
    void cleanup() { delete form, delete fixture; }
    void timemachine();
    void rewardbagonceaday();
    void cheats_data();
    void cheats();
    void launchersopentheirwindows();

private:
    GameFixture* fixture = nullptr;
    Form1* form = nullptr;
};

void Form1ServicesTest::timemachine() {
    fixture->dialogs.inputs << "2"
                            << "2";
    fixture->dialogs.answers << MsgResult::Yes << MsgResult::Ok << MsgResult::Yes;
    form->usetimemachine();
    QCOMPARE(fixture->dialogs.texts(),
             (QStringList{"How many days you want to travel back in time?",
                          "That will be $1500. Are you sure?", "You do not have enough money!"}));
    QCOMPARE(fixture->dialogs.shown[1].title, QStringLiteral("Time Machine"));
    QCOMPARE(fixture->dialogs.shown[1].buttons, MsgButtons::YesNo);
    QCOMPARE(form->career->money(), 250);
    // Going back is a change of the day count too, and brings the bag back.
    form->career->setmoney(1500);
    form->career->use(Activity::RewardBag);
    form->usetimemachine();
    QCOMPARE(form->shownmoney->text(), QStringLiteral("0"));
    QCOMPARE(form->showndays->text(), QStringLiteral("3"));
    QVERIFY(form->rewardbag->isEnabled());
}

void Form1ServicesTest::rewardbagonceaday() {
    fixture->random.draws << 0.975;
    form->rewardbag->trigger();
    QVERIFY(!form->rewardbag->isEnabled());
    QCOMPARE(fixture->dialogs.texts(),
             (QStringList{"Drawing Mysterious Reward bag...", "Nothing happened!"}));
    QCOMPARE(fixture->dialogs.shown[1].icon, MsgIcon::Information);
    QCOMPARE(fixture->dialogs.shown[1].title, QStringLiteral("Mysterious Reward Bag"));
    form->passday();
    QVERIFY(form->rewardbag->isEnabled());
    // Thrown back two days: the day count changes, so the bag is there again at once.
    fixture->random.draws << 0.425;
    form->rewardbag->trigger();
    QCOMPARE(form->showndays->text(), QStringLiteral("4"));
    QVERIFY(form->rewardbag->isEnabled());
}

void Form1ServicesTest::cheats_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<qint32>("before");
    QTest::addColumn<qint32>("money");
    QTest::addColumn<qint32>("rank");
    QTest::addColumn<qint32>("days");
    QTest::addColumn<bool>("refused");
    constexpr qint32 most = std::numeric_limits<qint32>::max();
    QTest::newRow("wallet") << "Fill up my wallet." << 250 << 750 << 0 << 5 << false;
    QTest::newRow("full wallet") << "Fill up my wallet." << most - 200 << most << 0 << 5 << false;
    QTest::newRow("ace") << "I am ace." << 250 << 250 << 100 << 5 << false;
    QTest::newRow("rewind") << "Clock rewind." << 250 << 250 << 0 << 0 << false;
    QTest::newRow("trailing blank") << "I am ace. " << 250 << 250 << 0 << 5 << true;
    QTest::newRow("other capitals") << "clock rewind." << 250 << 250 << 0 << 5 << true;
    QTest::newRow("Cancel") << "" << 250 << 250 << 0 << 5 << true;
}

void Form1ServicesTest::cheats() {
    QFETCH(QString, answer);
    QFETCH(qint32, before);
    QFETCH(qint32, money);
    QFETCH(qint32, rank);
    QFETCH(qint32, days);
    QFETCH(bool, refused);
    form->career->setmoney(before);
    fixture->dialogs.inputs << answer;
    form->cheatinput->trigger();
    QCOMPARE(fixture->dialogs.texts().mid(1),
             refused ? QStringList{"No such cheat!"} : QStringList());
    QCOMPARE(form->career->money(), money);
    QCOMPARE(int(form->career->rank()), rank);
    // The status is refreshed in every case.
    QCOMPARE(form->showndays->text(), QString::number(days));
}

void Form1ServicesTest::launchersopentheirwindows() {
    form->updatestatus();
    form->doubleornothing->trigger();
    QVERIFY(form->gamewindow && form->gamewindow->isVisible());
    form->checkcompetition->trigger();
    QVERIFY(form->competitionlist && form->competitionlist->isVisible());
    QVERIFY(!form->checkcompetition->isEnabled() && !form->competition->isEnabled());
    fixture->writefile("hall.dat", "\"Ace scored 4500 points!\"\r\n");
    form->halloffame->trigger();
    QVERIFY(form->hallwindow && form->hallwindow->isVisible());
    QCOMPARE(form->hallwindow->List1->count(), 1);
}

QTEST_MAIN(Form1ServicesTest)
#include "form1services_test.moc"
