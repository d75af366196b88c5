#include "career/career.h"
#include "common/filename.h"
#include "common/logbox.h"
#include "common/program.h"
#include "common/watchlabel.h"
#include "samples/careerstaging.h"
#include "saves/loa.h"
#include "saves/sav.h"
#include "shell/form1.h"
#include "shell/frmstart.h"
#include "support/accessiblelabels.h"
#include "support/form1fixture.h"
#include "support/gamelist.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextDocumentFragment>

namespace {
const QString objectives = QStringLiteral(" Objectives: To raise to Typist Rank 8 so that\r\n"
                                          "you will be hired by QuendleSoft as a typist or\r\n"
                                          "get $25000 cash to bribe QuendleSoft to give you\r\n"
                                          "the job!\r\n"
                                          "\r\n"
                                          "Each rank promotion gives you extra days of game!\r\n");
}

Q_DECLARE_METATYPE(MsgResult)

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsupHiddenWithSaveDisabled();
    void newgameaskesuntilanameisgiven();
    void newgameshowsthefreshcareer();
    void newgameduringagameclearsthelog();
    void logappendsattheendwhateverisselected();
    void closeboxandexitendtheprogram();
    void menusareintheirorder();
    void startwindowstandsinforthemenu();
    void popupsopenatthebutton();
    void longnameshowswholeinitstooltip_data();
    void longnameshowswholeinitstooltip();
    void cancelatstartupgoesback();
    void focuscomesbackfromthemenubar_data();
    void focuscomesbackfromthemenubar();
    void loadatstartup();
    void abandoningthecareer_data();
    void abandoningthecareer();

private:
    Form1Fixture* fixture = nullptr;
    Form1* form = nullptr;
};

void Form1Test::init() {
    fixture = new Form1Fixture(Form1Fixture::Fresh);
    form = &fixture->form;
}

void Form1Test::cleanup() {
    delete fixture;
}

void Form1Test::startsupHiddenWithSaveDisabled() {
    form->Form_Load();
    QVERIFY(!form->isVisible());
    QVERIFY(!form->savegame->isEnabled());
    QCOMPARE(form->apppath, fixture->folder());
    QVERIFY(form->countryitem(Country::Singapore)->isChecked());
    QVERIFY(!form->endgame->isVisible());
    QVERIFY(form->daysleftclock->isActive());
    QVERIFY(form->objectiveclock->isActive());
    form->filemenu->hide();
}

void Form1Test::newgameaskesuntilanameisgiven() {
    fixture->dialogs.inputs << ""
                            << "李小龍 Bob"
                            << "  ";
    form->startnewgame();
    QCOMPARE(fixture->dialogs.shown.size(), 4);
    for (int i : {0, 1, 3}) {
        const ShownBox& box = fixture->dialogs.shown[i];
        QVERIFY(box.isinput);
        QCOMPARE(box.text, QStringLiteral("Enter name you want:"));
        QCOMPARE(box.title, QStringLiteral("Enter Name"));
    }
    // A name the files would keep as '?' is refused, and the prompt comes back.
    const ShownBox& refusal = fixture->dialogs.shown[2];
    QVERIFY(!refusal.isinput);
    QCOMPARE(refusal.text, namelettersmessage());
    QCOMPARE(refusal.title, QStringLiteral("Enter Name"));
    QCOMPARE(refusal.icon, MsgIcon::Error);
    // A name of blanks is a name.
    QCOMPARE(form->career->playername(), QStringLiteral("  "));
}

void Form1Test::newgameshowsthefreshcareer() {
    form->Form_Load();
    form->filemenu->hide();
    fixture->dialogs.inputs << "Ace";
    form->startnewgame();
    QVERIFY(form->isVisible());
    QVERIFY(form->savegame->isEnabled());
    QCOMPARE(form->shownname->text(), QStringLiteral("Ace"));
    QCOMPARE(form->shownrank->text(), QStringLiteral("0"));
    QCOMPARE(form->shownmoney->text(), QStringLiteral("250"));
    QCOMPARE(form->showndays->text(), QStringLiteral("0"));
    QCOMPARE(form->showntraining->text(), QStringLiteral("0"));
    form->showdaysleft();
    QCOMPARE(form->daysleft->text(), QStringLiteral("15"));
    QCOMPARE(form->eventlog->text(), objectives);
    // The status is read by a screen reader as it shows.
    QCOMPARE(misreadlabels(form), QStringList());
}

void Form1Test::newgameduringagameclearsthelog() {
    form->startnewgame();
    staged(form->career).updatelog("Something happened");
    staged(form->career).changemoneyby(8750);
    form->countryitem(Country::Malaysia)->setChecked(true);
    form->countryitem(Country::Singapore)->setChecked(false);
    fixture->dialogs.answers << MsgResult::Yes;
    fixture->dialogs.inputs << "Bee";
    form->startnewgame();
    QCOMPARE(fixture->dialogs.shown.at(1).text,
             QStringLiteral("Abandon Tester's career? It has not been saved since it changed."));
    QCOMPARE(form->eventlog->text(), objectives);
    QCOMPARE(form->shownmoney->text(), QStringLiteral("250"));
    QVERIFY(form->countryitem(Country::Malaysia)->isChecked());
}

void Form1Test::logappendsattheendwhateverisselected() {
    form->eventlog->setText("first line\r\nsecond line\r\n");
    QTextCursor c = form->eventlog->textCursor();
    c.setPosition(2);
    c.setPosition(8, QTextCursor::KeepAnchor);
    form->eventlog->setTextCursor(c);
    staged(form->career).updatelog("third");
    QCOMPARE(form->eventlog->text(), QStringLiteral("first line\r\nsecond line\r\nthird\r\n"));
    QCOMPARE(form->eventlog->textCursor().position(),
             form->eventlog->document()->characterCount() - 1);
    QVERIFY(!form->eventlog->textCursor().hasSelection());
}

void Form1Test::closeboxandexitendtheprogram() {
    // The start window's close box is Exit too.
    form->Form_Load();
    form->filemenu->hide();
    QCoreApplication::processEvents();
    QVERIFY(form->startwindow);
    form->startwindow->close();
    QCOMPARE(fixture->endings, 1);
    resetprogramended();
    fixture->endings = 0;
    form->loaded();
    QVERIFY(!form->close());
    QCOMPARE(fixture->endings, 1);
    form->exitprogram->trigger();
    QCOMPARE(fixture->endings, 2);
    form->exitgame->click();
    QCOMPARE(fixture->endings, 3);
}

void Form1Test::menusareintheirorder() {
    QStringList bar;
    for (QAction* a : form->menuBar()->actions())
        if (a->isVisible())
            bar << a->text();
    QCOMPARE(bar, (QStringList{"&File", "&Country", "Cheat Input", "Two Playes", "&Others"}));
    QVERIFY(!form->servicesmenu->menuAction()->isVisible());
    QStringList file;
    for (QAction* a : form->filemenu->actions())
        file << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(file, (QStringList{"&New", "-", "&Save", "&Load", "-", "&Exit"}));
    QStringList services;
    for (QAction* a : form->servicesmenu->actions())
        services << a->text();
    QCOMPARE(services, (QStringList{"&Time machine", "&Mysterious Reward Bag",
                                    "&Vivovu Dev Ezi Doz", "&Double or Nothing"}));
}

void Form1Test::startwindowstandsinforthemenu() {
    form->Form_Load();
    QVERIFY(form->filemenu->isVisible());
    form->filemenu->hide();
    QCoreApplication::processEvents();
    // Dismissed, the pop-up stays away: a window of the game's own offers the same choices.
    QVERIFY(!form->filemenu->isVisible());
    frmstart* start = form->startwindow;
    QVERIFY(start && start->isVisible() && !form->isVisible());
    QCOMPARE(start->windowTitle(), QStringLiteral("Keystrider"));
    QCOMPARE(start->windowType(), Qt::Window);
    // Centred up to the frame the window manager adds after the placement.
    QVERIFY((start->frameGeometry().center() -
             QGuiApplication::primaryScreen()->availableGeometry().center())
                .manhattanLength() <= 4);
    QStringList captions;
    for (QPushButton* b : {start->cmdnew, start->cmdload, start->cmdexit})
        captions << QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
    QCOMPARE(captions, (QStringList{"New", "Load", "Exit"}));

    // By keyboard: Load opens the Load dialog in the window's place; leaving it unused brings
    // the window back.
    start->cmdload->setFocus();
    QTest::keyClick(start->cmdload, Qt::Key_Return);
    QVERIFY(form->loadwindow && form->loadwindow->isVisible() && !start->isVisible());
    form->loadwindow->close();
    QCoreApplication::processEvents();
    QVERIFY(start->isVisible() && !form->filemenu->isVisible());

    // A game started from it closes it for good, without ending the program.
    fixture->dialogs.inputs << "Ace";
    start->cmdnew->setFocus();
    QTest::keyClick(start->cmdnew, Qt::Key_Enter);
    QVERIFY(form->isVisible() && !start->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QVERIFY(!form->startwindow && !form->filemenu->isVisible());
    QCOMPARE(fixture->endings, 0);
}

// Pressed from the keyboard with the pointer elsewhere, the buttons open their menus at
// themselves; a click opens them at the pointer.
void Form1Test::popupsopenatthebutton() {
    form->loaded();
    QCursor::setPos(form->mapToGlobal(QPoint(form->width() + 200, 5)));
    for (auto [button, menu] : {std::pair{form->services, form->servicesmenu},
                                std::pair{form->flyaway, form->countrymenu}}) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), button->mapToGlobal(QPoint(0, button->height())));
        menu->hide();
        const QPoint inside = button->mapToGlobal(QPoint(10, 5));
        QCursor::setPos(inside);
        button->click();
        QCOMPARE(menu->pos(), inside);
        menu->hide();
        QCursor::setPos(form->mapToGlobal(QPoint(form->width() + 200, 5)));
    }
}

void Form1Test::longnameshowswholeinitstooltip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short") << "Ace" << false;
    QTest::newRow("long") << "Maximiliane Wolkenstein-Rabenhorst" << true;
    QTest::newRow("markup") << "<img src='/dev/zero'> padding padding padding" << true;
}

void Form1Test::longnameshowswholeinitstooltip() {
    QFETCH(QString, name);
    QFETCH(bool, cut);
    staged(form->career).setstate({name, 0, 0, 0, 0});
    QCOMPARE(form->shownname->text(), name);
    QCOMPARE(form->shownname->iscut(), cut);
    // Shown as the text it is, never as markup.
    QCOMPARE(QTextDocumentFragment::fromHtml(form->shownname->toolTip()).toPlainText(),
             cut ? name : QString());
    QVERIFY(!form->shownname->toolTip().contains("<img"));
    // The keyboard has no tooltip: a screen reader hears the whole name with the panel.
    QCOMPARE(form->statuspanel->accessibleDescription(), "Name: " + name);
}

// Cancel at the name prompt of the start backs out to where New was chosen: the File pop-up, or
// the start window once the pop-up went.
void Form1Test::cancelatstartupgoesback() {
    form->Form_Load();
    fixture->dialogs.inputs << QString() << QString();
    form->filemenu->hide();
    form->newgame->trigger();
    QCoreApplication::processEvents();
    QVERIFY(form->filemenu->isVisible() && !form->startwindow);
    form->filemenu->hide();
    QCoreApplication::processEvents();
    form->startwindow->cmdnew->click();
    QCoreApplication::processEvents();
    QVERIFY(form->startwindow->isVisible() && !form->isVisible() && !form->filemenu->isVisible());
}

// After a command of the menu bar the focus goes back where it was, not to the bar.
void Form1Test::focuscomesbackfromthemenubar_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Cheat Input") << "cheater";
    QTest::newRow("Save") << "saver";
}

void Form1Test::focuscomesbackfromthemenubar() {
    QFETCH(QString, command);
    form->startnewgame();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->flyaway->setFocus();
    // Alt or F10 gives the bar the focus; the command's box or window then takes it away.
    form->menuBar()->setFocus(Qt::MenuBarFocusReason);
    form->findChild<QAction*>(command)->trigger();
    if (form->savewindow)
        form->savewindow->filename->setText("mine"), form->savewindow->button->click();
    // The window comes back to the front with the bar as its focus.
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(form->menuBar(), &back);
    QCoreApplication::processEvents();
    QCOMPARE(form->focusWidget(), form->flyaway);
}

void Form1Test::loadatstartup() {
    Form1& form = *this->form;
    const QByteArray log = "Day one, quiet\r\n\r\n\r\nDay two\r\n";
    fixture->writefile("old.kvr", "\"Old Timer\",1500,0,3,\"" + log + "\",\"30\"\r\n");
    fixture->writefile("bad.kvr", "\"Old Timer\",lots,0,3,\"log\",\"30\"\r\n");
    form.Form_Load();
    form.countryitem(Country::Malaysia)->setChecked(true);
    form.countryitem(Country::Singapore)->setChecked(false);
    // "&Load" on the start-up menu: the dialog opens and nothing else comes up on top of it
    // while the main window is still hidden.
    QVERIFY(form.filemenu->isVisible());
    form.filemenu->hide();
    form.loadgame->trigger();
    QCoreApplication::processEvents();
    QVERIFY(form.loadwindow && form.loadwindow->isVisible());
    QVERIFY(!form.startwindow && !form.filemenu->isVisible() && !form.isVisible());
    // Leaving the dialog unused, by its button or its close box, gives way to the start window,
    // whose Load opens the dialog again.
    auto loadfromstartwindow = [&] {
        QCoreApplication::processEvents();
        if (!form.startwindow || !form.startwindow->isVisible())
            return false;
        form.startwindow->cmdload->click();
        return form.loadwindow && form.loadwindow->isVisible() && !form.startwindow->isVisible() &&
               !form.filemenu->isVisible() && !form.isVisible();
    };
    // The list picked its first game as it took the focus; with none picked, nothing loads.
    form.loadwindow->games->clearSelection();
    form.loadwindow->button->click();
    QCOMPARE(fixture->dialogs.shown.last().text, QStringLiteral("No path name given."));
    QVERIFY(loadfromstartwindow());
    form.loadwindow->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form.loadwindow);

    // A damaged file is refused whole; the dialog stays for another pick.
    QVERIFY(loadfromstartwindow());
    loa* dialog = form.loadwindow;
    QCOMPARE(listedgames(dialog), (QStringList{"bad.kvr", "old.kvr"}));
    pickgame(dialog, "bad.kvr");
    dialog->button->click();
    QCOMPARE(fixture->dialogs.shown.last().text,
             QStringLiteral("bad.kvr can't be loaded: its money is not a whole number."));
    QCOMPARE(fixture->dialogs.shown.last().icon, MsgIcon::Error);
    QVERIFY(dialog->isVisible());
    QVERIFY(!form.isVisible());
    QCOMPARE(form.shownmoney->text(), QString());
    QCOMPARE(form.shownname->text(), QString());

    form.career->use(Activity::RewardBag);
    form.career->use(Activity::Competition);
    pickgame(dialog, "old.kvr");
    dialog->button->click();
    QCoreApplication::processEvents();
    QVERIFY(form.isVisible());
    QVERIFY(!form.filemenu->isVisible());
    QVERIFY(!form.startwindow || !form.startwindow->isVisible());
    QVERIFY(form.savegame->isEnabled());
    QCOMPARE(form.shownname->text(), QStringLiteral("Old Timer"));
    QCOMPARE(form.shownmoney->text(), QStringLiteral("1500"));
    QCOMPARE(form.showndays->text(), QStringLiteral("4"));
    QCOMPARE(form.showntraining->text(), QStringLiteral("30"));
    // The new day's switches and the promotion check ran as the labels were written.
    QVERIFY(form.rewardbag->isEnabled() && form.checkcompetition->isEnabled() &&
            form.competition->isEnabled());
    QCOMPARE(form.career->rank(), qint16(2));
    QCOMPARE(form.eventlog->text(), log + "You travelled back to Singapore!\r\n");
    QVERIFY(form.countryitem(Country::Singapore)->isChecked());
    QVERIFY(!form.countryitem(Country::Malaysia)->isChecked());
}

// New and Load ask before a career changed since it was begun, saved or loaded goes (Ok: not
// changed, nothing asked), and it stays until a new one is named or a game is really loaded.
void Form1Test::abandoningthecareer_data() {
    QTest::addColumn<QAction * Form1::*>("command");
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<QString>("then"); // a name, a null QString() to cancel, "load", "close"
    QTest::addColumn<QString>("career");
    QTest::newRow("new, unchanged") << &Form1::newgame << MsgResult::Ok << "Bee"
                                    << "Bee";
    QTest::newRow("new, kept") << &Form1::newgame << MsgResult::No << "Bee"
                               << "Ace";
    QTest::newRow("new, cancelled") << &Form1::newgame << MsgResult::Yes << QString() << "Ace";
    QTest::newRow("load, closed") << &Form1::loadgame << MsgResult::Yes << "close"
                                  << "Ace";
    QTest::newRow("load, kept") << &Form1::loadgame << MsgResult::No << "load"
                                << "Ace";
    QTest::newRow("load, loaded") << &Form1::loadgame << MsgResult::Yes << "load"
                                  << "Old";
}

void Form1Test::abandoningthecareer() {
    QFETCH(QAction * Form1::*, command);
    QFETCH(MsgResult, answer);
    QFETCH(QString, then);
    QFETCH(QString, career);
    Form1& form = *this->form;
    fixture->writefile("old.kvr", "\"Old\",900,0,3,\"log\",\"0\"\r\n");
    fixture->dialogs.inputs << "Ace";
    form.startnewgame();
    if (answer != MsgResult::Ok)
        staged(form.career).changemoney(300);
    fixture->dialogs.answers << answer;
    fixture->dialogs.inputs << then;
    const int boxes = fixture->dialogs.shown.size();
    (form.*command)->trigger();
    QCOMPARE(fixture->dialogs.shown.value(boxes).text ==
                 "Abandon Ace's career? It has not been saved since it changed.",
             answer != MsgResult::Ok);
    if (form.loadwindow && then == "close")
        form.loadwindow->close();
    if (form.loadwindow && then == "load") {
        pickgame(form.loadwindow, "old.kvr");
        form.loadwindow->button->click();
    }
    QCOMPARE(form.shownname->text(), career);
    QCOMPARE(form.career->unsaved(), career == "Ace" && answer != MsgResult::Ok);
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
