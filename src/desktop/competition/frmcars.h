#pragma once

#include "battledisk/diskghost.h"
#include "competition/carrace.h"
#include "competition/competitionrace.h"
#include "competition/replaybook.h"
#include "stats/typingsession.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class CapsLockNotice;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class Career;
class GhostCar;
class SpokenLabel;
class StatsRecorder;

// The car race: the player's car moves one step per entry typed right, the opponent's at the
// level's steady pace; the first past the finish decides. Opened only through startgame.
class frmcars : public QWidget {
    Q_OBJECT
public:
    explicit frmcars(Career* career, QWidget* parent = nullptr);

    // Prepares the race for a competition's first price and shows the window.
    void startgame(qint32 prize);
    // A friendly race against a friend's best from their battle disk: no prize, no record, no
    // opponent but the friend's ghost, at one of the levels the disk holds. The window stays
    // such a race until it is closed.
    void racefriend(const DiskGhost& ghost);
    bool friendly() const { return friendghost.has_value(); }

    RaceLevel level() const;
    void setlevel(RaceLevel level);
    const CarRace& race() const { return positions; }
    const QStringList& words() const { return wordlist; }
    qint32 currentprize() const { return competition.prize(); }
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
    CapsLockNotice* capslock; // "Caps Lock is on" while it is
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
    // The best race of the level, or a friend's, as a ghost beside the two cars.
    GhostCar* ghost;
    QCheckBox* racemybest;
    // How the player stands against the ghost, then how the race went against it.
    SpokenLabel* ghostline;

private:
    void buildcontrols();
    QRadioButton* optionfor(RaceLevel level) const;
    // Cars sit at the nearest whole pixel to their exact place.
    void drawcars();
    // The race that just ended, for the typing statistics.
    TypingRecord racerecord(const QString& result);
    void keep(const TypingRecord& record);

    // The ghost, beside the race (frmcars_ghost.cpp).
    void buildghost();
    void loadghosts();
    void showghost();
    void startghost();
    std::int64_t sincestart() const;
    // Notes where the player's car stands, for the race's replay.
    void followcar();
    void moveghost();
    // The race has ended: keeps its replay and says how it went. True when the ending is a
    // friendly race's, which has no message and no prize.
    bool endghost();
    void ghostback();
    void endfriendly();

    // The competition raced for, which pays the prize and training points of a race won.
    CompetitionRace competition;
    QString apppath;
    // The word list; never shown.
    QStringList wordlist;
    // The entry to type now, which the target shows.
    QString due;
    CarRace positions;
    // Where the player's car stood before the last correction, should that prove a key repeat.
    int beforecorrection = track::startleft;
    TypingSession session;

    ReplayBook replays;
    std::optional<DiskGhost> friendghost;
    // The ghost of the race under way, if one is shown.
    std::optional<Replay> racing;
    ReplayTape tape;
    std::int64_t startedat = 0;
};
