#pragma once

#include "common/textfile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The Vivo re Zazede on disk: "hall.dat" in the program folder, one quoted entry a success,
// oldest first.
inline const QString hallfilename = QStringLiteral("hall.dat");
// A line a success; one of 10 MB (a name nobody types) still fits.
inline constexpr qint64 largesthall = 16 * 1024 * 1024;

// Appends the success of `playername` with `score`; false when the file would not take it.
bool addtohall(const QString& playername, std::int64_t score);

// The entries of a hall, each as a row shows it: one longer than a row can show (a name of
// megabytes would stall the window for seconds to draw) is cut and ends in "…"; the file keeps
// it whole.
class HallEntries {
public:
    explicit HallEntries(QByteArray bytes) : reader(std::move(bytes)) {}
    // False at the end, or at an entry that can't be read.
    bool next(QString& shown);

    static constexpr qsizetype longestshown = 256;

private:
    FieldReader reader;
};
