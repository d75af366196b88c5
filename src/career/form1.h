#pragma once

#include "career/country.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class Career;
class LogBox;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
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

    // The main window's part of the career game: shown once a game begins, the program's end,
    // and the two endings as the player meets them.
    void loaded();
    void closer();
    void scoregame();
    void scoregame2();
    // Time ran out on a day asked for: the failure ending.
    void timeup();
    // Asks before New or Load throws away a career changed since it was saved; true when it may
    // go, at once when there is nothing to lose.
    bool mayabandoncareer();
    // The race window, created on first use with the career and the recorder.
    frmcars* race();
    // The day's competitions, drawn afresh when a day begins.
    void generatecompetitions();

    // Controls.
    QGroupBox* logframe;
    LogBox* eventlog;
    QPushButton* training;
    QPushButton* services;
    QPushButton* competition;
    QPushButton* flyaway;
    QPushButton* nextday;
    QGroupBox* statuspanel;
    QLabel* namecaption;
    QLabel* rankcaption;
    QLabel* moneycaption;
    QLabel* dayscaption;
    QLabel* daysleftcaption;
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

    // Menus.
    QMenu* filemenu;
    QAction* newgame;
    QAction* savegame;
    QAction* loadgame;
    QAction* exitprogram;
    QMenu* countrymenu;
    // The Country menu's items, in the order of `countries`.
    QAction* countryitems[std::size(countries)];
    QAction* cheatinput;
    QMenu* twoplayers;
    QAction* createdisk;
    QAction* loaddisk;
    QAction* fightdisk;
    QMenu* othersmenu;
    QAction* checkcompetition;
    QAction* halloffame;
    QAction* stats;
    QAction* coach;
    QMenu* servicesmenu;
    QAction* timemachine;
    QAction* rewardbag;
    QAction* tictactoe;
    QAction* doubleornothing;
    QAction* countryitem(Country country) const;

    // Side windows, each created on first use and gone when closed with its close box.
    QPointer<frmp> practicewindow;
    QPointer<frmcomp> competitionlist;
    QPointer<frmcars> racewindow;
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
    void exitgame_Click();
    void fly(Country country);
    void entercheat();
    void createbattledisk();
    void updatefromdisk();
    void fightbattledisk();
    void checkcompetitions();
    void showhalloffame();
    void showstatistics();
    void showcoach();
    // "Practise These Keys" in the statistics: the coach, to the front, set to drill the key.
    void practisekey(QChar key);
    void usetimemachine();
    void openrewardbag();
    void playtictactoe();
    void playdoubleornothing();
    void opentraining();
    void popupservices();
    void popupcountries();
    void passday();
    void showdaysleft();
    void checkobjective();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
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
    // After a success the "End game" frame covers the action buttons: they can be neither
    // reached nor pressed, and "Exit Game" takes the keyboard.
    void coverbuttons();

    // Set while the objective check shows its success, so a tick meanwhile does nothing.
    bool objectivecheckrunning = false;
    // Set while a File command runs, so the start window is not offered on top of it.
    int filecommandsrunning = 0;
};
