#pragma once

#include "career/career_state.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class LogBox;
class WatchLabel;
class frmp;
class frmcomp;
class frmcars;
class frmhall;
class frmgame;
class frmdisk;
class frmstart;
class sav;
class loa;
class tictac;
class frmstats;
class StatsRecorder;
class frmcoach;
struct TypingRecord;

// The main window: owner of the career for the whole run and the hub every activity starts from.
// Other windows change the career through the status labels and reversevalue.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The one main window of the run; other windows reach it through here.
    static Form1* instance();

    // Start-up: hidden window, Save disabled, the File menu offered once at the mouse pointer.
    void Form_Load();

    // Career state.
    QString playername;
    std::int16_t rank = 0;
    std::int32_t money = 0;
    std::int32_t days = 0;
    std::int32_t training = 0;
    QString apppath;
    CareerState state() const;

    // Operations other windows call.
    void updatestatus();
    void reversevalue();
    void updatelog(const QString& entry);
    void resetvalues();
    void loaded();
    void closer();
    void datechange();
    void scoregame();
    void scoregame2();
    void clearcountries();

    // The file this career was last saved to or loaded from in this run; empty for a new one.
    // Save asks before it replaces any other saved game.
    QString careerfile;
    // Counts the new days begun, so a career's start can tell whether its day was opened.
    int newdaysbegun = 0;
    // What the career holds now, as a saved game would keep it.
    CareerMark careermark() const;
    // Whether the career changed since it was begun, saved or loaded.
    bool careerunsaved() const;
    // Asks before New or Load throws away a career changed since it was saved; true when it may
    // go, at once when there is nothing to lose.
    bool mayabandoncareer();
    // The career as it stands is the one saved to, or loaded from, that file.
    void markcareer(const QString& file);
    // A New game or a load is complete: its day's activities open as on any new day (unless
    // the new-day switches already ran since `newdaysbefore`), and it counts as unchanged.
    void begincareer(int newdaysbefore, const QString& file);
    // Keeps each exercise or race that ends, under the career shown now; handed to the windows
    // that type and to the statistics window.
    StatsRecorder* typingrecorder;
    // The race window, created on first use with the recorder.
    frmcars* race();

    // Controls, named as the rest of the game knows them.
    QGroupBox* Frame1;
    LogBox* txtlog;
    QPushButton* Command1;
    QPushButton* Command7;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QGroupBox* Frame2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    WatchLabel* nama1;
    WatchLabel* rank1;
    WatchLabel* money1;
    WatchLabel* days1;
    WatchLabel* train1;
    QGroupBox* Frame3;
    QPushButton* Command6;
    QTimer* Timer1;
    QTimer* Timer2;

    QMenu* asd;
    QAction* newer;
    QAction* saver;
    QAction* loader;
    QAction* bye;
    QMenu* coun;
    QAction* singapore;
    QAction* malaysia;
    QAction* china;
    QAction* japan;
    QAction* america;
    QAction* cheater;
    QMenu* tpl;
    QAction* createdisk;
    QAction* loaddisk;
    QAction* fightdisk;
    QMenu* fasdfasfas;
    QAction* cc;
    QAction* hot;
    QAction* stats;
    QAction* coach;
    QMenu* sdfasdfasfasf;
    QAction* timmac;
    QAction* ll;
    QAction* Ti;
    QAction* command5;

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

    // Handlers.
    void newer_Click();
    void saver_Click();
    void loader_Click();
    void bye_Click();
    void country_Click(QAction* item);
    void cheater_Click();
    void createdisk_Click();
    void loaddisk_Click();
    void fightdisk_Click();
    void cc_Click();
    void hot_Click();
    void stats_Click();
    void coach_Click();
    void timmac_Click();
    void ll_Click();
    void Ti_Click();
    void command5_Click();
    void Command1_Click();
    void Command7_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void days1_Change();
    void train1_Change();

    // The day's competitions, drawn afresh by the new-day switches.
    void generatecompetitions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildcontrols();
    void buildmenus();
    // At start-up: the File menu at the pointer, or where that can't be, the start window.
    void offerfilemenu();
    void offerstartwindow();
    // The name of a new career, asked until one is given; nothing when the player cancels.
    std::optional<QString> askname();
    // After a success the "End game" frame covers the action buttons: they can be neither
    // reached nor pressed, and "Exit Game" takes the keyboard.
    void coverbuttons();
    // What a career was last begun, saved or loaded as.
    CareerMark savedmark;
    bool loadwindowopen() const;

    // Set while the objective check shows its success, so a tick meanwhile does nothing.
    bool objectivecheckrunning = false;
    // Set while a File command runs, so the start window is not offered on top of it.
    int filecommandsrunning = 0;
};
