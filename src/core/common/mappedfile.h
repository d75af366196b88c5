#pragma once

#include "common/filereading.h"

#include <QByteArray>
#include <QByteArrayView>

// A long file's bytes seen where the system keeps them rather than copied: tens of megabytes
// come in a fraction of the time a copy takes. The same files as readfile() reads, and the same
// limits. A file that is only ever appended to or replaced whole (stats.dat) may be mapped; one
// cut short in place while mapped would take the reader down.
class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    QByteArrayView bytes() const;

private:
    friend FileRead mapfile(const QString& path, qint64 most, MappedFile& mapped);
    void release();

    void* start = nullptr;
    qsizetype length = 0;
    QByteArray copy; // where the system would not map the file
};

// As readfile(), into `mapped`; empty unless the file was read.
FileRead mapfile(const QString& path, qint64 most, MappedFile& mapped);
