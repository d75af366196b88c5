#pragma once

#include "competition/carrace.h"
#include "stats/typingsession.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class Career;
class StatsRecorder;

// The car race: the player's car moves one step per entry typed right, the opponent's at the
// level's steady pace; the first past the finish decides. Opened only through startgame.
class frmcars : public QWidget {
    Q_OBJECT
public:
    explicit frmcars(Career* career, QWidget* parent = nullptr);

    // Prepares the race for a competition's first price and shows the window.
    void startgame(qint32 prize);

    RaceLevel level() const;
    void setlevel(RaceLevel level);
    const CarRace& race() const { return positions; }
    const QStringList& words() const { return wordlist; }
    qint32 currentprize() const { return prize; }
    // Where a race that ends is kept; none keeps nothing.
    QPointer<StatsRecorder> recorder;

    // Handlers.
    void start_Click();
    void back_Click();
    void typingbox_Change();
    void typingbox_KeyUp(int key);
    void clock_Timer();

    void nextword();
    void racewon();
    void racelost();
    void resetrace();

    QLabel* track;
    QFrame* startline;
    QFrame* finishline;
    QLabel* startcaption;
    QLabel* finishcaption;
    QLabel* opponentcaption;
    QLabel* yourcarcaption;
    QLabel* opponentcar;
    QLabel* yourcar;
    QLabel* target;
    QLineEdit* typingbox;
    QPushButton* start;
    QPushButton* back;
    QGroupBox* levelframe;
    QRadioButton* easy;
    QRadioButton* average;
    QRadioButton* hard;
    QRadioButton* expert;
    QTimer* clock;
    QCheckBox* blindmode;
    QFrame* blindcover;
    QPushButton* pauser;
    QPushButton* reset;

private:
    void buildcontrols();
    // Paid the prize and training points when the race is won.
    const QPointer<Career> career;
    QRadioButton* optionfor(RaceLevel level) const;
    // Cars sit at the nearest whole pixel to their exact place.
    void drawcars();
    // The race that just ended, for the typing statistics.
    TypingRecord racerecord(const QString& result);
    void keep(const TypingRecord& record);

    qint32 prize = 0;
    QString apppath;
    // The word list; never shown.
    QStringList wordlist;
    CarRace positions;
    // Where the player's car stood before the last correction, should that prove a key repeat.
    int beforecorrection = track::startleft;
    TypingSession session;
};
