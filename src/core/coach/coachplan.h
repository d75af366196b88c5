#pragma once

#include "coach/keyplan.h"
#include "coach/keytries.h"
#include "common/settingsfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

inline constexpr int slowesttarget = 10;
inline constexpr int fastesttarget = 150;

// What the coach keeps in the program folder, so it holds after a restart: the word language the
// player chose (empty: the keyboard layout's), the stages turned on, the keys in play in each
// language, the target speed and the own text chosen. One line of names and values:
// "keystrider-coach",1,"words","de","capitals",1,"digits",0,"punctuation",0,"target",35,
// "text","%2Fhome%2Fana%2Fbook.txt","inplay","de","101 110 105","tries","de","105:3:150:0",
// "flat","de 105:2:493" (the keys by character code, in the order they joined; the text's path
// percent-encoded; how the keys below the target fared, see `triestext`, and the held ones'
// back-off, see `flattext`). The last, added later, is a name and one value, the language first
// in it, so an older copy skips it; so are those added after it: "focus","de 120", the key the
// player chose as the focus of the drills until they clear it, and "leftout","de 113 122", the
// keys the player left out of the drills. A file without them has none. Later still, each a
// name and one value: "symbols",1, the layout learnt ("learn","us(dvorak)") and what each
// layout learnt keeps, its key first: "layouttarget","us(dvorak) 20",
// "layoutinplay","us(dvorak) en 101 116 97", "layouttries","us(dvorak) en 105:3:150:0",
// "layoutflat","us(dvorak) en 105:2:493", "layoutfocus","us(dvorak) en 120",
// "layoutleftout","us(dvorak) en 113 122". The names without "layout" are the desktop layout's
// whichever layout is learnt, as an older copy reads them.
struct CoachPlan {
    // What each layout the player types keeps of its own.
    struct Layout {
        QHash<QString, QString> inplay;   // by language
        QHash<QString, TriesByKey> tries; // by language
        int targetwpm = 35;
        QHash<QString, QChar> focus;     // by language
        QHash<QString, QString> leftout; // by language
        bool operator==(const Layout&) const = default;
    };

    QString language;
    Stages stages;
    // The layout typed now: its keys in play, tallies, target, and the keys the player chose.
    QHash<QString, QString> inplay;   // by language
    QHash<QString, TriesByKey> tries; // by language
    int targetwpm = 35;
    QHash<QString, QChar> focus;     // by language: the key chosen as the drills' focus
    QHash<QString, QString> leftout; // by language: the keys left out of the drills
    QString text;                    // the own text's path; empty for none
    // The layout learnt in the coach, as the keyboard chooser names it; empty for the desktop's.
    QString learning;
    // Every other layout's, by its key; the desktop's under the empty key.
    QHash<QString, Layout> layouts;

    // Puts the layout typed now aside and takes up `key`'s, new for a layout never learnt.
    void learn(const QString& key);

    bool operator==(const CoachPlan&) const = default;
};

inline const QString coachplanfilename = QStringLiteral("coachplan.dat");
// One line of a few hundred characters; a file any larger is none of ours.
inline constexpr qint64 largestcoachplan = 64 * 1024;

// coachplan.dat, read and written by the rule of the settings files (common/settingsfile.h).
const SettingsFile& coachplanfile();
// Takes what is valid of the bytes into `plan` (a new plan's values for the rest: a key, a key's
// tallies or a value that can't be read is dropped alone, a target out of range clamped) and
// says how they read.
Reading readcoachplan(QByteArrayView bytes, CoachPlan& plan);
QByteArray coachplanline(const CoachPlan& plan);
// The kept plan, what can be read of it, for those who only look at it; `trouble` says why when
// the file is there and can't be read.
CoachPlan keptcoachplan(QString& trouble);
// The same for the coach, which keeps it: a damaged file is set aside and mended at once.
// `said` is what the player is told; `unkept`, that the file is not to be written over.
CoachPlan loadcoachplan(QString& said, bool& unkept);
// Keeps the plan; false when it was not written. `said`, when given, is what the player is
// told: why, or that a file damaged since was set aside first.
bool keepcoachplan(const CoachPlan& plan, QString* said = nullptr);
