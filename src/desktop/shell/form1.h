#pragma once

#include "career/country.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class Career;
enum class Goal;
class LanguageMenu;
class LogBox;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class SoundMenu;
class StatsRecorder;
class WatchLabel;
class frmcars;
class frmcoach;
class frmcomp;
class frmdisk;
class frmgame;
class frmhall;
class frmp;
class frmstart;
class frmstats;
class loa;
class sav;
class tictac;

// The main window: it shows the career and its event log, owns the menus and the five action
// buttons, and hands the career to every window an activity opens. Control names of the
// original layout stay as object names, where the checks and the screenshots find them.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: hidden window, Save disabled, the File menu offered once at the mouse pointer.
    void Form_Load();

    // The career, shown by the status panel and the log, and handed to every window.
    Career* career;
    // Keeps each exercise or race that ends, under the career shown now; handed to the windows
    // that type and to the statistics window.
    StatsRecorder* typingrecorder;
    QString apppath;

    // Shows the window once a game begins, refreshed, with Save enabled for the rest of the run.
    void loaded();
    // The success ending as the player meets it (the game's name): the buttons covered, the
    // hall of fame.
    void scoregame2();
    // The race window, created on first use with the career and the recorder.
    frmcars* race();
    // The day's competitions, drawn afresh when a day begins.
    void generatecompetitions();

    // The controls and menus the player uses.
    LogBox* eventlog;
    QPushButton* training;
    QPushButton* services;
    QPushButton* competition;
    QPushButton* flyaway;
    QPushButton* nextday;
    QGroupBox* statuspanel;
    QLabel* daysleft;
    WatchLabel* shownname;
    WatchLabel* shownrank;
    WatchLabel* shownmoney;
    WatchLabel* showndays;
    WatchLabel* showntraining;
    QGroupBox* endgame;
    QPushButton* exitgame;
    QTimer* daysleftclock;
    QTimer* objectiveclock;
    QMenu* filemenu;
    QAction* newgame;
    QAction* savegame;
    QAction* loadgame;
    QAction* exitprogram;
    QMenu* countrymenu;
    QAction* cheatinput;
    QMenu* twoplayers;
    QMenu* othersmenu;
    QAction* checkcompetition;
    QAction* halloffame;
    QAction* stats;
    QAction* coach;
    SoundMenu* soundmenu;
    LanguageMenu* languagemenu;
    QMenu* servicesmenu;
    QAction* rewardbag;
    QAction* tictactoe;
    QAction* doubleornothing;
    // The Country menu's item of a country.
    QAction* countryitem(Country country) const;

    // Side windows, each created on first use and gone when closed with its close box.
    QPointer<frmp> practicewindow;
    QPointer<frmcomp> competitionlist;
    QPointer<frmcars> racewindow;
    // A friendly race against a battle disk's typist, beside the competition's race.
    QPointer<frmcars> friendlyracewindow;
    QPointer<frmhall> hallwindow;
    QPointer<frmgame> gamewindow;
    QPointer<frmdisk> diskwindow;
    QPointer<sav> savewindow;
    QPointer<loa> loadwindow;
    QPointer<tictac> tictacwindow;
    // Stands in for the File pop-up at start-up once that went without a choice.
    QPointer<frmstart> startwindow;
    QPointer<frmstats> statswindow;
    QPointer<frmcoach> coachwindow;

    // What the player's commands do.
    void startnewgame();
    void opensave();
    void openload();
    void createbattledisk();
    void updatefromdisk();
    void fightbattledisk();
    void racediskbest();
    void checkcompetitions();
    void showhalloffame();
    void usetimemachine();
    void playtictactoe();
    void playdoubleornothing();
    void opentraining();
    void showdaysleft();
    void checkobjective();

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Made and laid out in form1_build.cpp.
    void buildcontrols();
    void buildmenus();
    // The panel, the log, the menus and the buttons follow the career.
    void showcareer();
    // At start-up: the File menu at the pointer, or where that can't be, the start window.
    void offerfilemenu();
    void offerstartwindow();
    bool loadwindowopen() const;
    // The name of a new career, asked until one is given; nothing when the player cancels.
    std::optional<QString> askname();
    // Asks before New or Load throws away a career changed since it was saved; true when it may
    // go, at once when there is nothing to lose.
    bool mayabandoncareer();
    // After a success the "End game" frame covers the action buttons: they can be neither
    // reached nor pressed, and "Exit Game" takes the keyboard.
    void coverbuttons();
    // Ends the program at once, unsaved: Exit, "Exit Game", the close box (the game's name).
    void closer();
    // Time ran out on a day asked for, and the failure ending that follows.
    void timeup();
    // A goal the objective check found: the success, told.
    void objectivereached(Goal goal);
    // The failure ending (the game's name): the career cleared, the program ended.
    void scoregame();

    void exitgame_Click();
    void fly(Country country);
    void entercheat();
    void showstatistics();
    void showcoach();
    // "Practise These Keys" in the statistics: the coach, to the front, set to drill the key.
    void practisekey(QChar key);
    void openrewardbag();
    void popupservices();
    void popupcountries();
    void passday();

    QGroupBox* logframe;
    QLabel* namecaption;
    QLabel* rankcaption;
    QLabel* moneycaption;
    QLabel* dayscaption;
    QLabel* daysleftcaption;
    // The Country menu's items, in the order of `countries`.
    QAction* countryitems[std::size(countries)];
    QAction* createdisk;
    QAction* loaddisk;
    QAction* fightdisk;
    QAction* racedisk;
    QAction* timemachine;

    // Set while the objective check shows its success, so a tick meanwhile does nothing.
    bool objectivecheckrunning = false;
    // Set while a File command runs, so the start window is not offered on top of it.
    int filecommandsrunning = 0;
    // The window's font is set as it first shows.
    bool inarial = false;
};
