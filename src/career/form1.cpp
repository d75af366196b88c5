#include "career/form1.h"

#include "career/frmstart.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/filename.h"
#include "common/layout.h"
#include "common/logbox.h"
#include "common/number.h"
#include "common/program.h"
#include "common/programfolder.h"
#include "common/sidewindow.h"
#include "common/textfile.h"
#include "common/twips.h"
#include "common/watchlabel.h"
#include "stats/statsrecorder.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

Form1* theform = nullptr;

template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QLatin1String(name));
    return object;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect where) {
    return placed(new QPushButton(caption, parent), name, where);
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    return named(menu->addAction(caption), name);
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

} // namespace

Form1* Form1::instance() {
    return theform;
}

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    theform = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Keystrider"));
    setFont(arialfont(9));
    buildcontrols();
    buildmenus();
    typingrecorder = new StatsRecorder([this] { return nama1->text(); }, this);
    setFixedSize(sizeHint());
    enterpressesbuttons();
    returnfocusfrommenubar(menuBar());
}

Form1::~Form1() {
    if (theform == this)
        theform = nullptr;
}

void Form1::buildcontrols() {
    auto* client = new QWidget(this);
    client->setFixedSize(twips(6465), twips(4365));
    setCentralWidget(client);

    Frame1 = named(new QGroupBox(QStringLiteral("Event Log"), client), "Frame1");
    Frame1->setGeometry(twipsrect(0, 0, 6375, 1935));
    txtlog = named(new LogBox(Frame1), "txtlog");
    txtlog->setGeometry(twipsrect(120, 240, 6135, 1575));
    txtlog->setReadOnly(true);
    txtlog->setFont(arialfont(9, true));
    txtlog->setAccessibleName(Frame1->title());
    txtlog->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtlog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtlog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only still lets the player click a caret in or select, as the log allows.
    txtlog->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    Command1 =
        button(client, "Command1", QStringLiteral("Training"), twipsrect(0, 2040, 3255, 375));
    Command7 =
        button(client, "Command7", QStringLiteral("Services"), twipsrect(0, 2520, 3255, 375));
    Command2 =
        button(client, "Command2", QStringLiteral("Competition"), twipsrect(0, 3000, 3255, 375));
    Command3 =
        button(client, "Command3", QStringLiteral("Fly away"), twipsrect(0, 3480, 3255, 375));
    Command4 =
        button(client, "Command4", QStringLiteral("Next Day"), twipsrect(0, 3960, 3255, 375));

    Frame2 = named(new QGroupBox(QStringLiteral("My Status"), client), "Frame2");
    Frame2->setGeometry(twipsrect(3360, 2040, 3015, 2295));
    auto caption = [this](const char* name, const QString& text, int y) {
        auto* l = named(new QLabel(text, Frame2), name);
        l->setGeometry(twipsrect(120, y, 840, 255));
        return l;
    };
    auto value = [this](const char* name, int x, int y) {
        auto* l = named(new WatchLabel(Frame2), name);
        l->setGeometry(twipsrect(x, y, 3015 - x - 120, 255));
        return l;
    };
    Label1 = caption("Label1", QStringLiteral("Name:"), 360);
    nama1 = value("nama1", 480, 360);
    // "Name:" in Arial 9 runs past x 480; start the name's text clear of it.
    nama1->setContentsMargins(twips(270), 0, 0, 0);
    Label2 = caption("Label2", QStringLiteral("Rank:"), 720);
    rank1 = value("rank1", 960, 720);
    Label3 = caption("Label3", QStringLiteral("Money:"), 1080);
    money1 = value("money1", 960, 1080);
    Label4 = caption("Label4", QStringLiteral("Days:"), 1440);
    days1 = value("days1", 960, 1440);
    train1 = value("train1", 120, 1560);
    train1->hide();
    Label5 = caption("Label5", QStringLiteral("Days left:"), 1800);
    Label6 = named(new QLabel(Frame2), "Label6");
    Label6->setGeometry(twipsrect(960, 1800, 1935, 255));
    Timer1 = named(new QTimer(Frame2), "Timer1");
    Timer1->setInterval(100);

    Frame3 = named(new QGroupBox(QStringLiteral("End game"), client), "Frame3");
    Frame3->setGeometry(twipsrect(0, 1920, 6375, 2415));
    Frame3->setAutoFillBackground(true);
    Command6 =
        button(Frame3, "Command6", QStringLiteral("Exit Game"), twipsrect(2280, 960, 1455, 375));
    Timer2 = named(new QTimer(Frame3), "Timer2");
    Timer2->setInterval(100);
    Frame3->raise();
    Frame3->hide();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    for (QPushButton* opensmenu : {Command7, Command3})
        clickonspacedown(opensmenu);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(days1, &WatchLabel::changed, this, &Form1::days1_Change);
    // A name cut short on screen is heard whole.
    connect(nama1, &WatchLabel::changed, this, [this] {
        Frame2->setAccessibleDescription(nama1->text().isEmpty()
                                             ? QString()
                                             : Label1->text() + QLatin1Char(' ') + nama1->text());
    });
    connect(train1, &WatchLabel::changed, this, &Form1::train1_Change);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    Timer1->start();
    Timer2->start();
}

void Form1::buildmenus() {
    QMenuBar* bar = menuBar();

    asd = named(bar->addMenu(QStringLiteral("&File")), "asd");
    newer = item(asd, "newer", QStringLiteral("&New"));
    separator(asd, "dfgsdgsdgsfs");
    saver = item(asd, "saver", QStringLiteral("&Save"));
    loader = item(asd, "loader", QStringLiteral("&Load"));
    separator(asd, "asgasfasdfasf");
    bye = item(asd, "bye", QStringLiteral("&Exit"));

    coun = named(bar->addMenu(QStringLiteral("&Country")), "coun");
    singapore = item(coun, "singapore", QStringLiteral("Singapore [$500]"));
    malaysia = item(coun, "malaysia", QStringLiteral("Malaysia [$200]"));
    china = item(coun, "china", QStringLiteral("China [$560]"));
    japan = item(coun, "japan", QStringLiteral("Japan [$700]"));
    america = item(coun, "america", QStringLiteral("America [$800]"));
    for (QAction* country : {singapore, malaysia, china, japan, america}) {
        country->setCheckable(true);
        connect(country, &QAction::triggered, this, [this, country] {
            // A click toggles the mark by itself; only the flight decides where it rests.
            country->setChecked(!country->isChecked());
            country_Click(country);
        });
    }
    singapore->setChecked(true);

    cheater = named(bar->addAction(QStringLiteral("Cheat Input")), "cheater");

    tpl = named(bar->addMenu(QStringLiteral("Two Playes")), "tpl");
    createdisk = item(tpl, "createdisk", QStringLiteral("&Create KVR Competition Disk"));
    loaddisk = item(tpl, "loaddisk", QStringLiteral("&Update Status from KVR Competition Disk"));
    separator(tpl, "asdasfasdfadf");
    fightdisk =
        item(tpl, "fightdisk", QStringLiteral("Competition With Typist in KVR Battle Disk"));

    fasdfasfas = named(bar->addMenu(QStringLiteral("&Others")), "fasdfasfas");
    cc = item(fasdfasfas, "cc", QStringLiteral("Check Competition"));
    hot = item(fasdfasfas, "hot", QStringLiteral("&Vivo re Zazede"));
    separator(fasdfasfas, "statsseparator");
    stats = item(fasdfasfas, "stats", QStringLiteral("Typing &Statistics"));
    coach = item(fasdfasfas, "coach", QStringLiteral("Typing &Coach"));

    // Hidden from the bar, only ever popped up by the "Services" button. It stays a menu of the
    // bar all the same, so screen readers find its items where they find every other menu's.
    sdfasdfasfasf = named(bar->addMenu(QStringLiteral("Services")), "sdfasdfasfasf");
    sdfasdfasfasf->menuAction()->setVisible(false);
    timmac = item(sdfasdfasfasf, "timmac", QStringLiteral("&Time machine"));
    ll = item(sdfasdfasfasf, "ll", QStringLiteral("&Mysterious Reward Bag"));
    Ti = item(sdfasdfasfasf, "Ti", QStringLiteral("&Vivovu Dev Ezi Doz"));
    command5 = item(sdfasdfasfasf, "command5", QStringLiteral("&Double or Nothing"));

    auto filecommand = [this](QAction* action, void (Form1::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] {
            ++filecommandsrunning;
            (this->*handler)();
            --filecommandsrunning;
        });
    };
    filecommand(newer, &Form1::newer_Click);
    filecommand(saver, &Form1::saver_Click);
    filecommand(loader, &Form1::loader_Click);
    connect(bye, &QAction::triggered, this, &Form1::bye_Click);
    connect(cheater, &QAction::triggered, this, &Form1::cheater_Click);
    connect(createdisk, &QAction::triggered, this, &Form1::createdisk_Click);
    connect(loaddisk, &QAction::triggered, this, &Form1::loaddisk_Click);
    connect(fightdisk, &QAction::triggered, this, &Form1::fightdisk_Click);
    connect(cc, &QAction::triggered, this, &Form1::cc_Click);
    connect(hot, &QAction::triggered, this, &Form1::hot_Click);
    connect(stats, &QAction::triggered, this, &Form1::stats_Click);
    connect(coach, &QAction::triggered, this, &Form1::coach_Click);
    connect(timmac, &QAction::triggered, this, &Form1::timmac_Click);
    connect(ll, &QAction::triggered, this, &Form1::ll_Click);
    connect(Ti, &QAction::triggered, this, &Form1::Ti_Click);
    connect(command5, &QAction::triggered, this, &Form1::command5_Click);
}

void Form1::Form_Load() {
    apppath = ::apppath();
    saver->setEnabled(false);
    offerfilemenu();
}

// Offered once: a pop-up that came back whenever it was dismissed would keep the pointer and
// keyboard from every other program. Dismissed, it gives way to the start window. On Wayland
// the pop-up would have no window to belong to and no pointer to open at.
void Form1::offerfilemenu() {
    if (onwayland() || startwindow) {
        offerstartwindow();
        return;
    }
    connect(asd, &QMenu::aboutToHide, this, &Form1::offerstartwindow, Qt::SingleShotConnection);
    asd->popup(QCursor::pos());
}

// A hidden program with nothing on screen would run on unseen, so until the main window shows
// the start window stands in. Deferred: a choice made in the pop-up runs only after it hides.
void Form1::offerstartwindow() {
    QTimer::singleShot(0, this, [this] {
        if (isVisible() || programended() || filecommandsrunning > 0 || loadwindowopen() ||
            asd->isVisible())
            return;
        showtofront(sidewindow(startwindow, this));
    });
}

CareerState Form1::state() const {
    return {playername, rank, money, days, training};
}

void Form1::updatestatus() {
    nama1->setText(playername);
    money1->setText(QString::number(money));
    rank1->setText(QString::number(rank));
    days1->setText(QString::number(days));
    train1->setText(QString::number(training));
}

void Form1::reversevalue() {
    playername = nama1->text();
    money = textint32(money1->text());
    rank = textint16(rank1->text());
    days = textint32(days1->text());
    training = textint32(train1->text());
}

void Form1::updatelog(const QString& entry) {
    txtlog->setFocus();
    txtlog->appendatend(entry + QLatin1String("\r\n"));
    txtlog->movecarettoend();
}

void Form1::resetvalues() {
    days = 0;
    playername.clear();
    rank = 0;
    money = 0;
    updatestatus();
    // After the refresh on purpose: the hidden training label keeps its old text until the
    // next refresh.
    training = 0;
    txtlog->setText(QStringLiteral(" "));
}

void Form1::loaded() {
    // Gone without a close, which would end the program; later, as one of its buttons may be
    // what got here.
    if (startwindow) {
        startwindow->hide();
        startwindow->deleteLater();
    }
    show();
    updatestatus();
    saver->setEnabled(true);
}

void Form1::closer() {
    endprogram();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    closer();
}

// Asks before anything changes: Cancel backs out and the career in play stays as it was.
void Form1::newer_Click() {
    if (!mayabandoncareer())
        return;
    const std::optional<QString> name = askname();
    if (!name) {
        // At start-up nothing would be left on screen.
        if (!isVisible())
            offerfilemenu();
        return;
    }
    const int newdaysbefore = newdaysbegun;
    resetvalues();
    playername = *name;
    rank = 0;
    money = 250;
    days = 0;
    updatelog(QStringLiteral("Objectives: To raise to Typist Rank 8 so that"));
    updatelog(QStringLiteral("you will be hired by QuendleSoft as a typist or"));
    updatelog(QStringLiteral("get $25000 cash to bribe QuendleSoft to give you"));
    updatelog(QStringLiteral("the job!"));
    updatelog(QString());
    updatelog(QStringLiteral("Each rank promotion gives you extra days of game!"));
    training = 0;
    loaded();
    begincareer(newdaysbefore, QString());
}

std::optional<QString> Form1::askname() {
    const QString title = QStringLiteral("Enter Name");
    for (;;) {
        const std::optional<QString> name = askinput(QStringLiteral("Enter name you want:"), title);
        if (!name)
            return std::nullopt;
        if (name->isEmpty())
            continue;
        // The saved game, the battle disk and the hall of fame would keep such a name as '?'.
        if (!fitswindows1252(*name)) {
            msgbox(namelettersmessage(), MsgIcon::Error, title);
            continue;
        }
        return name;
    }
}

CareerMark Form1::careermark() const {
    return {state(), txtlog->text()};
}

bool Form1::careerunsaved() const {
    return careermark() != savedmark;
}

bool Form1::mayabandoncareer() {
    if (!careerunsaved())
        return true;
    return msgbox(QStringLiteral("Abandon ") + playername +
                      QStringLiteral("'s career? It has not been saved since it changed."),
                  MsgIcon::Question, QString(), MsgButtons::YesNoDefaultNo) == MsgResult::Yes;
}

void Form1::markcareer(const QString& file) {
    careerfile = file;
    savedmark = careermark();
}

void Form1::begincareer(int newdaysbefore, const QString& file) {
    // A new career on the same day number as the last would keep the last one's used
    // once-a-day commands.
    if (newdaysbegun == newdaysbefore)
        days1_Change();
    markcareer(file);
}

void Form1::bye_Click() {
    closer();
}

void Form1::Command6_Click() {
    closer();
}

void Form1::Command7_Click() {
    sdfasdfasfasf->popup(popupplace(Command7));
}

void Form1::Command3_Click() {
    coun->popup(popupplace(Command3));
}

void Form1::Command2_Click() {
    cc_Click();
}

void Form1::Command4_Click() {
    const FocusKeeper stay(this);
    datechange();
    if (programended())
        return;
    updatestatus();
}

void Form1::Timer1_Timer() {
    Label6->setText(QString::number(daysleft(state())));
}
