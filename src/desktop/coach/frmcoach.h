#pragma once

#include "coach/coachplanner.h"
#include "common/accessibility.h"
#include "keyboard/keyboardchooser.h"
#include "keyboard/learnchoices.h"

#include <QWidget>

#include <functional>

class CapsLockNotice;
class ConfidenceBars;
class DailyPractice;
class TodayBar;
class KeyLadder;
class KeyboardView;
class LearntTyping;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class StatsRecorder;

// The typing coach: drills on the player's weak keys, mistyped entries and own texts.
class frmcoach : public QWidget {
    Q_OBJECT
public:
    explicit frmcoach(QWidget* parent = nullptr);
    // Keeps the places in own texts and the settings, also when the program ends with the
    // window open.
    ~frmcoach() override;

    // What the coach knows and decides; the window shows it.
    CoachPlanner* planner;

    QGroupBox* drill;
    QRadioButton* optweak;
    QRadioButton* optpairs;
    QRadioButton* optmistyped;
    QRadioButton* optowntext;
    QPushButton* choosetext;
    QLabel* textname;
    QLabel* lblfocus;
    QLabel* focuskey;
    QLabel* lbltarget;
    QSpinBox* targetspeed;
    QPushButton* usetarget; // takes the target the coach offers
    QLabel* lblgoal;
    QSpinBox* goal; // the daily practice goal, in minutes
    TodayBar* today;
    // Today's practice against the goal, of every career, as every window shows it.
    DailyPractice* practice;
    QLabel* lblwords;
    QComboBox* wordsbox; // the language of the drills' words
    QCheckBox* capitals;
    QCheckBox* digits;
    QCheckBox* punctuation;
    QCheckBox* symbols; // the symbols programmers type
    QLabel* lblkeys;
    KeyLadder* keyladder;  // every key taught, in play or not yet
    QPushButton* leaveout; // leaves the ladder's key out of the drills, or takes it back
    ConfidenceBars* confidencebars;
    QLabel* lbltypecaption;
    SpokenLabel* lbltype; // the entry to type, told as it comes
    QLineEdit* txttype;
    CapsLockNotice* capslock; // "Caps Lock is on" while it is
    QPushButton* startstop;
    QLabel* lblspeed;
    QLabel* speed;
    QLabel* lblaccuracy;
    QLabel* accuracy;
    QLabel* lbllayout;
    QComboBox* layoutbox;
    QLabel* lbllearn;
    QComboBox* learnbox; // the layout learnt on the keyboard the player has
    KeyboardView* keyboard;
    SpokenLabel* note;    // what the coach tells the player
    SpokenLabel* summary; // how the last drill went

    // Asks the player for a text file; tests answer it instead of a real file dialog.
    static std::function<QString(QWidget*)> choosefile;

    // Reads the typing statistics away from the window's thread; `historyloaded` tells when
    // they are in hand. The coach keeps what the drills add to them from then on.
    void load();
    // Waits for the statistics being read and takes them up at once.
    void finishloading();
    bool drilling() const { return planner->drilling(); }
    // The language of the drills' words ("de"), and the keys in play in the order they joined.
    QString language() const { return planner->language(); }
    QString keysinplay() const { return planner->keysinplay(); }
    QChar focus() const { return planner->focus(); }
    // Loads a text in the background; `textloaded` tells when it is in hand.
    // `chosen`: the player chose it now, and it becomes the text kept and the drill.
    void loadtext(const QString& path, bool chosen = true);
    // Where an ended drill goes, and where every exercise, race and drill that ends while the
    // window is open comes from; the main window hands it over as it does to practice.
    void setrecorder(StatsRecorder* recorder);
    // The player asked for `key` from the statistics: the next drill is a weak-keys drill on it.
    void practise(QChar key);
    void startstop_Click();
    void choosetext_Click();

signals:
    // The next character to type, empty when there is none: for the keyboard drawing.
    void nextcharacter(const QString& character);
    void textloaded();
    void historyloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static inline const char* const startcaption = QT_TR_NOOP("Start");
    static inline const char* const stopcaption = QT_TR_NOOP("Stop");

    // Made and laid out in frmcoach_controls.cpp.
    void buildcontrols();
    void buildkeyboard();
    void layoutchosen(int row);
    // The layout to learn; made in frmcoach_learn.cpp.
    void buildlearn();
    void learnchosen(int row);
    // The layout the drawing shows: the one learnt, else the one chosen for the desktop.
    KeyboardLayout drawnlayout(const QString& learnt) const;
    void systemkeymapchanged();
    void followpalette();
    // The keys taught, in play and in focus; made in frmcoach_plan.cpp.
    void buildplancontrols();
    // The words and stages stay as they are while a drill is typed.
    void planenabled(bool enabled);
    void showstages(Stages stages);
    // The Leave out button as the ladder's key stands.
    void showleftout();
    void showkind(DrillKind kind);
    // The focus key, or the pairs of a weak-pairs drill.
    void showfocus();
    void showproposal(int wpm);

    // Shows what the planner tells.
    void followplanner();
    // Shows today's practice and the goal, which the player sets here too.
    void followpractice();
    bool cantype(const QString& character) const;
    void drillstarted();
    void drillstopped();
    void showspeedandaccuracy(int wpm, int percent);

    QString shownkey;        // the focus key, as the planner last told it
    QString shownpairs;      // the pairs a weak-pairs drill would train
    int shownspeed = 0;      // as the label shows it
    int shownaccuracy = 100; // likewise
    KeyboardChooser chooser;
    QList<LearnChoice> learnable;
    LearntTyping* learntyping;
};
