#include "career/career.h"
#include "career/form1.h"
#include "career/frmhall.h"
#include "career/halllist.h"
#include "career/promotion.h"
#include "career/score.h"
#include "common/filewriting.h"
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "support/fakes.h"
#include "support/keyboardwalk.h"

#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class EndingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void promotiontable_data();
    void promotiontable();
    void promotionthroughthetraininglabel();
    void oneentryforseveralranks();
    void goals_data();
    void goals();
    void bothgoalsgiveonesuccessbytherank();
    void successisonlyhandledonce();
    void successwritesthehallandshowsit();
    void scores_data();
    void scores();
    void hallthatcannotbewrittenstillendsthegame();
    void quotesinanameskeepthehallreadable();
    void hallloadsoldestfirstandtwicewhenaskedtwice();
    void overlongentryisshowncut();
    void hallwithoutfileisempty();
    void successesofnextrunsappendbelow();
    void awoncareercannotbeplayedintoaloss();

private:
    GameFixture* fixture = nullptr;
    Form1* form = nullptr;
    QStringList hallrows();
};

void EndingsTest::init() {
    fixture = new GameFixture;
    form = new Form1;
    form->apppath = fixture->folder();
    fixture->dialogs.inputs << "Ace";
    form->startnewgame();
    fixture->dialogs.shown.clear();
}

void EndingsTest::cleanup() {
    if (form->hallwindow)
        delete form->hallwindow;
    delete form;
    delete fixture;
}

QStringList EndingsTest::hallrows() {
    QStringList rows;
    if (form->hallwindow)
        for (int i = 0; i < form->hallwindow->List1->count(); ++i)
            rows << form->hallwindow->List1->text(i);
    return rows;
}

void EndingsTest::promotiontable_data() {
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

void EndingsTest::promotiontable() {
    QFETCH(int, rank);
    QFETCH(int, training);
    QFETCH(int, promoted);
    QCOMPARE(int(promotedrank(static_cast<qint16>(rank), training)), promoted);
}

void EndingsTest::promotionthroughthetraininglabel() {
    form->career->showtraining(16);
    QCOMPARE(form->career->training(), 16);
    QCOMPARE(form->career->rank(), qint16(1));
    QCOMPARE(form->shownrank->text(), QStringLiteral("1"));
    QVERIFY(form->eventlog->text().endsWith("You have been promoted to rank 1.\r\n"));
    form->showdaysleft();
    QCOMPARE(form->daysleft->text(), QStringLiteral("20"));
}

void EndingsTest::oneentryforseveralranks() {
    form->career->showtraining(20);
    const QString before = form->eventlog->text();
    form->career->showtraining(60);
    QCOMPARE(form->eventlog->text(), before + "You have been promoted to rank 3.\r\n");
}

void EndingsTest::goals_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("money");
    QTest::addColumn<QString>("message");
    QTest::newRow("rank 8") << 8 << 100
                            << "You have completed your objective by reaching rank 8 so that your "
                               "boss will hire you!";
    QTest::newRow("rank 7") << 7 << 100 << "";
    QTest::newRow("rank 100 is no goal") << 100 << 100 << "";
    QTest::newRow("25000") << 0 << 25000
                           << "You have completed your objective by earning $25000 to bribe your "
                              "boss to hire you!";
    QTest::newRow("24999") << 0 << 24999 << "";
}

void EndingsTest::goals() {
    QFETCH(int, rank);
    QFETCH(int, money);
    QFETCH(QString, message);
    form->career->showrank(static_cast<qint16>(rank));
    form->career->showmoney(money);
    form->checkobjective();
    if (message.isEmpty()) {
        QVERIFY(fixture->dialogs.shown.isEmpty());
        QVERIFY(form->objectiveclock->isActive());
        return;
    }
    QCOMPARE(fixture->dialogs.texts().first(), message);
    QCOMPARE(fixture->dialogs.shown.first().title, QStringLiteral("KVR"));
    QCOMPARE(fixture->dialogs.shown.first().icon, MsgIcon::None);
    QVERIFY(!form->objectiveclock->isActive());
    QVERIFY(form->endgame->isVisibleTo(form));
}

void EndingsTest::bothgoalsgiveonesuccessbytherank() {
    form->career->setrank(8);
    form->career->setmoney(30000);
    form->updatestatus();
    form->checkobjective();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QVERIFY(fixture->dialogs.texts().first().contains("rank 8"));
    QCOMPARE(hallrows(), QStringList{"Ace scored 1650000 points!"});
}

void EndingsTest::successisonlyhandledonce() {
    form->career->showmoney(25000);
    fixture->dialogs.whileopen = [this] { form->checkobjective(); };
    form->checkobjective();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(hallrows().size(), 1);
    // No further success in this run, even in a new game.
    QVERIFY(!form->objectiveclock->isActive());
}

void EndingsTest::successwritesthehallandshowsit() {
    form->career->setdays(5);
    form->career->setmoney(25000);
    form->updatestatus();
    form->checkobjective();
    QCOMPARE(form->eventlog->text(),
             QStringLiteral(" Your game has ended...\r\nwith a score of 250000!\r\n"));
    QCOMPARE(form->career->playername(), QString());
    QCOMPARE(form->shownmoney->text(), QStringLiteral("0"));
    QByteArray bytes;
    QVERIFY(readwholefile(fixture->folder() + "hall.dat", bytes));
    QCOMPARE(bytes, QByteArray("\"Ace scored 250000 points!\"\r\n"));
    QVERIFY(form->hallwindow);
    QCOMPARE(form->hallwindow->windowTitle(), QStringLiteral("Vivo Re Zazede"));
    QCOMPARE(hallrows(), QStringList{"Ace scored 250000 points!"});
}

void EndingsTest::scores_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("money");
    QTest::addColumn<QString>("entry");
    QTest::newRow("no day left") << 0 << 15 << 30000 << "Ace scored 0 points!";
    QTest::newRow("negative money") << 8 << 10 << -20 << "Ace scored -900 points!";
    QTest::newRow("beyond 32 bits") << 8 << 0 << 2000000000 << "Ace scored 110000000000 points!";
}

void EndingsTest::scores() {
    QFETCH(int, rank);
    QFETCH(int, days);
    QFETCH(int, money);
    QFETCH(QString, entry);
    form->career->setrank(static_cast<qint16>(rank));
    form->career->setdays(days);
    form->career->setmoney(money);
    form->scoregame2();
    QCOMPARE(hallrows(), QStringList{entry});
}

void EndingsTest::hallthatcannotbewrittenstillendsthegame() {
    form->apppath = fixture->folder() + "no/such/folder/";
    form->career->setmoney(25000);
    form->scoregame2();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(fixture->dialogs.shown.first().icon, MsgIcon::Exclamation);
    QVERIFY(form->endgame->isVisibleTo(form));
    QCOMPARE(fixture->endings, 0);
}

void EndingsTest::quotesinanameskeepthehallreadable() {
    QCOMPARE(hallentry("Ace", 5), QStringLiteral("Ace scored 5 points!"));
    QCOMPARE(hallentry("Big \"Al\", Jr", -3), QStringLiteral("Big 'Al', Jr scored -3 points!"));
    form->career->setplayername("Big \"Al\", Jr");
    form->career->setmoney(100);
    form->scoregame2();
    QCOMPARE(hallrows(), QStringList{"Big 'Al', Jr scored 1500 points!"});
}

void EndingsTest::hallloadsoldestfirstandtwicewhenaskedtwice() {
    QVERIFY(
        appendtofile(fixture->folder() + "hall.dat",
                     "\"First, the best scored 9 points!\"\r\n\"Second scored 1 points!\"\r\n"));
    form->showhalloffame();
    QCOMPARE(hallrows(),
             (QStringList{"First, the best scored 9 points!", "Second scored 1 points!"}));
    form->showhalloffame();
    QCOMPARE(hallrows().size(), 4);
    QCOMPARE(hallrows().at(2), QStringLiteral("First, the best scored 9 points!"));
}

void EndingsTest::overlongentryisshowncut() {
    const QByteArray longname(40000, 'x');
    fixture->writefile("hall.dat",
                       "\"" + longname + " scored 1 points!\"\r\n\"Bo scored 2 points!\"\r\n");
    form->showhalloffame();
    QCOMPARE(hallrows(), (QStringList{QString(256, 'x') + QChar(0x2026), "Bo scored 2 points!"}));
    QByteArray bytes;
    QVERIFY(readwholefile(fixture->folder() + "hall.dat", bytes));
    QVERIFY(bytes.startsWith("\"" + longname + " scored"));
}

void EndingsTest::hallwithoutfileisempty() {
    form->showhalloffame();
    QVERIFY(form->hallwindow->isVisible());
    QCOMPARE(form->hallwindow->List1->count(), 0);
    QVERIFY(fixture->dialogs.shown.isEmpty());
}

void EndingsTest::successesofnextrunsappendbelow() {
    QVERIFY(appendtofile(fixture->folder() + "hall.dat", "\"Old scored 7 points!\"\r\n"));
    form->career->setmoney(25000);
    form->scoregame2();
    QCOMPARE(hallrows(), (QStringList{"Old scored 7 points!", "Ace scored 375000 points!"}));
}

// The "End game" frame covers the action buttons: the keyboard can't reach them, so the cleared
// career can't be played on into "Game Over!", neither now nor in a game begun afterwards.
void EndingsTest::awoncareercannotbeplayedintoaloss() {
    form->career->setmoney(25000);
    form->updatestatus();
    form->checkobjective();
    QCOMPARE(form->focusWidget(), form->exitgame);
    const QList<QPushButton*> covered{form->training, form->services, form->competition,
                                      form->flyaway, form->nextday};
    for (const bool newgame : {false, true}) {
        if (newgame)
            form->newgame->trigger();
        for (QWidget* visited : tabwalk(form, 20))
            QVERIFY2(!covered.contains(visited), qPrintable(visited->objectName()));
        QTest::keyClick(form->nextday, Qt::Key_Return);
        QVERIFY(form->endgame->isVisible());
    }
    QCOMPARE(form->career->days(), 0);
    QCOMPARE(fixture->endings, 0);
}

QTEST_MAIN(EndingsTest)
#include "endings_test.moc"
