#pragma once

#include "coach/keyplan.h"
#include "coach/keytries.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>

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
// in it, so an older copy skips it.
struct CoachPlan {
    QString language;
    Stages stages;
    QHash<QString, QString> inplay;   // by language
    QHash<QString, TriesByKey> tries; // by language
    int targetwpm = 35;
    QString text; // the own text's path; empty for none

    bool operator==(const CoachPlan&) const = default;
};

inline const QString coachplanfilename = QStringLiteral("coachplan.dat");
// One line of a few hundred characters; a file any larger is none of ours.
inline constexpr qint64 largestcoachplan = 64 * 1024;

// The plan the bytes keep; none when they keep none.
std::optional<CoachPlan> readcoachplan(QByteArrayView bytes);
QByteArray coachplanline(const CoachPlan& plan);
// The kept plan, or a new one when none is kept; `trouble` says why when the file is there and
// can't be read, and the plan is then not to be written over it.
CoachPlan keptcoachplan(QString& trouble);
// Keeps the plan; false when the file could not be written.
bool keepcoachplan(const CoachPlan& plan);
