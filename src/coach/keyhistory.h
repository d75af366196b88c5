#pragma once

#include <QChar>
#include <QHash>
#include <QList>

#include <cstdint>

struct KeystrokeCounts;

// How one character fared: due and missed as the statistics count them, and its typing time,
// the gaps before the keystrokes that typed it right after a right one.
struct KeyStat {
    std::int64_t due = 0;
    std::int64_t missed = 0;
    std::int64_t timedms = 0; // sum of the gaps
    std::int64_t timed = 0;   // how many gaps

    void add(const KeyStat& other);
};

// Milliseconds per character at a speed: five characters make a word.
double targetms(int targetwpm);

// From 0 to 1; 1 means the key is typed at the target speed and rarely missed. See the README.
double confidence(const KeyStat& stat, int targetwpm);
// A key at full confidence has reached the target.
bool reachedtarget(const KeyStat& stat, int targetwpm);

// A key needs this much history before the coach judges it.
inline constexpr std::int64_t leastdue = 20;

// What the coach knows of every character, from the statistics and from drills in hand.
class KeyHistory {
public:
    void addcounts(QChar key, std::int64_t due, std::int64_t missed);
    // Typing time as a record will keep it: the sum of the gaps and how many there were.
    void addtime(QChar key, std::int64_t milliseconds, std::int64_t count);
    void add(const KeyHistory& other);
    KeyStat stat(QChar key) const { return keys.value(key); }
    const QHash<QChar, KeyStat>& all() const { return keys; }

private:
    QHash<QChar, KeyStat> keys;
};

// The keys a weak-keys drill trains: the focus and the next two weakest.
struct FocusChoice {
    QChar focus;
    QList<QChar> others;
    bool enoughhistory = false; // false: the keys are the sources' most frequent letters
};

// The weakest key due at least `leastdue` times among those `frequency` holds, leaving out keys
// that already reached the target while any other has not; then the next two weakest. Without
// such a key, the most frequent letters of `frequency` instead.
FocusChoice choosefocus(const KeyHistory& history, int targetwpm,
                        const QHash<QChar, std::int64_t>& frequency);

// The same choice with `key` as its focus, asked for by the player: the keys chosen before stay
// behind it as the others.
FocusChoice askfocus(const FocusChoice& chosen, QChar key);
