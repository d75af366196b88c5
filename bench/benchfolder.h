#pragma once

#include "common/programfolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

// A temporary program folder for a benchmark, so nothing is written beside the build.
struct BenchFolder {
    BenchFolder() { setprogramfolder(dir.path()); }
    ~BenchFolder() { setprogramfolder(QString()); }
    QString filepath(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

// Synced, as the game leaves its files: pages still being written out are slower to read.
inline bool writesynced(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           ::fsync(file.handle()) == 0;
}
