#pragma once

#include "coach/coachhistory.h"
#include "coach/coachplan.h"
#include "coach/drill.h"
#include "coach/drillwords.h"
#include "coach/keyplan.h"
#include "coach/languagewords.h"
#include "coach/owntext.h"
#include "coach/placekeeper.h"
#include "coach/typeable.h"
#include "common/accessibility.h"
#include "keyboard/keyboardchooser.h"
#include "stats/typingsession.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class ConfidenceBars;
class KeyLadder;
class KeyboardView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct LoadedText;
class QThread;
class StatsRecorder;
struct LoadedHistory;

// The typing coach: drills on the player's weak keys, mistyped entries and own texts.
class frmcoach : public QWidget {
    Q_OBJECT
public:
    explicit frmcoach(QWidget* parent = nullptr);
    // Keeps the places in own texts and the settings, also when the program ends with the
    // window open.
    ~frmcoach() override;

    QGroupBox* drill;
    QRadioButton* optweak;
    QRadioButton* optmistyped;
    QRadioButton* optowntext;
    QPushButton* choosetext;
    QLabel* textname;
    QLabel* lblfocus;
    QLabel* focuskey;
    QLabel* lbltarget;
    QSpinBox* targetspeed;
    QLabel* lblwords;
    QComboBox* wordsbox; // the language of the drills' words
    QCheckBox* capitals;
    QCheckBox* digits;
    QCheckBox* punctuation;
    QLabel* lblkeys;
    KeyLadder* keyladder; // every key taught, in play or not yet
    ConfidenceBars* confidencebars;
    QLabel* lbltypecaption;
    SpokenLabel* lbltype; // the entry to type, told as it comes
    QLineEdit* txttype;
    QPushButton* startstop;
    QLabel* lblspeed;
    QLabel* speed;
    QLabel* lblaccuracy;
    QLabel* accuracy;
    QLabel* lbllayout;
    QComboBox* layoutbox;
    KeyboardView* keyboard;
    SpokenLabel* note;    // what the coach tells the player
    SpokenLabel* summary; // how the last drill went

    // Asks the player for a text file; tests answer it instead of a real file dialog.
    static std::function<QString(QWidget*)> choosefile;

    // Reads the typing statistics away from the window's thread; `historyloaded` tells when
    // they are in hand. The window keeps what the drills add to them from then on.
    void load();
    // Waits for the statistics being read and takes them up at once.
    void finishloading();
    bool drilling() const { return running != nullptr; }
    // The language of the drills' words ("de"), and the keys in play in the order they joined.
    QString language() const { return words.language; }
    QString keysinplay() const { return inplay; }
    QChar focus() const { return keys.focus; }
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
    static inline const QString startcaption = QStringLiteral("Start");
    static inline const QString stopcaption = QStringLiteral("Stop");

    // Made and laid out in frmcoach_controls.cpp.
    void buildcontrols();
    void buildkeyboard();
    void layoutchosen(int row);
    void systemkeymapchanged();
    void followpalette();

    std::unique_ptr<Drill> chosendrill();
    void startdrill();
    void stopdrill(bool completed);
    void showentry();
    void txttype_Change();
    void entrydone(bool wrongkey);
    // The keys taught, in play and in focus; made in frmcoach_plan.cpp.
    void buildplancontrols();
    void showfocus();
    void keepplan();
    void takeupwords(LanguageWords list);
    void wordschosen(int row);
    void followlayout();
    // The words and stages stay as they are while a drill is typed.
    void planenabled(bool enabled);
    void stageschosen();
    QString firstnote() const;
    QString drillsummary(QChar key, double before, double after) const;
    void showbars(const QList<QChar>& keys);
    // `inhand`: the characters typed right of the entry in hand.
    void showfigures(qsizetype inhand = 0);
    void showspeedandaccuracy(int wpm, int percent);
    KeyStat livestat(QChar key) const;
    std::uint64_t drawseed() const;
    void takeuphistory();
    bool cantype(const QString& character) const;
    void recordarrived(const TypingRecord& record);
    void textread(LoadedText& result, bool chosen);
    void restoresettings();
    void keepsettings();

    CoachHistory history;
    // The statistics being read, and where they go once read.
    QPointer<QThread> historyworker;
    std::shared_ptr<LoadedHistory> historyread;
    // Records that ended while the statistics were read.
    QList<TypingRecord> arrived;
    QPointer<StatsRecorder> recorder;
    bool recordingown = false;   // the recorder is handed a drill of this window
    PlaceKeeper places;
    OwnText owntext;
    // The drills' words and the teaching: kept in coachplan.dat.
    struct Words {
        QString language;
        DrillWords model;
        QList<QChar> letters; // most frequent first
    } words;
    CoachPlan plan;
    bool planunkept = false; // coachplan.dat could not be read: it is left alone
    QString inplay;
    // The key the player chose for the next drill, in the coach or from the statistics, or none.
    QChar chosenfocus;
    FocusChoice keys;
    TypeableEntry shown;            // the entry in hand as the keyboard types it
    QStringList cleared;            // mistyped entries the drill in hand saw typed clean
    double focusbefore = 0;         // the focus key's confidence as the drill began
    std::unique_ptr<Drill> running; // the drill in hand, none at rest
    TypingSession session;
    std::int64_t wrongatentry = 0;
    bool readingtext = false;    // an own-text drill waits for it
    bool emptying = false;       // the program empties the box; no keystroke
    bool keyboardunkept = false; // keyboard.dat could not be read: it is left alone
    QString shownnext;
    int shownspeed = 0;      // as the label shows it
    int shownaccuracy = 100; // likewise
    KeyboardChooser chooser;
};
