#pragma once

#include "coach/coachplan.h"
#include "coach/drill.h"
#include "coach/drillwords.h"
#include "coach/keyplan.h"
#include "coach/keytries.h"
#include "coach/languagewords.h"
#include "coach/owntext.h"
#include "coach/placekeeper.h"
#include "coach/typeable.h"
#include "stats/typinghistory.h"
#include "stats/typingsession.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QThread;
class StatsRecorder;
struct LoadedText;
struct LoadedWords;

// The coach's drills, as its choices offer them.
enum class DrillKind { WeakKeys, WeakPairs, Mistyped, OwnText };

// Keys as a sentence names them: "a, o, u, c, l and é"; likewise any names.
QString keylist(const QString& keys);
QString namelist(QStringList names);

// What the typing coach knows and decides, with no window of its own: the statistics and words it
// teaches from, the keys in play and in focus, what it keeps in the program folder, and the drill
// in hand. A window hands it the player's keystrokes and choices, and shows what it signals.
// Its work is kept in a file a job: coachplanner.cpp the settings it keeps, _loading the history
// and words, _progression the keys in play and in focus, _drill the drill chosen and typed,
// _recording a drill's end, _summary what the coach says of it.
class CoachPlanner : public QObject {
    Q_OBJECT
public:
    // `cantype` tells whether the player's keyboard types a character (one, or a surrogate
    // pair). What coachplan.dat and keyboard.dat keep is read at once; `said` tells of trouble.
    explicit CoachPlanner(std::function<bool(const QString&)> cantype, QObject* parent = nullptr);

    // Has the typing history read, and the words away from the calling thread; `historyloaded`
    // tells when they are in hand. Until the player chooses a language the words are those of
    // the keyboard layout `layout` describes ("German").
    void load(const QString& layout);
    // Waits for the statistics being read and takes them up at once.
    void finishloading();
    bool loading() const { return wordsread != nullptr; }

    // The language of the drills' words ("de"), and the keys in play in the order they joined.
    QString language() const { return words.language; }
    QString keysinplay() const { return inplay; }
    QChar focus() const { return keys.focus; }
    // The key the player chose as the focus of the drills until they clear it; none for none.
    QChar chosenkey() const { return plan.focus.value(words.language); }
    // The keys the player left out of the drills.
    QString leftout() const { return plan.leftout.value(words.language); }
    Stages stages() const { return plan.stages; }
    int targetwpm() const { return target; }
    DrillKind kind() const { return drillkind; }
    // What the coach tells the player now, as `note` last said it.
    QString said() const { return lastnote; }
    // From 0 to 1, the drill in hand counted as the record it will make.
    double confidenceof(QChar key) const;
    // The keyboard layout kept from the last time; none when none is.
    std::optional<QString> keptlayout() const { return layoutkept; }
    // How a weak-keys drill on `key` went, from its confidence before and after, and what its
    // last drills foretell.
    QString drillsummary(QChar key, double before, double after) const;
    // Whether a key is at the target: the one verdict the note, the ladder, the summary and the
    // forecast follow (see `attarget`).
    bool reached(QChar key) const;
    // Whether a key in play below the target has had its turns and no longer holds the next key
    // back; its time and miss rate against the target's when it has, else nothing.
    bool isheld(QChar key) const;
    QString helddescription(QChar key) const;
    // A target the keys in play fit, offered when most of them are below the player's.
    std::optional<int> proposedtarget() const { return proposal; }

    void settarget(int wpm);
    // The player took the target offered.
    void takeproposal();
    void choosewords(const QString& code);
    void choosestages(Stages chosen);
    // The player chose a key in play for the next drill.
    void pickfocus(QChar key);
    // The player chose `key` as the focus of the drills from now on; choosing it again clears
    // it. A key left out is taken back into the drills.
    void keepfocus(QChar key);
    // The player left `key` out of the drills, or took it back; a focus left out is cleared.
    void leaveout(QChar key, bool out);
    // The player asked for `key` from the statistics: the next drill is a weak-keys drill on it.
    void practise(QChar key);
    void choosekind(DrillKind kind);
    // The keyboard layout changed to the one `layout` describes.
    void followlayout(const QString& layout);
    // The player learns another layout than the desktop's (as KeyboardChooser::key() names it,
    // empty for the desktop's own), the one `description` describes: its keys in play, target,
    // tallies and history are its own, and its words those of its language.
    void learn(const QString& key, const QString& description);
    QString learning() const { return plan.learning; }
    // Keeps the layout the player chose (as KeyboardChooser::key() names it) in keyboard.dat.
    void keeplayout(const QString& key);
    // Reads a text in the background; `textloaded` tells when it is in hand. `chosen`: the player
    // chose it now, and it becomes the text kept and the drill.
    void loadtext(const QString& path, bool chosen = true);
    // Where an ended drill goes, and where every exercise, race and drill that ends comes from.
    void setrecorder(StatsRecorder* recorder);
    // Keeps the places in own texts; every setting is kept as it changes.
    void keep();
    // Says what another part of the coach has to tell, in its note; at a drill's end, once the
    // coach has said its own.
    void announce(const QString& text);

    bool drilling() const { return running != nullptr; }
    void start();
    // Stops the drill in hand; what was typed still counts.
    void stop() {
        if (drilling())
            stopdrill(false);
    }
    // The typing box now holds `box`.
    void typed(const QString& box);
    // Backspace or Delete was released in the box, or such a release taken back.
    void correctionkey();
    void correctionretracted();

signals:
    void note(const QString& text);
    // How the last drill went.
    void summary(const QString& text);
    // The focus key as the player reads it; empty for none.
    void focuschanged(const QString& key);
    // The pairs a weak-pairs drill would train, as a sentence names them ("th, he and in");
    // empty for none, or when another drill is chosen.
    void pairschanged(const QString& pairs);
    // Every key taught, those in play, and the focus.
    void keyschanged(const QList<QChar>& order, const QString& inplay, QChar focus);
    // The keys whose confidence is to be shown; `confidenceof` gives it.
    void barschanged(const QList<QChar>& keys);
    void stageschanged(Stages stages);
    // The target the coach offers, 0 for none; the target changed at the player's asking.
    void targetproposed(int wpm);
    void targetchanged(int wpm);
    void languagechanged(const QString& code);
    void kindchanged(DrillKind kind);
    // The entry to type, as the keyboard types it; empty at rest.
    void entrychanged(const QString& entry);
    // The entry in hand ended: the typing box starts empty, and its emptying is no keystroke.
    void clearbox();
    void figures(int wpm, int percent);
    void drillstarted();
    void drillstopped();
    void textreading(bool reading);
    // `name`: the file name of the text now in hand.
    void textloaded(const QString& name, bool chosen);
    void historyloaded();
    // The next character to type, empty when there is none.
    void nextcharacter(const QString& character);

private:
    const StatsHistory& records() const { return history->records(); }
    // The keys in play that the drills may use: those left out are not.
    QString drillable() const { return withoutkeys(inplay, leftout()); }
    // The keys as typed on the layout in hand.
    const KeyHistory& keyhistory() const { return records().keysof(plan.learning); }
    void tell(const QString& text);
    void keepplan();

    // Loading: the history and the words.
    void takeuphistory();
    void takeupwords(LanguageWords list);
    void textread(LoadedText& result, bool chosen);

    // Progression: the keys in play, the focus, the held keys and the target offered.
    void showfocus();
    TriesByKey& tries() { return plan.tries[words.language]; }
    // Tallies a record of the keys in play; `focus`, the key a completed weak-keys drill trained.
    void tally(const TypingRecord& record, QChar focus = {});
    void proposetarget(QString& told);
    KeyStat livestat(QChar key) const;

    // The drill chosen and typed.
    std::uint64_t drawseed() const;
    std::unique_ptr<Drill> chosendrill();
    void showentry();
    // `inhand`: the characters typed right of the entry in hand.
    void showfigures(qsizetype inhand = 0);
    void entrydone(bool wrongkey);

    // Recording: a drill's end, and what ends elsewhere.
    void stopdrill(bool completed);
    void keeprecord(const TypingRecord& record);
    void recordarrived(const TypingRecord& record);
    void notedrill(QChar key, const TypingRecord& record);

    // Summary: what the coach says of the drills.
    QString firstnote() const;
    QString endsummary(const TypingRecord& record, const QList<PairStanding>& drilledpairs,
                       QChar drilled, double after) const;

    std::function<bool(const QString&)> cantype;
    QString lastnote;
    // Every record of stats.dat and those kept since, shared with the other windows.
    QPointer<TypingHistory> history;
    // The words being read, and whether the reading is done; none once taken up.
    std::shared_ptr<LoadedWords> wordsread;
    QPointer<QThread> wordsworker;
    bool wordsready = false;
    QPointer<StatsRecorder> recorder;
    bool recordingown = false; // the history is handed a drill of this coach
    bool ending = false;       // a drill is being ended, and its notes told
    QString announced;         // told while a drill ended, to be said after it
    PlaceKeeper places;
    OwnText owntext;
    bool readingtext = false; // an own-text drill waits for it
    // The drills' words and the teaching: kept in coachplan.dat.
    struct Words {
        QString language;
        DrillWords model;
        QList<QChar> letters; // most frequent first
        PairWeights pairs;    // how common each letter pair is
    } words;
    CoachPlan plan;
    bool planunkept = false; // coachplan.dat could not be read: it is left alone
    int target = 35;         // the target speed chosen
    std::optional<QString> layoutkept;
    bool keyboardunkept = false; // keyboard.dat could not be read: it is left alone
    DrillKind drillkind = DrillKind::WeakKeys;
    QString inplay;
    // The key the player chose for the next drill, in the coach or from the statistics, or none.
    QChar chosenfocus;
    FocusChoice keys;
    // The last focus drills of each key of the words' language, oldest first, this session.
    QHash<QChar, QList<FocusDrill>> recent;
    QString toldheld;            // held keys the coach said so of, this session
    QString toldunreachable;     // symbols the keyboard can't type, as last said
    std::optional<int> proposal; // offered until the player answers
    int lowdrills = 0;           // drills in a row after which most keys sat at the target or below
    TypeableEntry shown;         // the entry in hand as the keyboard types it
    QStringList cleared;         // mistyped entries the drill in hand saw typed clean
    double focusbefore = 0;      // the focus key's confidence as the drill began
    bool focusheld = false;      // and whether it was held
    std::unique_ptr<Drill> running; // the drill in hand, none at rest
    TypingSession session;
    std::int64_t wrongatentry = 0;
    QString shownnext;
};
