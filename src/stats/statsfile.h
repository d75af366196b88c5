#pragma once

#include "stats/keystrokes.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// One exercise or race as "stats.dat" keeps it.
struct TypingRecord {
    QDateTime ended; // local time
    QString career;
    QString activity; // "Practice" or "Race"
    QString level;
    QString result;                // "Completed", "Restarted", "Won" or "Lost"
    std::int64_t milliseconds = 0; // typing time, pauses left out
    KeystrokeCounts counts;

    double speed() const { return wordsperminute(counts.charsmatched, milliseconds); }
    double accuracy() const { return accuracypercent(counts.charstyped, counts.wrong); }
};

inline const QString statsfilename = QStringLiteral("stats.dat");

// One line of the file, CR LF included: a tag and version, then name and value pairs, so a
// later version can add names that this one skips.
QByteArray statsline(const TypingRecord& record);

// Reads the lines of "stats.dat" in slices: a long file never holds the caller up for long.
class StatsReader {
public:
    explicit StatsReader(QByteArray bytes);
    // Reads up to `lines` more lines; false once the data is used up.
    bool read(int lines);
    bool done() const { return pos >= data.size(); }
    QList<TypingRecord> records;
    // Lines that were damaged, foreign or of no kind this version knows.
    std::int64_t unreadable = 0;

private:
    const QByteArray data;
    qsizetype pos = 0;
};

// A line on its own; false when it is not a record this version can read.
bool parsestatsline(const QByteArray& line, TypingRecord& record);
