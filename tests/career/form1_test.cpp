#include "career/form1.h"
#include "career/frmstart.h"
#include "common/filename.h"
#include "common/logbox.h"
#include "common/program.h"
#include "common/watchlabel.h"
#include "saves/loa.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

namespace {
const QString objectives = QStringLiteral(" Objectives: To raise to Typist Rank 8 so that\r\n"
                                          "you will be hired by QuendleSoft as a typist or\r\n"
                                          "get $25000 cash to bribe QuendleSoft to give you\r\n"
                                          "the job!\r\n"
                                          "\r\n"
                                          "Each rank promotion gives you extra days of game!\r\n");
}

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsupHiddenWithSaveDisabled();
    void newgameaskesuntilanameisgiven();
    void newgameshowsthefreshcareer();
    void newgameduringagameclearsthelog();
    void resetvalueskeepsthetraininglabel();
    void labelexchange();
    void updatestatusrunsnotificationsinorder();
    void logappendsattheendwhateverisselected();
    void label6showsdaysleft_data();
    void label6showsdaysleft();
    void closeboxandexitendtheprogram();
    void menusareintheirorder();
    void startwindowstandsinforthemenu();
    void popupsopenatthebutton();
    void keyboardstaysonthebutton_data();
    void keyboardstaysonthebutton();
    void longnameshowswholeinitstooltip_data();
    void longnameshowswholeinitstooltip();

private:
    GameFixture* fixture = nullptr;
    Form1* form = nullptr;
};

void Form1Test::init() {
    fixture = new GameFixture;
    form = new Form1;
}

void Form1Test::cleanup() {
    delete form;
    delete fixture;
}

void Form1Test::startsupHiddenWithSaveDisabled() {
    form->Form_Load();
    QVERIFY(!form->isVisible());
    QVERIFY(!form->saver->isEnabled());
    QCOMPARE(form->apppath, fixture->folder());
    QVERIFY(form->singapore->isChecked());
    QVERIFY(!form->Frame3->isVisible());
    QVERIFY(form->Timer1->isActive());
    QVERIFY(form->Timer2->isActive());
    form->asd->hide();
}

void Form1Test::newgameaskesuntilanameisgiven() {
    fixture->dialogs.inputs << ""
                            << "李小龍 Bob"
                            << "  ";
    form->newer_Click();
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
    QCOMPARE(form->playername, QStringLiteral("  "));
}

void Form1Test::newgameshowsthefreshcareer() {
    form->Form_Load();
    form->asd->hide();
    fixture->dialogs.inputs << "Ace";
    form->newer_Click();
    QVERIFY(form->isVisible());
    QVERIFY(form->saver->isEnabled());
    QCOMPARE(form->nama1->text(), QStringLiteral("Ace"));
    QCOMPARE(form->rank1->text(), QStringLiteral("0"));
    QCOMPARE(form->money1->text(), QStringLiteral("250"));
    QCOMPARE(form->days1->text(), QStringLiteral("0"));
    QCOMPARE(form->train1->text(), QStringLiteral("0"));
    form->Timer1_Timer();
    QCOMPARE(form->Label6->text(), QStringLiteral("15"));
    QCOMPARE(form->txtlog->text(), objectives);
}

void Form1Test::newgameduringagameclearsthelog() {
    form->newer_Click();
    form->updatelog("Something happened");
    form->money = 9000;
    form->malaysia->setChecked(true);
    form->singapore->setChecked(false);
    fixture->dialogs.inputs << "Bee";
    form->newer_Click();
    QCOMPARE(form->txtlog->text(), objectives);
    QCOMPARE(form->money1->text(), QStringLiteral("250"));
    QVERIFY(form->malaysia->isChecked());
}

void Form1Test::resetvalueskeepsthetraininglabel() {
    form->playername = "Ace";
    form->rank = 3;
    form->money = 700;
    form->days = 4;
    form->training = 42;
    form->updatestatus();
    form->resetvalues();
    QCOMPARE(form->nama1->text(), QString());
    QCOMPARE(form->rank1->text(), QStringLiteral("0"));
    QCOMPARE(form->money1->text(), QStringLiteral("0"));
    QCOMPARE(form->days1->text(), QStringLiteral("0"));
    QCOMPARE(form->train1->text(), QStringLiteral("42"));
    QCOMPARE(form->training, 0);
    QCOMPARE(form->txtlog->text(), QStringLiteral(" "));
}

void Form1Test::labelexchange() {
    form->nama1->setText("Zed");
    form->money1->setText("  1234.5xyz");
    form->rank1->setText("2.5");
    form->days1->setText("nothing");
    form->train1->setText("-7");
    form->reversevalue();
    QCOMPARE(form->playername, QStringLiteral("Zed"));
    QCOMPARE(form->money, 1234);
    QCOMPARE(form->rank, qint16(2));
    QCOMPARE(form->days, 0);
    QCOMPARE(form->training, -7);
    form->money1->setText("99999999999");
    form->reversevalue();
    QCOMPARE(form->money, std::numeric_limits<qint32>::max());
    // A name that looks like markup is shown as typed.
    form->nama1->setText("<b>Ace</b>");
    QCOMPARE(form->nama1->textFormat(), Qt::PlainText);
}

void Form1Test::updatestatusrunsnotificationsinorder() {
    QStringList seen;
    connect(form->days1, &WatchLabel::changed, [&] { seen << "days:" + form->train1->text(); });
    connect(form->train1, &WatchLabel::changed, [&] { seen << "train"; });
    form->days = 3;
    form->training = 9;
    form->updatestatus();
    QCOMPARE(seen, (QStringList{"days:", "train"}));
    form->updatestatus();
    QCOMPARE(seen.size(), 2);
    // The new day brings back the once-a-day commands.
    form->ll->setEnabled(false);
    form->cc->setEnabled(false);
    form->Command2->setEnabled(false);
    form->days = 4;
    form->updatestatus();
    QVERIFY(form->ll->isEnabled() && form->Ti->isEnabled() && form->cc->isEnabled());
    QVERIFY(form->Command2->isEnabled());
}

void Form1Test::logappendsattheendwhateverisselected() {
    form->txtlog->setText("first line\r\nsecond line\r\n");
    QTextCursor c = form->txtlog->textCursor();
    c.setPosition(2);
    c.setPosition(8, QTextCursor::KeepAnchor);
    form->txtlog->setTextCursor(c);
    form->updatelog("third");
    QCOMPARE(form->txtlog->text(), QStringLiteral("first line\r\nsecond line\r\nthird\r\n"));
    QCOMPARE(form->txtlog->textCursor().position(), form->txtlog->document()->characterCount() - 1);
    QVERIFY(!form->txtlog->textCursor().hasSelection());
}

void Form1Test::label6showsdaysleft_data() {
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("shown");
    QTest::newRow("new game") << 0 << 0 << "15";
    QTest::newRow("rank 2 day 7") << 2 << 7 << "18";
    QTest::newRow("past the limit") << 0 << 17 << "-2";
    QTest::newRow("rank far above 8") << 30000 << 0 << "150015";
    QTest::newRow("most negative days") << 0 << std::numeric_limits<qint32>::min() << "2147483663";
}

void Form1Test::label6showsdaysleft() {
    QFETCH(int, rank);
    QFETCH(int, days);
    QFETCH(QString, shown);
    form->rank = static_cast<qint16>(rank);
    form->days = days;
    form->Timer1_Timer();
    QCOMPARE(form->Label6->text(), shown);
}

void Form1Test::closeboxandexitendtheprogram() {
    // The start window's close box is Exit too.
    form->Form_Load();
    form->asd->hide();
    QCoreApplication::processEvents();
    QVERIFY(form->startwindow);
    form->startwindow->close();
    QCOMPARE(fixture->endings, 1);
    resetprogramended();
    fixture->endings = 0;
    form->loaded();
    QVERIFY(!form->close());
    QCOMPARE(fixture->endings, 1);
    form->bye->trigger();
    QCOMPARE(fixture->endings, 2);
    form->Command6->click();
    QCOMPARE(fixture->endings, 3);
}

void Form1Test::menusareintheirorder() {
    QStringList bar;
    for (QAction* a : form->menuBar()->actions())
        if (a->isVisible())
            bar << a->text();
    QCOMPARE(bar, (QStringList{"&File", "&Country", "Cheat Input", "Two Playes", "&Others"}));
    QVERIFY(!form->sdfasdfasfasf->menuAction()->isVisible());
    QStringList file;
    for (QAction* a : form->asd->actions())
        file << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(file, (QStringList{"&New", "-", "&Save", "&Load", "-", "&Exit"}));
    QStringList services;
    for (QAction* a : form->sdfasdfasfasf->actions())
        services << a->text();
    QCOMPARE(services, (QStringList{"&Time machine", "&Mysterious Reward Bag",
                                    "&Vivovu Dev Ezi Doz", "&Double or Nothing"}));
}

void Form1Test::startwindowstandsinforthemenu() {
    form->Form_Load();
    QVERIFY(form->asd->isVisible());
    form->asd->hide();
    QCoreApplication::processEvents();
    // Dismissed, the pop-up stays away: a window of the game's own offers the same choices.
    QVERIFY(!form->asd->isVisible());
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
    QVERIFY(start->isVisible() && !form->asd->isVisible());

    // A game started from it closes it for good, without ending the program.
    fixture->dialogs.inputs << "Ace";
    start->cmdnew->setFocus();
    QTest::keyClick(start->cmdnew, Qt::Key_Enter);
    QVERIFY(form->isVisible() && !start->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QVERIFY(!form->startwindow && !form->asd->isVisible());
    QCOMPARE(fixture->endings, 0);
}

// Pressed from the keyboard with the pointer elsewhere, the buttons open their menus at
// themselves; a click opens them at the pointer.
void Form1Test::popupsopenatthebutton() {
    form->loaded();
    QCursor::setPos(form->mapToGlobal(QPoint(form->width() + 200, 5)));
    for (auto [button, menu] :
         {std::pair{form->Command7, form->sdfasdfasfasf}, std::pair{form->Command3, form->coun}}) {
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

// The log takes the focus for its entries; the player's place stays on the button pressed.
void Form1Test::keyboardstaysonthebutton_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Next Day") << "Command4";
    QTest::newRow("Fly away") << "Command3";
}

void Form1Test::keyboardstaysonthebutton() {
    QFETCH(QString, button);
    fixture->dialogs.inputs << "Ace";
    form->newer_Click();
    auto* pressed = form->findChild<QPushButton*>(button);
    pressed->setFocus();
    fixture->dialogs.answers << MsgResult::Yes;
    if (pressed == form->Command4)
        QTest::keyClick(pressed, Qt::Key_Space);
    else
        form->malaysia->trigger();
    QCOMPARE(form->days, 1);
    QCOMPARE(form->focusWidget(), pressed);
}

void Form1Test::longnameshowswholeinitstooltip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short") << "Ace" << false;
    QTest::newRow("long") << "Maximiliane Wolkenstein-Rabenhorst" << true;
    // Shown as rich text, the tag would load the file it names.
    QTest::newRow("markup") << "<img src='gone.png'> padding padding padding <b>&amp;" << true;
}

void Form1Test::longnameshowswholeinitstooltip() {
    QFETCH(QString, name);
    QFETCH(bool, cut);
    form->nama1->setText(name);
    QCOMPARE(form->nama1->text(), name);
    QTextDocument shown;
    shown.setHtml(form->nama1->toolTip());
    QCOMPARE(shown.toPlainText(), cut ? name : QString());
    QVERIFY(!form->nama1->toolTip().contains(QLatin1String("<img")));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
