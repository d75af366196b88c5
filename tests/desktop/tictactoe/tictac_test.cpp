#include "common/filename.h"
#include "samples/careerstaging.h"
#include "support/careerfixture.h"
#include "support/keyboardwalk.h"
#include "tictacplay.h"
#include "tictactoe/tictac.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TictacTest : public QObject, private TictacTesting {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensready();
    void scoring_data();
    void scoring();
    void moneycheck_data();
    void moneycheck();
    void compmovefirstandstatusrow();
    void strategiesarekeptandused();
    void clicksandclosingduringalongsearch();
};

void TictacTest::init() {
    fixture = new CareerFixture;
}

void TictacTest::cleanup() {
    delete fixture;
}

void TictacTest::opensready() {
    open();
    QCOMPARE(game->windowTitle(), QStringLiteral("Quendle's Tic Tac Toe"));
    QCOMPARE(game->size(), QSize(401, 275));
    QCOMPARE(
        rows(game->stages),
        (QStringList{"Processing", "Trying predefined Strategy", "Looking for ways to win",
                     "Looking for ways to block you", "Recalling your Strategy", "Random Move"}));
    QCOMPARE(game->namebox->text(), QStringLiteral("Nobody"));
    QVERIFY(game->startreset->isEnabled() && game->compmovefirst->isEnabled());
    QVERIFY(game->clock->isActive() && !game->learnedclock->isActive() &&
            !game->strategylearned->isVisible());
    game->clock_Timer();
    QCOMPARE((QStringList{game->turnsbox->text(), game->winsbox->text(), game->lossesbox->text(),
                          game->drawsbox->text()}),
             (QStringList{"Turns: 0", "Winnings: 0", "Loses: 0", "Draws: 0"}));

    // The blocks under the instructions and past the right edge are unseen but still there, for
    // a screen reader too; Tab visits only what can be seen.
    QWidget* hidden[] = {game->namebox,     game->addtolist,   game->roster,
                         game->yoursignbox, game->compsignbox, game->stages};
    const QList<QWidget*> walk = tabwalk(game, 24);
    QVERIFY(walk.contains(game->cell(1)) && walk.contains(game->startreset));
    for (QWidget* visited : walk)
        QVERIFY2(onscreen(visited), qPrintable(visited->objectName()));
    for (QWidget* w : hidden) {
        QVERIFY(w->isVisibleTo(game) && w->isEnabled());
        QVERIFY(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty());
    }
    for (QWidget* w : {hidden[0], hidden[1], hidden[2], hidden[3], hidden[4]})
        QVERIFY(game->instructions->geometry().contains(w->geometry()));
    QVERIFY(game->thinkingframe->x() >= game->width());
    QCOMPARE(game->childAt(game->namebox->geometry().center()), game->instructions);
    QCOMPARE(QAccessible::queryAccessibleInterface(game->cell(5))->text(QAccessible::Name),
             QStringLiteral("Cell 5"));
}

void TictacTest::scoring_data() {
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("yourmoves");
    QTest::addColumn<QString>("compmoves");
    QTest::addColumn<int>("turns");
    QTest::addColumn<int>("click");
    QTest::addColumn<double>("tiredness");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("buttonsduringmessage");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QList<int>>("record");
    QTest::addColumn<QStringList>("learned");
    const QString tired = QStringLiteral("Vivovu Dev Ezi Doz is tired. Play another day!");
    // The player's move that completes a line is scored before the computer moves.
    QTest::newRow("player wins") << "XX.OO...."
                                 << "12"
                                 << "45" << 2 << 3 << 0.0 << QStringList{"U won $25!"} << true
                                 << "275" << QList<int>{1, 0, 0} << QStringList{"123"};
    QTest::newRow("computer completes 1-5-9")
        << "OX..O...."
        << "2"
        << "15" << 2 << 3 << 0.9 << QStringList{"Computer Won! You lost $10!"} << true << "240"
        << QList<int>{0, 1, 0} << QStringList();
    QTest::newRow("ninth cell without a line, then tired")
        << "XOXXOOOX."
        << "1478"
        << "2563" << 4 << 9 << 0.5 << QStringList{"Draw! How boring...", tired} << false << "250"
        << QList<int>{0, 0, 1} << QStringList();
}

void TictacTest::scoring() {
    QFETCH(QString, cells);
    QFETCH(QString, yourmoves);
    QFETCH(QString, compmoves);
    QFETCH(int, turns);
    QFETCH(int, click);
    QFETCH(double, tiredness);
    QFETCH(QStringList, messages);
    QFETCH(bool, buttonsduringmessage);
    QFETCH(QString, money);
    QFETCH(QList<int>, record);
    QFETCH(QStringList, learned);
    open();
    game->startreset_Click();
    setboard(cells, yourmoves, compmoves, static_cast<qint16>(turns));
    fixture->random.draws << tiredness;
    bool checked = false;
    fixture->dialogs.whileopen = [&] {
        if (checked)
            return;
        checked = true;
        // Nothing is counted or paid while the result is on screen; the status timer stops.
        QVERIFY(game->match.gameover());
        QCOMPARE(game->startreset->isEnabled(), buttonsduringmessage);
        QCOMPARE(game->compmovefirst->isEnabled(), buttonsduringmessage);
        QCOMPARE(fixture->career.shown().money, 250);
        QCOMPARE(wins() + losses() + draws(), 0);
        game->clock_Timer();
        QVERIFY(!game->clock->isActive());
    };
    QTest::mouseClick(game->cell(click), Qt::LeftButton);
    QVERIFY(checked);
    QCOMPARE(fixture->dialogs.texts(), messages);
    QCOMPARE(fixture->dialogs.shown[0].title, QStringLiteral("Result"));
    QCOMPARE(fixture->dialogs.shown[0].icon, MsgIcon::Information);
    if (messages.size() > 1) {
        QCOMPARE(fixture->dialogs.shown[1].title, QStringLiteral("KVR"));
        QCOMPARE(fixture->dialogs.shown[1].icon, MsgIcon::None);
    }
    QCOMPARE(fixture->career.shown().money, money.toInt());
    QCOMPARE(fixture->career.money(), money.toInt());
    QCOMPARE((QList<int>{wins(), losses(), draws()}), record);
    QCOMPARE(game->strategies(), learned);
    QCOMPARE(game->strategylearned->isVisible(), !learned.isEmpty());
    // Tired one time in three: the window goes.
    QCOMPARE(game->isVisible(), messages.size() == 1);
    QCOMPARE(game->board(), Board());
    QVERIFY(game->yourmoves->text().isEmpty() && game->compmoves->text().isEmpty());
    QVERIFY(!game->startreset->isEnabled() && !game->compmovefirst->isEnabled());
    QVERIFY(game->clock->isActive() && !game->match.gameover());
    game->clock_Timer();
    QCOMPARE(game->turnsbox->text(), QStringLiteral("Turns: 0"));
}

void TictacTest::moneycheck_data() {
    QTest::addColumn<int>("money");
    QTest::addColumn<bool>("staysopen");
    QTest::newRow("exactly 10") << 10 << true;
    QTest::newRow("9") << 9 << false;
}

void TictacTest::moneycheck() {
    QFETCH(int, money);
    QFETCH(bool, staysopen);
    open();
    setboard("X...O....", "1", "5", 1);
    staged(fixture->career).changemoney(money);
    game->startreset_Click();
    QCOMPARE(game->isVisible(), staysopen);
    QCOMPARE(game->board(), Board());
    if (staysopen) {
        QVERIFY(fixture->dialogs.shown.isEmpty());
        return;
    }
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{"You do not have enough money to pay if you lost!"});
    QCOMPARE(fixture->dialogs.shown[0].title, QStringLiteral("Oh no!"));
    QCOMPARE(fixture->dialogs.shown[0].icon, MsgIcon::Error);
}

void TictacTest::compmovefirstandstatusrow() {
    // A desktop font as large as Cantarell 11 leaves the two low buttons' captions whole.
    const QFont desktop = QApplication::font();
    QApplication::setFont(QFont(desktop.family(), 11));
    open();
    QApplication::setFont(desktop);
    for (QPushButton* command : {game->startreset, game->compmovefirst})
        QVERIFY(command->fontMetrics().height() + 2 <= command->height());
    fixture->random.draws << 0.5;
    fixture->random.reseeds.clear();
    game->compmovefirst_Click();
    QCOMPARE(game->cell(5)->text(), QStringLiteral("O"));
    QCOMPARE(game->compmoves->text(), QStringLiteral("5"));
    QCOMPARE(fixture->random.reseeds.size(), 1);
    QVERIFY(!game->compmovefirst->isEnabled() && !game->startreset->isEnabled());
    game->clock_Timer();
    QCOMPARE(game->turnsbox->text(), QStringLiteral("Turns: 1"));

    // Each reply takes one cell and adds its digit, and the stage that chose it stays marked.
    fixture->random.draws << 0.9;
    QTest::mouseClick(game->cell(1), Qt::LeftButton);
    QCOMPARE(game->compmoves->text(), QStringLiteral("59"));
    QCOMPARE(game->stages->currentRow(), 5);
    QTest::mouseClick(game->cell(3), Qt::LeftButton);
    QCOMPARE(game->yourmoves->text(), QStringLiteral("13"));
    QCOMPARE(game->compmoves->text(), QStringLiteral("592"));
    QCOMPARE(game->stages->currentRow(), 3);
    QCOMPARE(game->match.turns(), 3);
    // A taken cell ignores the click.
    QTest::mouseClick(game->cell(5), Qt::LeftButton);
    QCOMPARE(game->yourmoves->text(), QStringLiteral("13"));
    QCOMPARE(game->cell(5)->text(), QStringLiteral("O"));

    game->compmovefirst_Click();
    QCOMPARE(game->match.turns(), 2);
    QCOMPARE(game->compmoves->text(), QStringLiteral("592"));

    game->compsignbox->setText(QStringLiteral("X"));
    game->clock_Timer();
    QCOMPARE(game->compsignbox->text(), QStringLiteral("???"));
    QCOMPARE(game->match.compsign(), QStringLiteral("O"));
    game->startreset_Click();
    QCOMPARE(game->match.compsign(), QStringLiteral("???"));

    // An emptied computer's sign changes no caption, so its record gains no cell.
    game->compsignbox->clear();
    game->startreset_Click();
    QTest::mouseClick(game->cell(1), Qt::LeftButton);
    QCOMPARE(game->yourmoves->text(), QStringLiteral("1"));
    QCOMPARE(game->compmoves->text(), QString());
}

void TictacTest::strategiesarekeptandused() {
    fixture->writefile("brain.dat", "\"759\"\r\n\"3572\"\n\"4\",\"6\"\r\n");
    open();
    QCOMPARE(game->strategies(), (QStringList{"759", "3572", "4", "6"}));
    QCOMPARE(rows(game->strategylist), game->strategies());
    QVERIFY(game->strategylist->isHidden());

    winonce();
    winonce();
    QCOMPARE(filebytes(folder() + "brain.dat"),
             QByteArray("\"759\"\r\n\"3572\"\n\"4\",\"6\"\r\n\"123\"\r\n\"123\"\r\n"));
    QCOMPARE(rows(game->strategylist), (QStringList{"759", "3572", "4", "6", "123", "123"}));
    QVERIFY(game->strategylearned->isVisible() && game->learnedclock->isActive());
    game->learnedclock_Timer();
    QVERIFY(!game->strategylearned->isVisible() && !game->learnedclock->isActive());

    // Used from the next game on: after the player's 1 it expects the 2 that beat it.
    setboard("....O....", "", "5", 1);
    QTest::mouseClick(game->cell(1), Qt::LeftButton);
    QCOMPARE(game->cell(2)->text(), QStringLiteral("O"));
    QCOMPARE(game->stages->currentRow(), 4);

    // A new window reads them all back.
    closewindow();
    open();
    QCOMPARE(game->strategies().size(), 6);
}

void TictacTest::clicksandclosingduringalongsearch() {
    QByteArray brain;
    for (int i = 0; i < 3000; ++i)
        brain += "\"2468\"\r\n";
    fixture->writefile("brain.dat", brain);
    open();
    game->scanpausens = 0;

    // Clicks while the reply searches are dropped; the reply still takes exactly one cell.
    setboard("....O....", "", "5", 1);
    fixture->random.draws << 0.2;
    int turnsinscan = 0;
    QTimer::singleShot(0, game, [&] {
        ++turnsinscan;
        QTest::mouseClick(game->cell(1), Qt::LeftButton);
        game->startreset_Click();
        game->compmovefirst_Click();
    });
    QTest::mouseClick(game->cell(9), Qt::LeftButton);
    QCOMPARE(turnsinscan, 1);
    QCOMPARE(game->board(), (Board{"", "O", "", "", "O", "", "", "", "X"}));
    QCOMPARE(game->yourmoves->text() + "/" + game->compmoves->text(), QStringLiteral("9/52"));

    // Closing in the middle of the search ends the reply with the window, even when the window
    // is gone before the search resumes.
    setboard("....O....", "", "5", 1);
    QTimer::singleShot(0, game, [&] {
        game->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    game->cell_Click(9);
    QVERIFY(!game);
}

QTEST_MAIN(TictacTest)
#include "tictac_test.moc"
