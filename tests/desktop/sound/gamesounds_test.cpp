// What the player hears, and where: each event in the window it happens in, and the Sound menu
// with a wrong key in practice ticking only while the tick is on.
#include "battledisk/frmdisk.h"
#include "coach/frmcoach.h"
#include "competition/frmcars.h"
#include "services/frmgame.h"
#include "sound/soundmenu.h"
#include "support/form1fixture.h"
#include "tictactoe/tictac.h"
#include "typing/frmp.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Drive = std::function<void(Form1Fixture&)>;
Q_DECLARE_METATYPE(Drive)
Q_DECLARE_METATYPE(Sound)

class GameSoundsTest : public QObject {
    Q_OBJECT
private slots:
    void events_data();
    void events();
    void wrongkeytickfollowsthemenu();
    void switchesreadonoroff_data();
    void switchesreadonoroff();
};

namespace {

frmcars* startrace(Form1Fixture& f, RaceLevel level) {
    frmcars* race = f.form.race();
    race->startgame(100);
    race->setlevel(level);
    race->start_Click();
    return race;
}

tictac* tictacat(Form1Fixture& f, const QString& cells, const QString& yours,
                 const QString& computers, qint16 turns) {
    f.form.playtictactoe();
    tictac* game = f.form.tictacwindow;
    game->startreset_Click();
    Board board;
    for (int k = 1; k <= 9; ++k)
        board[static_cast<std::size_t>(k - 1)] =
            cells[k - 1] == u'.' ? QString() : QString(cells[k - 1]);
    game->match.setgame(board, yours, computers, turns);
    game->showgame();
    return game;
}

void duel(Form1Fixture& f, bool playerwins) {
    frmdisk race;
    playerwins ? race.mewin() : race.diskwin();
    while (f.dialogs.shown.isEmpty())
        playerwins ? race.mewin1_Timer() : race.diskwin1_Timer();
}

void gamble(Form1Fixture& f) {
    f.form.playdoubleornothing();
    frmgame* game = f.form.gamewindow;
    game->betmoney->setCurrentIndex(game->betmoney->findText("10"));
    game->play->click();
    f.random.draws << 0.5 << 0.0;
    game->continuebetting->click();
    game->continuebetting->click();
}

// The draw that gives lot r of the reward bag, and day event n.
double lot(int r) {
    return (r - 0.5) / 20;
}
double dayevent(int n) {
    return (n - 0.5) / 14;
}

} // namespace

void GameSoundsTest::events_data() {
    QTest::addColumn<Drive>("drive");
    QTest::addColumn<QList<Sound>>("heard");
    QTest::newRow("race won") << Drive([](Form1Fixture& f) {
        frmcars* race = startrace(f, RaceLevel::Easy);
        for (int i = 0; i < 35; ++i)
            QTest::keyClicks(race->typingbox, race->target->text());
        race->clock_Timer();
    }) << QList{Sound::RaceStart, Sound::RaceWon};
    QTest::newRow("race lost") << Drive([](Form1Fixture& f) {
        frmcars* race = startrace(f, RaceLevel::Expert);
        while (f.dialogs.shown.isEmpty())
            race->clock_Timer();
    }) << QList{Sound::RaceStart, Sound::RaceLost};
    QTest::newRow("practice exercise ended") << Drive([](Form1Fixture& f) {
        f.form.opentraining();
        f.form.practicewindow->startrestart->click();
        f.form.practicewindow->startrestart->click();
    }) << QList{Sound::ExerciseEnded};
    QTest::newRow("coach's drill ended") << Drive([](Form1Fixture& f) {
        f.form.coach->trigger();
        frmcoach* coach = f.form.coachwindow;
        coach->finishloading();
        coach->startstop->click();
        coach->startstop->click();
    }) << QList{Sound::DrillEnded};
    QTest::newRow("double or nothing doubled, then lost")
        << Drive(gamble) << QList{Sound::GambleWon, Sound::GambleLost};
    QTest::newRow("tic-tac-toe won, a strategy learned") << Drive([](Form1Fixture& f) {
        f.random.draws << 0.0;
        QTest::mouseClick(tictacat(f, "XX.OO....", "12", "45", 2)->cell(3), Qt::LeftButton);
    }) << QList{Sound::TicTacWon, Sound::StrategyLearned};
    QTest::newRow("tic-tac-toe lost") << Drive([](Form1Fixture& f) {
        f.random.draws << 0.9;
        QTest::mouseClick(tictacat(f, "OX..O....", "2", "15", 2)->cell(3), Qt::LeftButton);
    }) << QList{Sound::TicTacLost};
    QTest::newRow("tic-tac-toe drawn") << Drive([](Form1Fixture& f) {
        f.random.draws << 0.0;
        QTest::mouseClick(tictacat(f, "XOXXOOOX.", "1478", "2563", 4)->cell(9), Qt::LeftButton);
    }) << QList{Sound::TicTacDrawn};
    QTest::newRow("duel won") << Drive([](Form1Fixture& f) { duel(f, true); })
                              << QList{Sound::DuelWon};
    QTest::newRow("duel lost") << Drive([](Form1Fixture& f) { duel(f, false); })
                               << QList{Sound::DuelLost};
    QTest::newRow("reward bag: $40") << Drive([](Form1Fixture& f) {
        f.random.draws << lot(4);
        f.form.rewardbag->trigger();
    }) << QList{Sound::BagWindfall};
    QTest::newRow("reward bag: a ghost took $50") << Drive([](Form1Fixture& f) {
        f.random.draws << lot(6);
        f.form.rewardbag->trigger();
    }) << QList{Sound::BagMishap};
    QTest::newRow("reward bag: nothing") << Drive([](Form1Fixture& f) {
        f.random.draws << lot(1);
        f.form.rewardbag->trigger();
    }) << QList<Sound>();
    QTest::newRow("next day: money found") << Drive([](Form1Fixture& f) {
        f.random.draws << dayevent(13) << 0.5;
        f.form.nextday->click();
    }) << QList{Sound::MoneyFound};
    QTest::newRow("hired at rank 8") << Drive([](Form1Fixture& f) {
        f.setcareer({QStringLiteral("Ace"), 8, 250, 3, 260});
        f.form.checkobjective();
    }) << QList{Sound::CareerWon};
    QTest::newRow("time up") << Drive([](Form1Fixture& f) {
        f.setcareer({QStringLiteral("Ace"), 0, 250, 15, 0});
        f.form.nextday->click();
    }) << QList{Sound::CareerLost};
}

// Each event is heard once, where it happens, as the game sounds are at first.
void GameSoundsTest::events() {
    QFETCH(Drive, drive);
    QFETCH(QList<Sound>, heard);
    Form1Fixture fixture;
    fixture.writefile("avg.txt", "\"alpha\"\r\n\"Bravo\"\r\n");
    fixture.writefile("easy.txt", "\"apple\"\r\n");
    drive(fixture);
    QCOMPARE(fixture.sounds.heard, heard);
}

// The Sound menu keeps each choice in sound.dat, and a wrong key in practice ticks only while
// "Wrong-key tick" is on and nothing is muted.
void GameSoundsTest::wrongkeytickfollowsthemenu() {
    Form1Fixture fixture;
    fixture.writefile("easy.txt", "\"apple\"\r\n");
    SoundMenu* menu = fixture.form.soundmenu;
    // Under Others, after its separator, the Language menu after it.
    const QList<QAction*> others = fixture.form.othersmenu->actions();
    QCOMPARE(others.at(others.size() - 2), menu->menuAction());
    QCOMPARE(menu->title(), QStringLiteral("So&und"));
    QVERIFY(menu->gamesounds->isChecked() && !menu->wrongkeytick->isChecked() &&
            !menu->keyclicks->isChecked() && !menu->mute->isChecked());
    QVERIFY(menu->volumes.at(1)->isChecked());

    fixture.form.opentraining();
    frmp* practice = fixture.form.practicewindow;
    practice->startrestart->click();
    QTest::keyClicks(practice->typingbox, "ax");
    QVERIFY(fixture.sounds.heard.isEmpty());

    menu->wrongkeytick->trigger();
    menu->volumes.at(3)->trigger();
    QTest::keyClicks(practice->typingbox, "zp");
    QCOMPARE(fixture.sounds.heard, (QList{Sound::WrongKey, Sound::WrongKey}));
    QCOMPARE(fixture.sounds.volumes.last(), 1.0);
    QByteArray kept;
    QVERIFY(readwholefile(fixture.folder() + "sound.dat", kept));
    QCOMPARE(kept, "\"keystrider-sound\",1,\"game\",1,\"wrongkey\",1,\"clicks\",0,\"volume\",100,"
                   "\"mute\",0\r\n");

    // Ctrl+M mutes from the window typed in, and again lets be heard.
    practice->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(practice));
    QTest::keyClick(practice->typingbox, Qt::Key_M, Qt::ControlModifier);
    QVERIFY(menu->mute->isChecked());
    QTest::keyClicks(practice->typingbox, "q");
    QTest::keyClick(practice->typingbox, Qt::Key_M, Qt::ControlModifier);
    QVERIFY(!menu->mute->isChecked());
    menu->wrongkeytick->trigger();
    QTest::keyClicks(practice->typingbox, "q");
    QCOMPARE(fixture.sounds.heard.size(), 2);
    QVERIFY(fixture.dialogs.shown.isEmpty());

    // The next start takes the choice kept; one that can't be kept is said once, and a file
    // that can't be read is not written over.
    menu->keyclicks->trigger();
    SoundMenu* again = fixture.another()->soundmenu;
    QVERIFY(again->keyclicks->isChecked() && !again->wrongkeytick->isChecked());
    QVERIFY(QFile::remove(fixture.folder() + "sound.dat"));
    QVERIFY(QDir(fixture.folder()).mkdir("sound.dat"));
    SoundMenu* unread = fixture.another()->soundmenu;
    QVERIFY(unread->gamesounds->isChecked() && !unread->keyclicks->isChecked());
    unread->gamesounds->trigger();
    unread->gamesounds->trigger();
    QCOMPARE(fixture.dialogs.texts(),
             QStringList{"sound.dat could not be read: it is a folder, a device or a pipe, not a "
                         "file. The sound settings chosen are not kept."});
    QVERIFY(QFileInfo(fixture.folder() + "sound.dat").isDir());
}

void GameSoundsTest::switchesreadonoroff_data() {
    QTest::addColumn<QString>("item"); // the object name of a switch, or a volume's step
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("on");
    // clang-format off
    QTest::newRow("Game sounds")    << "gamesounds"   << "Game sounds"    << int(QAccessible::CheckBox)    << true;
    QTest::newRow("Wrong-key tick") << "wrongkeytick" << "Wrong-key tick" << int(QAccessible::CheckBox)    << false;
    QTest::newRow("Key clicks")     << "keyclicks"    << "Key clicks"     << int(QAccessible::CheckBox)    << false;
    QTest::newRow("Mute")           << "mute"         << "Mute"           << int(QAccessible::CheckBox)    << false;
    QTest::newRow("a volume step")  << "50"           << "50 %"           << int(QAccessible::RadioButton) << true;
    // clang-format on
}

// A screen reader meets each switch of the Sound menu as one, on or off as it is, and hears it
// change; a volume step as one of a choice.
void GameSoundsTest::switchesreadonoroff() {
    QFETCH(QString, item);
    QFETCH(bool, on);
    Form1Fixture fixture;
    SoundMenu* menu = fixture.form.soundmenu;
    QMenu* holder = item == QLatin1String("50") ? menu->volumemenu : static_cast<QMenu*>(menu);
    QAction* action =
        item == QLatin1String("50") ? menu->volumes.at(1) : menu->findChild<QAction*>(item);
    QVERIFY(action);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(holder);
    QAccessibleInterface* read = list->child(int(holder->actions().indexOf(action)));
    QVERIFY(read && read->object() == action);
    QTEST(read->text(QAccessible::Name), "name");
    QTEST(int(read->role()), "role");
    QVERIFY(read->state().checkable);
    QCOMPARE(bool(read->state().checked), on);
    QCOMPARE(read->parent()->object(), holder);
    action->trigger();
    QCOMPARE(bool(read->state().checked), action->isChecked());
}

QTEST_MAIN(GameSoundsTest)
#include "gamesounds_test.moc"
