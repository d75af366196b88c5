#pragma once

#include "coach/confidence.h"

#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// A key in play below the target holds the next key back until it has been the focus of this
// many drills, or due this many times; then it is held: the next key joins, and the held key
// comes back as the focus every other drill until it reaches the target, less often the longer
// it stays flat.
inline constexpr qint16 focusdrillsbeforeheld = 3;
inline constexpr std::int64_t keystrokesbeforeheld = 150;

// How a key in play has fared since it joined or last reached the target; coachplan.dat keeps it.
struct KeyTries {
    qint16 drills = 0;           // completed weak-keys drills it was the focus of
    std::int64_t keystrokes = 0; // times it was due, in anything typed
    qint16 rest = 0;             // weak-keys drills on other keys since it was last the focus
    // Its drills in a row as a held key that left it no higher than the one before.
    qint16 flat = 0;
    // Its confidence where its last focus drill left it, in thousandths; -1 before any.
    qint16 left = -1;
    bool operator==(const KeyTries&) const = default;
};
using TriesByKey = QHash<QChar, KeyTries>;

// Whether a key below the target has had its turns and no longer holds the next key back.
bool held(const KeyTries& tries);
// Every how many drills a held key comes back: every other, and after each two drills in a row
// that left it flat one drill later, up to every fourth.
int heldspacing(const KeyTries& tries);
// Where a key's focus drill left it; `washeld`, it was held as the drill began, and a drill that
// did not raise it counts as flat.
void notefocusdrill(KeyTries& tries, double after, bool washeld);

// What one record did to the keys in play: a key at the target leaves the tally, one below it
// counts its keystrokes; `focus`, the key a completed weak-keys drill trained (none for anything
// else), counts a drill, and the others in the tally one drill of rest.
void tallyrecord(TriesByKey& tries, const QString& inplay,
                 const std::function<bool(QChar)>& reached, const QHash<QChar, std::int64_t>& due,
                 QChar focus = {});

// The key the next weak-keys drill trains when the player chose none: the weakest key in play
// that still holds the next one back, and a held key instead once its turn came (see
// `heldspacing`; the one left longest, the weaker first), or at once a held key that
// `fellbehind` since its last drill. With no held key, none: the weakest key in play, as
// `choosefocus` finds it. `reached`: whether a key is at the target.
QChar nextfocus(const QString& inplay, const TriesByKey& tries,
                const std::function<double(QChar)>& confidence,
                const std::function<bool(QChar)>& reached,
                const std::function<bool(QChar)>& fellbehind);

// One of a key's recent focus drills: its confidence after it, and how that drill alone typed it.
struct FocusDrill {
    double after = 0;
    double ms = 0;       // its mean time a keystroke
    double missrate = 0; // the share of its dues missed
};
// A key's focus drills are remembered this far back.
inline constexpr qsizetype trenddrills = 3;
// Whether a key's confidence `now` fell well below where its last focus drill left it.
bool fellbehind(const KeyTries& tries, double now);

// What the coach foresees for a focus key below the target, from its last focus drills (oldest
// first, the one just typed last): a plain word when it is not rising or can't reach the target
// at its recent best, a number of drills only when the trend reaches the target within ten.
QString forecast(QChar key, const QList<FocusDrill>& recent, int targetwpm);

// Whether most keys in play typed often enough to tell are slower than the target; with `orat`,
// at it or slower: no faster than the margin above it.
bool mostbelowtarget(const QList<KeyStat>& inplay, int targetwpm, bool orat = false);
// When most keys in play are slower than the target (with `orat`, no faster than the margin above
// it either), a target they fit: the speed of the middle one, down to a multiple of five; none
// when that is no lower than the target. Only keys typed enough that their time is the player's
// count.
std::optional<int> fittingtarget(const QList<KeyStat>& inplay, int targetwpm, bool orat = false);

// Why a key that reached no target no longer holds the next key back, told as `joined` joins.
QString heldsentence(QChar key, const KeyStat& stat, int targetwpm, QChar joined);
// A held key as the ladder describes it: how often it comes back, its time and miss rate against
// the target's.
QString helddescription(QChar key, const KeyStat& stat, int targetwpm, const KeyTries& tries);

// The tallies as coachplan.dat keeps them, "112:3:150:0 120:1:40:2" (each key's code, drills,
// keystrokes and rest), and back; none when the text is no such list.
QString triestext(const TriesByKey& tries);
std::optional<TriesByKey> readtries(const QString& text);
// The held keys' back-off, kept beside them: "112:2:493" (each key's code, flat drills and where
// its last drill left it), laid over `tries`; false when the text is no such list.
QString flattext(const TriesByKey& tries);
bool readflat(const QString& text, TriesByKey& tries);
