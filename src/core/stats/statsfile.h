#pragma once

#include "stats/keystrokes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

// One exercise or race as "stats.dat" keeps it.
struct TypingRecord {
    QDateTime ended; // local time
    QString career;
    QString activity; // "Practice" or "Race"
    QString level;
    QString result; // "Completed", "Restarted", "Won" or "Lost"
    KeystrokeCounts counts;
    // Mistyped entries that a drill saw typed without a wrong key: the coach drills them no more.
    QStringList cleared;
    // The layout learnt in the coach ("us(dvorak)"); empty for the desktop's own, as every
    // older line is.
    QString layout;
};

inline const QString statsfilename = QStringLiteral("stats.dat");
// A hundred thousand records of whole exercises, letter pairs and all, take about 200 MB: that is
// several times a lifetime of typing.
inline constexpr qint64 largeststats = 256 * 1024 * 1024;

// An exercise or race that ends now; the career is the main window's to fill in.
TypingRecord endedrecord(const QString& activity, const QString& level, const QString& result,
                         std::int64_t milliseconds, const KeystrokeCounts& counts);

// A text as a line keeps it: no double quote, no line break. Careers are told apart by this.
QString statstext(const QString& text);

// One line of the file, CR LF included: a tag and version, then name and value pairs, so a
// later version can add names that this one skips.
QByteArray statsline(const TypingRecord& record);

// A character of the entries and a count of it.
struct CharCount {
    char16_t key = 0;
    std::int64_t times = 0;
};

// A character's typing time as a line keeps it.
struct CharTime {
    char16_t key = 0;
    std::int64_t milliseconds = 0;
    std::int64_t times = 0;
};

// A letter pair's typing time as a line keeps it: its two letters as Windows-1252 bytes.
struct PairTime {
    unsigned char first = 0;
    unsigned char second = 0;
    std::int64_t milliseconds = 0;
    std::int64_t times = 0;
    LetterPair pair() const;
};

// A key typed instead of the one due, and how often, as a line keeps it.
struct SwapCount {
    KeySwap swap = 0;
    std::int64_t times = 0;
};

// A line taken apart without copying it: its texts still lie in the line's bytes
// (Windows-1252), so reading a long file makes strings only of what it keeps.
struct StatsLine {
    QDate day;
    QTime time;
    QByteArrayView career;
    QByteArrayView activity;
    QByteArrayView level;
    QByteArrayView result;
    TypingTally tally;
    // As the line has them: a character may come twice, its counts then add up.
    QVarLengthArray<CharCount, 32> expected;
    QVarLengthArray<CharCount, 32> missed;
    QVarLengthArray<CharTime, 32> keytime;
    QVarLengthArray<PairTime, 64> pairtime;
    QVarLengthArray<QByteArrayView, 4> mistyped; // once for each time
    QVarLengthArray<QByteArrayView, 4> cleared;
    QVarLengthArray<SwapCount, 8> instead;
    QByteArrayView layout;

    // As new, keeping the tables' room: one line serves a whole file.
    void clear() {
        day = {};
        time = {};
        career = activity = level = result = {};
        tally = {};
        expected.clear();
        missed.clear();
        keytime.clear();
        pairtime.clear();
        mistyped.clear();
        cleared.clear();
        instead.clear();
        layout = {};
    }
};

// One line without its line end; false when it is not a record this version can read.
bool splitstatsline(QByteArrayView line, StatsLine& out);
bool parsestatsline(const QByteArray& line, TypingRecord& record);
