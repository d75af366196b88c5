#include "stats/statstables.h"

#include "common/number.h"
#include "common/textfile.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

// Blank-separated parts of a character code and `Counts` counts, each after a colon: "97:12"
// or "97:1500:12". Pointers, not searches: a line has three tables of a dozen short parts each.
template <int Counts, typename Add> bool readchartable(QByteArrayView text, Add add) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        const char* const partend = std::find(p, end, ' ');
        const char* colon = std::find(p, partend, ':');
        std::int64_t code = 0;
        if (colon == partend || !statswhole(QByteArrayView(p, colon), 1, 0xFFFF, code))
            return false;
        std::int64_t counts[Counts] = {};
        for (std::int64_t& n : counts) {
            if (colon == partend)
                return false;
            const char* const from = colon + 1;
            colon = std::find(from, partend, ':');
            if (!statscount(QByteArrayView(from, colon), n))
                return false;
        }
        if (colon != partend)
            return false;
        add(static_cast<char16_t>(code), counts);
        p = partend;
    }
    return true;
}

// A count as the file writes one: digits only, within 64 bits; `p` goes past them.
bool countat(const char*& p, const char* end, std::int64_t& value) {
    if (p == end || *p < '0' || *p > '9')
        return false;
    const auto [stop, error] = std::from_chars(p, end, value);
    p = stop;
    return error == std::errc();
}

} // namespace

bool statswhole(QByteArrayView bytes, std::int64_t min, std::int64_t max, std::int64_t& value) {
    return filenumber(bytes, min, max, value) == FileNumber::Whole;
}

bool statscount(QByteArrayView bytes, std::int64_t& value) {
    return statswhole(bytes, 0, std::numeric_limits<std::int64_t>::max(), value);
}

bool readchartable(QByteArrayView text, QVarLengthArray<CharCount, 32>& table) {
    return readchartable<1>(text, [&](char16_t key, const std::int64_t* n) {
        table.append({key, n[0]});
    });
}

bool readtimetable(QByteArrayView text, QVarLengthArray<CharTime, 32>& table) {
    return readchartable<2>(text, [&](char16_t key, const std::int64_t* n) {
        table.append({key, n[0], n[1]});
    });
}

bool readswaptable(QByteArrayView text, QVarLengthArray<SwapCount, 8>& table) {
    bool possible = true;
    const bool read = readchartable<2>(text, [&](char16_t due, const std::int64_t* n) {
        if (n[0] < 1 || n[0] > 0xFFFF || n[0] == due || n[1] < 1)
            possible = false;
        else
            table.append({keyswap(QChar(due), QChar(static_cast<char16_t>(n[0]))), n[1]});
    });
    return read && possible;
}

// Blank-separated pairs as statsline() writes them. Both letters must be letters, and a pair is
// written only once it was timed. A line holds a hundred or so: read byte by byte.
bool readpairtable(QByteArrayView text, QVarLengthArray<PairTime, 64>& table) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        if (end - p < 3)
            return false;
        PairTime t;
        t.first = static_cast<unsigned char>(p[0]);
        t.second = static_cast<unsigned char>(p[1]);
        p += 2;
        if (!windows1252letter(t.first) || !windows1252letter(t.second) ||
            !countat(p, end, t.milliseconds))
            return false;
        t.times = 1;
        if (p < end && *p == ':' && (!countat(++p, end, t.times) || t.times < 2))
            return false;
        if (p < end && *p != ' ')
            return false;
        table.append(t);
    }
    return true;
}
