#include "career/career.h"
#include "career/frmhall.h"
#include "career/halllist.h"
#include "common/watchlabel.h"
#include "competition/frmcomp.h"
#include "samples/careerstaging.h"
#include "services/frmgame.h"
#include "shell/form1.h"
#include "support/form1fixture.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class Form1ServicesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fixture = new Form1Fixture;
        form = &fixture->form;
        fixture->setcareer({QStringLiteral("Tester"), 0, 250, 5, 0});
    }
    void cleanup() { delete fixture; }
    void timemachine();
    void rewardbagonceaday();
    void cheats_data();
    void cheats();
    void launchersopentheirwindows();

private:
    Form1Fixture* fixture = nullptr;
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
    staged(form->career).changemoney(1500);
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
    form->nextday->click();
    QVERIFY(form->rewardbag->isEnabled());
    // Thrown back two days: the day count changes, so the bag is there again at once.
    fixture->random.draws << 0.425;
    form->rewardbag->trigger();
    QCOMPARE(form->showndays->text(), QStringLiteral("4"));
    QVERIFY(form->rewardbag->isEnabled());
}

// What each code does is the career's; the window asks, and says when no code matches.
void Form1ServicesTest::cheats_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("rewind") << "Clock rewind." << QStringList{};
    QTest::newRow("no such") << "clock rewind." << QStringList{"No such cheat!"};
}

void Form1ServicesTest::cheats() {
    QFETCH(QString, answer);
    fixture->dialogs.inputs << answer;
    form->cheatinput->trigger();
    QCOMPARE(fixture->dialogs.shown.first().text, QStringLiteral("Enter cheat:"));
    QCOMPARE(fixture->dialogs.shown.first().title, QStringLiteral("Cheat?"));
    QTEST(fixture->dialogs.texts().mid(1), "said");
    QCOMPARE(form->showndays->text(), answer == "Clock rewind." ? "0" : "5");
}

void Form1ServicesTest::launchersopentheirwindows() {
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
