#include "common/mappedfile.h"
#include "common/filereading.h"

#include "common/regularfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

MappedFile::~MappedFile() {
    release();
}

void MappedFile::release() {
    if (start)
        ::munmap(start, static_cast<size_t>(length));
    start = nullptr;
    length = 0;
    copy.clear();
}

QByteArrayView MappedFile::bytes() const {
    if (start)
        return {static_cast<const char*>(start), length};
    return copy;
}

FileRead mapfile(const QString& path, qint64 most, MappedFile& mapped) {
    mapped.release();
    const Opened opened = openregular(QFile::encodeName(path), O_RDONLY, Links::Follow, most);
    if (opened.fd < 0)
        return opened.read;
    struct stat held {};
    const bool sized = ::fstat(opened.fd, &held) == 0;
    if (sized && held.st_size == 0) {
        ::close(opened.fd);
        return opened.read;
    }
    if (sized && held.st_size <= most) {
        const auto size = static_cast<size_t>(held.st_size);
        void* start = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, opened.fd, 0);
        ::close(opened.fd);
        if (start != MAP_FAILED) {
            mapped.start = start;
            mapped.length = static_cast<qsizetype>(size);
            return opened.read;
        }
    } else {
        ::close(opened.fd);
    }
    // Some file systems map nothing; the bytes are then copied as any other file's.
    return readfile(path, most, mapped.copy);
}
