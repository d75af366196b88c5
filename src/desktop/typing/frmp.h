#pragma once

#include "stats/typingsession.h"
#include "typing/practicecredit.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class CapsLockNotice;
class Career;
class DailyPractice;
class StatsRecorder;
class TodayBar;

// The practice window: timed typing exercises at five levels that earn training points.
class frmp : public QWidget {
    Q_OBJECT
public:
    explicit frmp(Career* career, QWidget* parent = nullptr);

    // Controls, named as the rest of the game knows them.
    QGroupBox* level;
    QRadioButton* easy;
    QRadioButton* comingalongwell;
    QRadioButton* average;
    QRadioButton* aboveaverage;
    QRadioButton* expert;
    QPushButton* startrestart;
    QPushButton* pauser;
    QLabel* timecaption;
    QLabel* elapsed;
    QLabel* typedcaption;
    QLabel* typedshown;
    QLabel* leftcaption;
    QLabel* leftshown;
    QLabel* target;
    QLineEdit* typingbox;
    CapsLockNotice* capslock; // "Caps Lock is on" while it is
    QFrame* divider;
    QTimer* clock;
    TodayBar* today; // today's practice against the goal

    // The word list of the running exercise, in file order.
    QStringList words;

    // Exercise state; all zero at rest.
    qint32 seconds = 0;
    qint32 leftcount = 0;
    qint32 typedcount = 0;
    qint32 mistakes = 0;
    QString apppath;

    void Form_Load();
    void startrestart_Click();
    void startlevel(int levelindex);
    void nextword();
    void worddone();
    void endexercise();
    void typingbox_Change();
    void typingbox_KeyUp(int key);
    void clock_Timer();
    void pauser_Click();

    // 0 for easy up to 4 for expert.
    int selectedlevel() const;
    // Where an exercise that ends is kept; none keeps nothing.
    QPointer<StatsRecorder> recorder;
    // Keeps exercises there from now on, and shows today's practice of every activity.
    void setrecorder(StatsRecorder* recorder);
    DailyPractice* practice;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Credits the level's training points when an exercise ends.
    PracticeCredit credit;
    void buildcontrols();
    void resetwindow();
    void showcounts();
    TypingSession session;
    // The entry to type now, which the target shows.
    QString due;
    // Between Start and the end: "Start" reads "Restart". Paused: "Pause" reads "Resume".
    bool running = false;
    bool paused = false;
};
