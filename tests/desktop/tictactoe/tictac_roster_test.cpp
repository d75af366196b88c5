#include "common/filename.h"
#include "support/careerfixture.h"
#include "tictacplay.h"
#include "tictactoe/tictac.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Who plays tic-tac-toe: the roster and each player's record, and the files that keep them and
// the opponent's memory when they can't be written.
class TictacRosterTest : public QObject, private TictacTesting {
    Q_OBJECT
private slots:
    void init() { fixture = new CareerFixture; }
    void cleanup() { delete fixture; }
    void roster();
    void addtolist();
    void unwritablefiles();
};

void TictacRosterTest::roster() {
    // The first run has no roster: the default player, whose record never outlives the window.
    open();
    QCOMPARE(game->namebox->text(), QStringLiteral("Nobody"));
    winonce();
    closewindow();
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList{"brain.dat"});

    open();
    fixture->dialogs.shown.clear();
    game->namebox->clear();
    game->addtolist_Click();
    for (const char* unfit : {"a/b", "..", "say \"hi\""}) {
        game->namebox->setText(QLatin1String(unfit));
        game->addtolist_Click();
    }
    QCOMPARE(fixture->dialogs.shown.size(), 3);
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList{"brain.dat"});
    QCOMPARE(game->roster->count(), 0);

    game->namebox->setText(QStringLiteral("Player2"));
    game->addtolist_Click();
    QCOMPARE(filebytes(folder() + "list.dat"), QByteArray("\"Player2\"\r\n"));
    QCOMPARE(filebytes(folder() + "Player2.sco"), QByteArray("\"Player2\",0,0,0,\"X\",\"O\"\r\n"));
    game->namebox->setText(QStringLiteral("Ann"));
    game->addtolist_Click();
    QCOMPARE(rows(game->roster), (QStringList{"Player2", "Ann"}));

    // Ann's two wins are written before Player2's record is taken up.
    game->match.takerecord({32766, 0, 0, QStringLiteral("X"), QStringLiteral("O")});
    winonce();
    winonce();
    QCOMPARE(wins(), 32767);
    fixture->writefile("Player2.sco", "\"Player2\",3,1,2,\"+\",\"-\"\r\n");
    game->roster->doItemsLayout();
    const QPoint first = game->roster->visualItemRect(game->roster->item(0)).center();
    QTest::mouseClick(game->roster->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(game->roster->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(filebytes(folder() + "Ann.sco"), QByteArray("\"Ann\",32767,0,0,\"X\",\"O\"\r\n"));
    QCOMPARE(game->namebox->text(), QStringLiteral("Player2"));
    QCOMPARE((QList<qint16>{wins(), losses(), draws()}), (QList<qint16>{3, 1, 2}));
    QCOMPARE(game->yoursignbox->text() + game->compsignbox->text(), QStringLiteral("+-"));
    QCOMPARE(game->match.yoursign() + game->match.compsign(), QStringLiteral("+-"));

    // Closing keeps the sign boxes as typed, applied or not.
    game->yoursignbox->setText(QStringLiteral("Z"));
    closewindow();
    QCOMPARE(filebytes(folder() + "Player2.sco"), QByteArray("\"Player2\",3,1,2,\"Z\",\"-\"\r\n"));
    open();
    QCOMPARE(game->namebox->text(), QStringLiteral("Player2"));
    QCOMPARE(game->match.yoursign(), QStringLiteral("Z"));

    // A record that cannot be read whole is no record at all.
    fixture->writefile("Ann.sco", "\"Ann\",5,6\r\n");
    game->roster->setCurrentRow(1);
    QTest::keyClick(game->roster, Qt::Key_Return);
    QCOMPARE(game->namebox->text(), QStringLiteral("Ann"));
    QCOMPARE((QList<qint16>{wins(), losses(), draws()}), (QList<qint16>{0, 0, 0}));
    QCOMPARE(game->match.yoursign() + game->match.compsign(), QStringLiteral("XO"));
    QCOMPARE(fixture->dialogs.texts().last(),
             QStringLiteral("Ann.sco cannot be read, so it was kept as Ann.sco.damaged for you to "
                            "repair or delete. Ann plays on with no wins, losses or draws."));
    QCOMPARE(filebytes(folder() + "Ann.sco.damaged"), QByteArray("\"Ann\",5,6\r\n"));
    QVERIFY(!QFile::exists(folder() + "Ann.sco"));
}

// The wins of this visit stay with their player; a listed name is switched to, not added again.
void TictacRosterTest::addtolist() {
    open();
    game->namebox->setText(QStringLiteral("Ann"));
    game->addtolist_Click();
    winonce();
    winonce();
    game->namebox->setText(QStringLiteral("Bea"));
    game->addtolist_Click();
    QCOMPARE(filebytes(folder() + "Ann.sco"), QByteArray("\"Ann\",2,0,0,\"X\",\"O\"\r\n"));
    QCOMPARE(wins(), 0);
    winonce();

    game->namebox->setText(QStringLiteral("Ann"));
    game->addtolist_Click();
    QCOMPARE(filebytes(folder() + "Bea.sco"), QByteArray("\"Bea\",1,0,0,\"X\",\"O\"\r\n"));
    QCOMPARE(filebytes(folder() + "list.dat"), QByteArray("\"Ann\"\r\n\"Bea\"\r\n"));
    QCOMPARE(rows(game->roster), (QStringList{"Ann", "Bea"}));
    QCOMPARE(wins(), 2);

    // A letter the roster file cannot keep would orphan the record after a restart.
    fixture->dialogs.shown.clear();
    game->namebox->setText(QStringLiteral("Żaneta"));
    game->addtolist_Click();
    QCOMPARE(fixture->dialogs.texts(), QStringList{namelettersmessage()});
    QCOMPARE(rows(game->roster), (QStringList{"Ann", "Bea"}));
    QVERIFY(!QDir(folder()).entryList().join(' ').contains("aneta"));
}

// Directories where the files belong: nothing can be written there.
void TictacRosterTest::unwritablefiles() {
    QVERIFY(QDir(folder()).mkdir("brain.dat") && QDir(folder()).mkdir("Player2.sco"));
    open();
    winonce();
    winonce();
    QCOMPARE(game->strategies(), (QStringList{"123", "123"}));
    const QStringList told = fixture->dialogs.texts().filter("brain.dat");
    QCOMPARE(told.size(), 1);

    fixture->dialogs.shown.clear();
    game->namebox->setText(QStringLiteral("Player2"));
    game->addtolist_Click();
    QCOMPARE(fixture->dialogs.texts(), QStringList{"The record of Player2 could not be written."});
    QCOMPARE(game->roster->count(), 0);
    QCOMPARE(wins(), 2);
    QVERIFY(!QFile::exists(folder() + "list.dat"));
}

QTEST_MAIN(TictacRosterTest)
#include "tictac_roster_test.moc"
