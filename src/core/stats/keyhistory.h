#pragma once

#include <QChar>
#include <QHash>
#include <QList>

#include <cstdint>

struct KeyStride;

// How one character fares, recent typing counting most: its time per keystroke and its miss
// rate, each smoothed keystroke by keystroke (see `smoothed`), and how many keystrokes made them.
struct KeyStat {
    std::int64_t due = 0;   // times it was the one to type next
    std::int64_t timed = 0; // keystrokes that timed it
    double ms;              // smoothed time of a keystroke
    double missrate;        // smoothed share of its dues that were missed

    KeyStat();
    // One record's keystrokes of the key, as the statistics count them: due and missed, and the
    // sum and number of its timed gaps. They move the figures in the order the record gives.
    void addrecord(std::int64_t recorddue, std::int64_t recordmissed, std::int64_t timedms,
                   std::int64_t recordtimed);
    // Moved on by the records of `later`, as adding each of them in turn would move it.
    void follow(const KeyStride& later);
    bool typed() const { return due > 0 || timed > 0; }
};

// What a run of records does to a key, worked out without knowing where the key stood before
// them: a long history is read in parts at once, each part a stride laid over what came before.
struct KeyStride {
    std::int64_t due = 0;
    std::int64_t timed = 0;
    double mskept = 1; // the share of the time before the run that is left after it
    double msfromnothing = 0;
    double misskept = 1;
    double missfromnothing = 0;

    void addrecord(std::int64_t recorddue, std::int64_t recordmissed, std::int64_t timedms,
                   std::int64_t recordtimed);
};

// Each keystroke moves a key's figure this share of the way to what the keystroke showed.
inline constexpr double smoothingfactor = 0.1;
// The one smoothing, of keys, letter pairs and the coach's confidence alike: `count` keystrokes
// that showed `mean` on average move `figure` to mean + (1 - smoothingfactor)^count * (figure -
// mean). See the README.
double smoothed(double figure, double mean, std::int64_t count);

// What is left of the figure before a run, `kept`, after `count` more keystrokes of it.
double keptshare(double kept, std::int64_t count);

// What the records tell of every character, each key's figures smoothed in the order typed.
class KeyHistory {
public:
    // One key's keystrokes of one record; records are added in the order they were typed.
    void addrecord(QChar key, std::int64_t due, std::int64_t missed, std::int64_t timedms,
                   std::int64_t timed);
    void follow(QChar key, const KeyStride& later) { keys[key].follow(later); }
    KeyStat stat(QChar key) const { return keys.value(key); }
    const QHash<QChar, KeyStat>& all() const { return keys; }

private:
    QHash<QChar, KeyStat> keys;
};
