#pragma once

#include <QByteArrayView>

#include <cstring>

// Where the line that starts at `from` ends: at its first CR or LF, else at `end`. A line ends
// at CR LF, at LF, and at a CR alone, as some editors still write.
inline const char* lineend(const char* from, const char* end) {
    const auto* lf = static_cast<const char*>(std::memchr(from, '\n', end - from));
    const char* stop = lf ? lf : end;
    const auto* cr = static_cast<const char*>(std::memchr(from, '\r', stop - from));
    return cr ? cr : stop;
}

// Past the line end at `at` (CR LF counts once).
inline const char* pastlineend(const char* at, const char* end) {
    if (at < end && *at == '\r')
        ++at;
    if (at < end && *at == '\n')
        ++at;
    return at;
}

// Takes the next line off the front of `rest`, without its line end; false once none is left.
inline bool nextline(QByteArrayView& rest, QByteArrayView& line) {
    if (rest.isEmpty())
        return false;
    const char* const end = rest.data() + rest.size();
    const char* const stop = lineend(rest.data(), end);
    line = QByteArrayView(rest.data(), stop);
    rest = QByteArrayView(pastlineend(stop, end), end);
    return true;
}

// The lines of `bytes` that were ended: a last line with no line end was torn (the game ends
// every line it writes), and may have lost any part of itself, however it reads.
inline QByteArrayView endedlines(QByteArrayView bytes) {
    qsizetype end = bytes.size();
    while (end > 0 && bytes[end - 1] != '\n' && bytes[end - 1] != '\r')
        --end;
    return bytes.first(end);
}
