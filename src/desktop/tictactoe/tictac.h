#pragma once

#include "common/filereading.h"
#include "tictactoe/match.h"

#include <QStringList>
#include <QWidget>

#include <array>

class Career;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// Vivovu Dev Ezi Doz: tic-tac-toe for career money against an opponent that learns the moves
// that beat it, with a roster of named players and their records. The match holds the game;
// the window shows it, and keeps the opponent's memory and the roster in their files.
class tictac : public QWidget {
    Q_OBJECT
public:
    explicit tictac(Career* career, QWidget* parent = nullptr);

    // The cell k (1 to 9), the button rk.
    QPushButton* cell(int k) const { return cells[static_cast<std::size_t>(k - 1)]; }
    const Board& board() const { return match.board(); }
    // The learned strategies, in the order learned; strategylist shows the same.
    const QStringList& strategies() const { return brain; }

    void Form_Load();
    void cell_Click(int k);
    void compmove();
    // Scores a finished game; true when it did.
    bool checkwin();
    void youwon();
    void compwon();
    void drawgame();
    void endround();
    void startreset_Click();
    void compmovefirst_Click();
    void clock_Timer();
    void learnedclock_Timer();
    void loadbrain();
    void learn();
    // Brings the hidden list of strategies up to the memory, a slice per turn of events.
    void showstrategies();
    void loadroster();
    void addtolist_Click();
    void roster_DblClick();

    // Controls, named as the rest of the game knows them.
    QLabel* heading;
    std::array<QPushButton*, 9> cells;
    std::array<QFrame*, 13> gridlines;
    QGroupBox* instructions;
    QLabel* instructionstext;
    QPushButton* startreset;
    QPushButton* compmovefirst;
    QLineEdit* turnsbox;
    QLineEdit* winsbox;
    QLineEdit* lossesbox;
    QLineEdit* drawsbox;
    QLabel* strategylearned;
    QLabel* namecaption;
    QLineEdit* namebox;
    QPushButton* addtolist;
    QListWidget* roster;
    QLabel* yoursigncaption;
    QLineEdit* yoursignbox;
    QLabel* compsigncaption;
    QLineEdit* compsignbox;
    QLineEdit* yourmoves;
    QLineEdit* compmoves;
    QListWidget* strategylist;
    QGroupBox* thinkingframe;
    QListWidget* stages;
    QTimer* clock;
    QTimer* learnedclock;

    // The game in play, the signs in effect, and the current player's record.
    TicTacToeMatch match;
    // The board and the two move records show the match's.
    void showgame();
    QString apppath;
    // How long a search of the learned strategies runs before events get a turn.
    qint64 scanpausens = 5'000'000;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildcontrols();
    void buildboard();
    void buildhiddenblocks();
    void setcaption(int k, const QString& text);
    // The board as the cells show it.
    Board shownboard;
    void selectstage(int row);
    // "Start / Reset" and "Comp Move First" go on and off together.
    void setstartbuttons(bool enabled);
    // A finished game scored: the message, then its money and count.
    void scored(Outcome outcome, const QString& message);
    void applyrecord(const PlayerRecord& record);
    // Makes the name current with its record; a damaged record is moved aside, and said so.
    void takeuprecord(const QString& name);
    // Writes a record, telling the player when it could not be written.
    bool keeprecord(const QString& name, const PlayerRecord& record);

    QStringList brain;
    // Set while a reply searches the learned strategies and lets events run.
    bool thinking = false;
    // Set once the close box was used, so a reply still searching gives up.
    bool closing = false;
    bool brainunwrittenreported = false;
    // brain.dat is there but could not be read: nothing is written to it.
    bool brainrefused = false;
    // list.dat is there but could not be read, and why: no name is added to it.
    FileRead rosterrefused;
    // Whose record wins, losses and draws hold: the name box may already show another name.
    QString recordname;
    // A damaged record that could not be moved aside is never written over.
    QString keptunwritten;
};
