#pragma once

// What the file readers and writers share, behind filereading.h and filewriting.h.
#include "common/filereading.h"

#include <QByteArray>

struct Opened {
    int fd = -1;
    FileRead read;
};

// Opens `name` only when it is a regular file: a pipe or a device is never opened (a pipe
// would wait for a writer for good, /dev/zero never ends), and the open itself never waits.
// With O_CREAT a name that is not there yet is made.
Opened openregular(const QByteArray& name, int flags, Links links, qint64 most);

inline bool islineend(char c) {
    return c == '\r' || c == '\n';
}
