#pragma once

#include <QByteArrayView>

#include <algorithm>

// Takes the next line off the front of `rest`, without its CR LF or LF; false once none is left.
inline bool nextline(QByteArrayView& rest, QByteArrayView& line) {
    if (rest.isEmpty())
        return false;
    qsizetype end = rest.indexOf('\n');
    if (end < 0)
        end = rest.size();
    line = rest.first(end);
    rest = rest.sliced(std::min(end + 1, rest.size()));
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}
