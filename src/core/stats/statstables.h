#pragma once

#include "stats/statsfile.h"

#include <QByteArrayView>
#include <QVarLengthArray>

#include <cstdint>

// A number of a line as the file writes one: whole, within [min, max]; a count, 0 or more.
bool statswhole(QByteArrayView bytes, std::int64_t min, std::int64_t max, std::int64_t& value);
bool statscount(QByteArrayView bytes, std::int64_t& value);

// The tables a line of stats.dat holds, read from its bytes as statsline() writes them: false
// for a table this version cannot read, which makes the whole line unreadable.
bool readchartable(QByteArrayView text, QVarLengthArray<CharCount, 32>& table);
bool readtimetable(QByteArrayView text, QVarLengthArray<CharTime, 32>& table);
bool readswaptable(QByteArrayView text, QVarLengthArray<SwapCount, 8>& table);
bool readpairtable(QByteArrayView text, QVarLengthArray<PairTime, 64>& table);
