#include "career/career.h"
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "competition/frmcomp.h"
#include "samples/careerstaging.h"
#include "shell/form1.h"
#include "support/form1fixture.h"
#include "tictactoe/tictac.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <limits>

// The main window through the days: the days left, Next Day and the flights that pass one, the
// once-a-day commands, and time running out.
class Form1DayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void label6showsdaysleft_data();
    void label6showsdaysleft();
    void keyboardstaysonthebutton_data();
    void keyboardstaysonthebutton();
    void newcareeropensitsday();
    void onceadaycommands();
    void nextdayshowsandopenstheday();
    void timeupendsthegame_data();
    void timeupendsthegame();
    void flightsasked();

private:
    Form1Fixture* fixture = nullptr;
    Form1* form = nullptr;
};

void Form1DayTest::init() {
    fixture = new Form1Fixture(Form1Fixture::Fresh);
    form = &fixture->form;
}

void Form1DayTest::cleanup() {
    delete fixture;
}

void Form1DayTest::label6showsdaysleft_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("shown");
    QTest::newRow("new game") << 0 << 0 << "15";
    QTest::newRow("rank 2 day 7") << 2 << 7 << "18";
    QTest::newRow("past the limit") << 0 << 17 << "-2";
    QTest::newRow("rank far above 8") << 30000 << 0 << "150015";
    QTest::newRow("most negative days") << 0 << std::numeric_limits<qint32>::min() << "2147483663";
}

void Form1DayTest::label6showsdaysleft() {
    QFETCH(int, rank);
    QFETCH(int, days);
    QFETCH(QString, shown);
    staged(form->career).setstate({{}, static_cast<qint16>(rank), 0, days, 0});
    form->showdaysleft();
    QCOMPARE(form->daysleft->text(), shown);
}

// The log takes the focus for its entries; the player's place stays on the button pressed.
void Form1DayTest::keyboardstaysonthebutton_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Next Day") << "Command4";
    QTest::newRow("Fly away") << "Command3";
}

void Form1DayTest::keyboardstaysonthebutton() {
    QFETCH(QString, button);
    fixture->dialogs.inputs << "Ace";
    form->startnewgame();
    auto* pressed = form->findChild<QPushButton*>(button);
    pressed->setFocus();
    fixture->dialogs.answers << MsgResult::Yes;
    if (pressed == form->nextday)
        QTest::keyClick(pressed, Qt::Key_Space);
    else
        form->countryitem(Country::Malaysia)->trigger();
    QCOMPARE(form->career->days(), 1);
    QCOMPARE(form->focusWidget(), pressed);
}

// A career begun on the day number of the last one still opens the day's activities.
void Form1DayTest::newcareeropensitsday() {
    form->startnewgame();
    form->career->use(Activity::RewardBag);
    form->playtictactoe();
    form->checkcompetitions();
    form->newgame->trigger();
    QVERIFY(form->rewardbag->isEnabled() && form->tictactoe->isEnabled() &&
            form->checkcompetition->isEnabled());
    QVERIFY(form->competition->isEnabled());
}

// Tic-tac-toe and the competition list open once a day: a refresh leaves their commands off, a
// hidden window stays hidden, and the next day brings them back and draws the list afresh, into
// a new window should the last one go during the draw.
void Form1DayTest::onceadaycommands() {
    staged(form->career).updatestatus();
    form->tictactoe->trigger();
    form->competition->click();
    tictac* game = form->tictacwindow;
    QVERIFY(game->isVisible() && form->competitionlist->isVisible());
    const auto usable = [this] {
        return QList<bool>{form->tictactoe->isEnabled(), form->competition->isEnabled(),
                           form->checkcompetition->isEnabled()};
    };
    staged(form->career).updatestatus();
    QCOMPARE(usable(), QList<bool>(3, false));
    game->hide();
    game->namebox->setText(QStringLiteral("kept"));
    form->tictactoe->trigger();
    QVERIFY(!game->isVisible());

    QTimer::singleShot(0, form->competitionlist, [this] { delete form->competitionlist; });
    staged(form->career).setstate({{}, 0, 0, 1, 0});
    QCOMPARE(usable(), QList<bool>(3, true));
    QVERIFY(!form->competitionlist);
    // Shown again without loading anew.
    form->tictactoe->trigger();
    QVERIFY(game->isVisible());
    QCOMPARE(game->namebox->text(), QStringLiteral("kept"));
    QCOMPARE(game->stages->count(), 6);
    fixture->random.draws << 0.99;
    staged(form->career).setstate({{}, 0, 0, 2, 0});
    QCOMPARE(form->competitionlist->country->count(), 5);
}

// Next Day shows the day passed, and its new day count brings back the once-a-day commands.
void Form1DayTest::nextdayshowsandopenstheday() {
    form->startnewgame();
    for (Activity used : {Activity::RewardBag, Activity::TicTacToe, Activity::Competition})
        form->career->use(used);
    form->nextday->click();
    QCOMPARE(form->showndays->text(), QStringLiteral("1"));
    QVERIFY(form->rewardbag->isEnabled() && form->tictactoe->isEnabled() &&
            form->checkcompetition->isEnabled() && form->competition->isEnabled());
}

// A day asked for when time is up, by Next Day or by a flight, ends the program in failure,
// with nothing for the hall of fame.
void Form1DayTest::timeupendsthegame_data() {
    QTest::addColumn<bool>("flight");
    QTest::newRow("Next Day") << false;
    QTest::newRow("a flight") << true;
}

void Form1DayTest::timeupendsthegame() {
    QFETCH(bool, flight);
    form->startnewgame();
    fixture->setcareer({QStringLiteral("Ace"), 0, 1000, 15, 0});
    fixture->dialogs.answers << MsgResult::Yes;
    if (flight)
        form->countryitem(Country::China)->trigger();
    else
        form->nextday->click();
    const QList<ShownBox> boxes = fixture->dialogs.shown.mid(flight ? 1 : 0);
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[0].text, QStringLiteral("Game Over! Time's Up!"));
    QCOMPARE(boxes[0].title, QStringLiteral("Game Over"));
    QCOMPARE(boxes[0].icon, MsgIcon::Error);
    QCOMPARE(boxes[1].text, QStringLiteral("You failed your objectives! You are a loser!"));
    QCOMPARE(boxes[1].title, QStringLiteral("Loser!"));
    QCOMPARE(boxes[1].icon, MsgIcon::Error);
    QCOMPARE(fixture->endings, 1);
    QCOMPARE(form->eventlog->text(), QStringLiteral(" "));
    QVERIFY(!QFile::exists(fixture->folder() + "hall.dat"));
}

// A flight asks first, and the mark of the Country menu rests where the player is.
void Form1DayTest::flightsasked() {
    form->startnewgame();
    fixture->setcareer({QStringLiteral("Ace"), 0, 900, 0, 0});
    const auto marked = [this] {
        QStringList names;
        for (QAction* item : form->countrymenu->actions())
            if (item->isChecked())
                names << item->objectName();
        return names.join(',');
    };
    fixture->dialogs.answers << MsgResult::No;
    form->countryitem(Country::America)->trigger();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(fixture->dialogs.shown[0].text, QStringLiteral("Are you sure you want to fly there?"));
    QCOMPARE(fixture->dialogs.shown[0].title, QStringLiteral("Fly!"));
    QCOMPARE(fixture->dialogs.shown[0].icon, MsgIcon::Exclamation);
    QCOMPARE(fixture->dialogs.shown[0].buttons, MsgButtons::YesNo);
    QCOMPARE(marked(), QStringLiteral("singapore"));
    fixture->dialogs.answers << MsgResult::Yes;
    form->countryitem(Country::America)->trigger();
    QCOMPARE(marked(), QStringLiteral("america"));
    QCOMPARE(form->shownmoney->text(), QStringLiteral("100"));
    QVERIFY(form->eventlog->text().endsWith("You arrived in america!\r\n"));
    // Where the player is already, a click does nothing, and asks nothing.
    form->countryitem(Country::America)->trigger();
    QCOMPARE(marked(), QStringLiteral("america"));
    QCOMPARE(fixture->dialogs.shown.size(), 2);
    form->countryitem(Country::Malaysia)->trigger();
    QCOMPARE(fixture->dialogs.shown.size(), 3);
    QCOMPARE(fixture->dialogs.shown[2].text, QStringLiteral("Not enough money!"));
    QCOMPARE(fixture->dialogs.shown[2].title, QStringLiteral("Pok Kia!"));
    QCOMPARE(fixture->dialogs.shown[2].icon, MsgIcon::Error);
    QCOMPARE(marked(), QStringLiteral("america"));
}

QTEST_MAIN(Form1DayTest)
#include "form1_day_test.moc"
