#include "career/career.h"
#include "shell/form1.h"
#include "career/frmhall.h"
#include "career/halllist.h"
#include "common/filewriting.h"
#include "common/logbox.h"
#include "common/programfolder.h"
#include "common/watchlabel.h"
#include "support/form1fixture.h"
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
    void goals_data();
    void goals();
    void bothgoalsgiveonesuccessbytherank();
    void successisonlyhandledonce();
    void successwritesthehallandshowsit();
    void hallthatcannotbewrittenstillendsthegame();
    void hallloadsoldestfirstandtwicewhenaskedtwice();
    void overlongentryisshowncut();
    void hallwithoutfileisempty();
    void successesofnextrunsappendbelow();
    void awoncareercannotbeplayedintoaloss();

private:
    Form1Fixture* fixture = nullptr;
    Form1* form = nullptr;
    QStringList hallrows();
    // Ace's career, as given.
    void careerof(std::int16_t rank, std::int32_t money, std::int32_t days = 0);
};

void EndingsTest::init() {
    fixture = new Form1Fixture;
    form = &fixture->form;
}

void EndingsTest::cleanup() {
    delete fixture;
}

void EndingsTest::careerof(std::int16_t rank, std::int32_t money, std::int32_t days) {
    fixture->setcareer({QStringLiteral("Ace"), rank, money, days, 0});
}

QStringList EndingsTest::hallrows() {
    QStringList rows;
    if (form->hallwindow)
        for (int i = 0; i < form->hallwindow->List1->count(); ++i)
            rows << form->hallwindow->List1->text(i);
    return rows;
}

void EndingsTest::goals_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("money");
    QTest::addColumn<QString>("message");
    QTest::newRow("rank 8") << 8 << 100
                            << "You have completed your objective by reaching rank 8 so that your "
                               "boss will hire you!";
    QTest::newRow("25000") << 0 << 25000
                           << "You have completed your objective by earning $25000 to bribe your "
                              "boss to hire you!";
    QTest::newRow("24999") << 0 << 24999 << "";
}

void EndingsTest::goals() {
    QFETCH(int, rank);
    QFETCH(int, money);
    QFETCH(QString, message);
    careerof(static_cast<qint16>(rank), money);
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
    careerof(8, 30000);
    form->checkobjective();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QVERIFY(fixture->dialogs.texts().first().contains("rank 8"));
    QCOMPARE(hallrows(), QStringList{"Ace scored 1650000 points!"});
}

void EndingsTest::successisonlyhandledonce() {
    careerof(0, 25000);
    fixture->dialogs.whileopen = [this] { form->checkobjective(); };
    form->checkobjective();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(hallrows().size(), 1);
    // No further success in this run, even in a new game.
    QVERIFY(!form->objectiveclock->isActive());
}

void EndingsTest::successwritesthehallandshowsit() {
    careerof(0, 25000, 5);
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

void EndingsTest::hallthatcannotbewrittenstillendsthegame() {
    careerof(0, 25000);
    setprogramfolder(fixture->folder() + "no/such/folder/");
    form->scoregame2();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(fixture->dialogs.shown.first().icon, MsgIcon::Exclamation);
    QVERIFY(form->endgame->isVisibleTo(form));
    QCOMPARE(fixture->endings, 0);
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
    careerof(0, 25000);
    form->scoregame2();
    QCOMPARE(hallrows(), (QStringList{"Old scored 7 points!", "Ace scored 375000 points!"}));
}

// The "End game" frame covers the action buttons: the keyboard can't reach them, so the cleared
// career can't be played on into "Game Over!", neither now nor in a game begun afterwards.
void EndingsTest::awoncareercannotbeplayedintoaloss() {
    careerof(0, 25000);
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
