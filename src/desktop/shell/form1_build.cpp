// The main window's controls and menus, laid out as the game has always had them.
#include "shell/form1.h"

#include "common/controls.h"
#include "common/layout.h"
#include "common/logbox.h"
#include "common/twips.h"
#include "common/watchlabel.h"
#include "language/languagemenu.h"
#include "sound/soundmenu.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

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

void Form1::buildcontrols() {
    auto* client = new QWidget(this);
    client->setFixedSize(twips(6465), twips(4365));
    setCentralWidget(client);

    logframe = named(new QGroupBox(tr("Event Log"), client), "Frame1");
    logframe->setGeometry(twipsrect(0, 0, 6375, 1935));
    eventlog = named(new LogBox(logframe), "txtlog");
    eventlog->setGeometry(twipsrect(120, 240, 6135, 1575));
    eventlog->setReadOnly(true);
    eventlog->setlogfont(arialfont(9, true));
    eventlog->setAccessibleName(logframe->title());
    eventlog->setLineWrapMode(QPlainTextEdit::NoWrap);
    eventlog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    eventlog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only still lets the player click a caret in or select, as the log allows.
    eventlog->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    training = button(client, "Command1", tr("Training"), twipsrect(0, 2040, 3255, 375));
    services = button(client, "Command7", tr("Services"), twipsrect(0, 2520, 3255, 375));
    competition = button(client, "Command2", tr("Competition"), twipsrect(0, 3000, 3255, 375));
    flyaway = button(client, "Command3", tr("Fly away"), twipsrect(0, 3480, 3255, 375));
    nextday = button(client, "Command4", tr("Next Day"), twipsrect(0, 3960, 3255, 375));

    statuspanel = named(new QGroupBox(tr("My Status"), client), "Frame2");
    statuspanel->setGeometry(twipsrect(3360, 2040, 3015, 2295));
    auto caption = [this](const char* name, const QString& text, int y) {
        auto* l = named(new QLabel(text, statuspanel), name);
        l->setGeometry(twipsrect(120, y, 840, 255));
        return l;
    };
    auto value = [this](const char* name, int x, int y) {
        auto* l = named(new WatchLabel(statuspanel), name);
        l->setGeometry(twipsrect(x, y, 3015 - x - 120, 255));
        return l;
    };
    namecaption = caption("Label1", tr("Name:"), 360);
    shownname = value("nama1", 480, 360);
    // "Name:" in Arial 9 runs past x 480; start the name's text clear of it.
    shownname->setContentsMargins(twips(270), 0, 0, 0);
    rankcaption = caption("Label2", tr("Rank:"), 720);
    shownrank = value("rank1", 960, 720);
    moneycaption = caption("Label3", tr("Money:"), 1080);
    shownmoney = value("money1", 960, 1080);
    dayscaption = caption("Label4", tr("Days:"), 1440);
    showndays = value("days1", 960, 1440);
    showntraining = value("train1", 120, 1560);
    showntraining->hide();
    daysleftcaption = caption("Label5", tr("Days left:"), 1800);
    daysleft = named(new QLabel(statuspanel), "Label6");
    daysleft->setGeometry(twipsrect(960, 1800, 1935, 255));
    // The values carry no name of their own, so a screen reader reads them; each caption names
    // its value as the value's buddy.
    namecaption->setBuddy(shownname);
    rankcaption->setBuddy(shownrank);
    moneycaption->setBuddy(shownmoney);
    dayscaption->setBuddy(showndays);
    daysleftcaption->setBuddy(daysleft);
    daysleftclock = named(new QTimer(statuspanel), "Timer1");
    daysleftclock->setInterval(100);

    endgame = named(new QGroupBox(tr("End game"), client), "Frame3");
    endgame->setGeometry(twipsrect(0, 1920, 6375, 2415));
    endgame->setAutoFillBackground(true);
    exitgame = button(endgame, "Command6", tr("Exit Game"), twipsrect(2280, 960, 1455, 375));
    objectiveclock = named(new QTimer(endgame), "Timer2");
    objectiveclock->setInterval(100);
    endgame->raise();
    endgame->hide();

    connect(training, &QPushButton::clicked, this, &Form1::opentraining);
    connect(services, &QPushButton::clicked, this, &Form1::popupservices);
    for (QPushButton* opensmenu : {services, flyaway})
        clickonspacedown(opensmenu);
    connect(competition, &QPushButton::clicked, this, &Form1::checkcompetitions);
    connect(flyaway, &QPushButton::clicked, this, &Form1::popupcountries);
    connect(nextday, &QPushButton::clicked, this, &Form1::passday);
    connect(exitgame, &QPushButton::clicked, this, &Form1::exitgame_Click);
    connect(daysleftclock, &QTimer::timeout, this, &Form1::showdaysleft);
    connect(objectiveclock, &QTimer::timeout, this, &Form1::checkobjective);
    daysleftclock->start();
    objectiveclock->start();
}

void Form1::buildmenus() {
    QMenuBar* bar = menuBar();

    filemenu = named(bar->addMenu(tr("&File")), "asd");
    newgame = item(filemenu, "newer", tr("&New"));
    separator(filemenu, "dfgsdgsdgsfs");
    savegame = item(filemenu, "saver", tr("&Save"));
    loadgame = item(filemenu, "loader", tr("&Load"));
    separator(filemenu, "asgasfasdfasf");
    exitprogram = item(filemenu, "bye", tr("&Exit"));

    countrymenu = named(bar->addMenu(tr("&Country")), "coun");
    for (std::size_t i = 0; i < std::size(countries); ++i) {
        const CountryInfo& place = countries[i];
        QAction* country = item(countrymenu, place.menuname, countrycaption(place));
        country->setCheckable(true);
        connect(country, &QAction::triggered, this, [this, country, place] {
            // A click toggles the mark by itself; only the flight decides where it rests.
            country->setChecked(!country->isChecked());
            fly(place.country);
        });
        countryitems[i] = country;
    }

    cheatinput = named(bar->addAction(tr("Cheat Input")), "cheater");

    twoplayers = named(bar->addMenu(tr("Two Playes")), "tpl");
    createdisk = item(twoplayers, "createdisk", tr("&Create KVR Competition Disk"));
    loaddisk = item(twoplayers, "loaddisk", tr("&Update Status from KVR Competition Disk"));
    separator(twoplayers, "asdasfasdfadf");
    fightdisk = item(twoplayers, "fightdisk", tr("Competition With Typist in KVR Battle Disk"));
    racedisk = item(twoplayers, "racedisk", tr("Race the Disk Typist's Best..."));

    othersmenu = named(bar->addMenu(tr("&Others")), "fasdfasfas");
    checkcompetition = item(othersmenu, "cc", tr("Check Competition"));
    halloffame = item(othersmenu, "hot", QStringLiteral("&Vivo re Zazede"));
    separator(othersmenu, "statsseparator");
    stats = item(othersmenu, "stats", tr("Typing &Statistics"));
    coach = item(othersmenu, "coach", tr("Typing &Coach"));
    separator(othersmenu, "soundseparator");
    soundmenu = new SoundMenu(othersmenu);
    othersmenu->addMenu(soundmenu);
    languagemenu = new LanguageMenu(othersmenu);
    othersmenu->addMenu(languagemenu);

    // Hidden from the bar, only ever popped up by the "Services" button. It stays a menu of the
    // bar all the same, so screen readers find its items where they find every other menu's.
    servicesmenu = named(bar->addMenu(tr("Services")), "sdfasdfasfasf");
    servicesmenu->menuAction()->setVisible(false);
    timemachine = item(servicesmenu, "timmac", tr("&Time machine"));
    rewardbag = item(servicesmenu, "ll", tr("&Mysterious Reward Bag"));
    tictactoe = item(servicesmenu, "Ti", QStringLiteral("&Vivovu Dev Ezi Doz"));
    doubleornothing = item(servicesmenu, "command5", tr("&Double or Nothing"));

    auto filecommand = [this](QAction* action, void (Form1::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] {
            ++filecommandsrunning;
            (this->*handler)();
            --filecommandsrunning;
        });
    };
    filecommand(newgame, &Form1::startnewgame);
    filecommand(savegame, &Form1::opensave);
    filecommand(loadgame, &Form1::openload);
    connect(exitprogram, &QAction::triggered, this, &Form1::closer);
    connect(cheatinput, &QAction::triggered, this, &Form1::entercheat);
    connect(createdisk, &QAction::triggered, this, &Form1::createbattledisk);
    connect(loaddisk, &QAction::triggered, this, &Form1::updatefromdisk);
    connect(fightdisk, &QAction::triggered, this, &Form1::fightbattledisk);
    connect(racedisk, &QAction::triggered, this, &Form1::racediskbest);
    connect(checkcompetition, &QAction::triggered, this, &Form1::checkcompetitions);
    connect(halloffame, &QAction::triggered, this, &Form1::showhalloffame);
    connect(stats, &QAction::triggered, this, &Form1::showstatistics);
    connect(coach, &QAction::triggered, this, &Form1::showcoach);
    connect(timemachine, &QAction::triggered, this, &Form1::usetimemachine);
    connect(rewardbag, &QAction::triggered, this, &Form1::openrewardbag);
    connect(tictactoe, &QAction::triggered, this, &Form1::playtictactoe);
    connect(doubleornothing, &QAction::triggered, this, &Form1::playdoubleornothing);
}

QAction* Form1::countryitem(Country country) const {
    for (std::size_t i = 0; i < std::size(countries); ++i)
        if (countries[i].country == country)
            return countryitems[i];
    return nullptr;
}
