// Reading the game's files: regular files only, never waiting, never more than a reader can use.
#include "common/filereading.h"

#include "common/regularfile.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

QString sizetext(qint64 bytes) {
    constexpr qint64 mb = 1024 * 1024;
    if (bytes >= mb && bytes % mb == 0)
        return QCoreApplication::translate("FileRead", "%1 MB").arg(bytes / mb);
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QCoreApplication::translate("FileRead", "%1 KB").arg(bytes / 1024);
    return QCoreApplication::translate("FileRead", "%1 bytes").arg(bytes);
}

QString FileRead::reason() const {
    switch (fault) {
    case ReadFault::None:
        break;
    case ReadFault::Missing:
        return QCoreApplication::translate("FileRead", "it is not there");
    case ReadFault::NotAFile:
        return QCoreApplication::translate("FileRead",
                                           "it is a folder, a device or a pipe, not a file");
    case ReadFault::Link:
        return QCoreApplication::translate(
            "FileRead", "it is a symbolic link, which the game never follows on a battle disk");
    case ReadFault::TooLarge:
        return QCoreApplication::translate("FileRead",
                                           "it is larger than %1, the most the game reads of it")
            .arg(sizetext(most));
    case ReadFault::Unreadable:
        if (error == 0)
            break;
        return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
    return QCoreApplication::translate("FileRead", "the system refused it");
}

QString FileRead::message(const QString& name) const {
    return QCoreApplication::translate("FileRead", "%1 could not be read: %2.").arg(name, reason());
}

namespace {

FileRead fault(ReadFault kind, qint64 most, int error = 0) {
    return {kind, error, most};
}

} // namespace

Opened openregular(const QByteArray& name, int flags, Links links, qint64 most) {
    const bool nofollow = links == Links::Refuse;
    struct stat before {};
    const int looked =
        nofollow ? ::lstat(name.constData(), &before) : ::stat(name.constData(), &before);
    if (looked != 0 && errno != ENOENT)
        return {-1,
                fault(errno == ENOTDIR ? ReadFault::Missing : ReadFault::Unreadable, most, errno)};
    if (looked != 0 && !(flags & O_CREAT))
        return {-1, fault(ReadFault::Missing, most)};
    if (looked == 0 && S_ISLNK(before.st_mode))
        return {-1, fault(ReadFault::Link, most)};
    if (looked == 0 && !S_ISREG(before.st_mode))
        return {-1, fault(ReadFault::NotAFile, most)};
    Opened opened;
    do
        opened.fd =
            ::open(name.constData(),
                   flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (nofollow ? O_NOFOLLOW : 0), 0666);
    while (opened.fd < 0 && errno == EINTR);
    if (opened.fd < 0) {
        // Whatever came in under the name since it was looked at is judged as it now is.
        struct stat now {};
        if (errno == ENOENT)
            opened.read = fault(ReadFault::Missing, most);
        else if (nofollow && errno == ELOOP && ::lstat(name.constData(), &now) == 0 &&
                 S_ISLNK(now.st_mode))
            opened.read = fault(ReadFault::Link, most);
        else if (errno == ENXIO)
            opened.read = fault(ReadFault::NotAFile, most);
        else
            opened.read = fault(ReadFault::Unreadable, most, errno);
        return opened;
    }
    struct stat held {};
    if (::fstat(opened.fd, &held) != 0 || !S_ISREG(held.st_mode)) {
        ::close(opened.fd);
        return {-1, fault(ReadFault::NotAFile, most)};
    }
    if (held.st_size > most) {
        ::close(opened.fd);
        return {-1, fault(ReadFault::TooLarge, most)};
    }
    opened.read.most = most;
    return opened;
}

FileRead readfile(const QString& path, qint64 most, QByteArray& bytes, Links links) {
    return readfile(path, most, bytes, {}, links);
}

FileRead readfile(const QString& path, qint64 most, QByteArray& bytes,
                  const std::function<bool()>& between, Links links) {
    bytes.clear();
    Opened opened = openregular(QFile::encodeName(path), O_RDONLY, links, most);
    if (opened.fd < 0)
        return opened.read;
    const int fd = opened.fd;
    const auto failed = [&bytes, fd, most](ReadFault kind, int error) {
        ::close(fd);
        bytes.clear();
        return fault(kind, most, error);
    };
    struct stat held {};
    ::fstat(fd, &held);
    // The size said is only a start: a file may grow while it is read, and some (those of
    // /proc) say 0 and still hold bytes. One byte past the limit tells a file over it.
    qsizetype got = 0;
    bytes.resize(static_cast<qsizetype>(std::min<qint64>(held.st_size, most) + 1));
    // Memory is slow to come by: a part of a megabyte takes a few milliseconds.
    constexpr qsizetype part = 1 << 20;
    for (;;) {
        if (got == bytes.size()) {
            if (got > most)
                break;
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(most + 1, 2 * got + 4096)));
        }
        const qsizetype wanted = between ? std::min(part, bytes.size() - got) : bytes.size() - got;
        const ssize_t done = ::read(fd, bytes.data() + got, static_cast<size_t>(wanted));
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return failed(ReadFault::Unreadable, errno);
        if (done == 0)
            break;
        got += done;
        if (between && !between())
            return failed(ReadFault::Unreadable, ECANCELED);
    }
    ::close(fd);
    if (got > most) {
        bytes.clear();
        return fault(ReadFault::TooLarge, most);
    }
    bytes.resize(got);
    return opened.read;
}

FileRead openfile(const QString& path, qint64 most, QFile& file, Links links) {
    Opened opened = openregular(QFile::encodeName(path), O_RDONLY, links, most);
    if (opened.fd >= 0 && !file.open(opened.fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                                     QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        return fault(ReadFault::Unreadable, most, EBADF);
    }
    return opened.read;
}
