// Writing the game's files: appends that leave no torn line, replaces that leave the old file
// whole until the new one is, and the leftovers of both swept.
#include "common/filewriting.h"

#include "common/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

// Whether the field reader, reading a line from its start, is still inside a quoted text at
// its end. A quote inside an unquoted field, or after a closing quote, opens nothing.
bool endsinsidequote(QByteArrayView line) {
    const char* p = line.data();
    const char* const end = p + line.size();
    while (p < end) {
        while (p < end && (*p == ' ' || *p == '\t'))
            ++p;
        if (p < end && *p == '"') {
            const auto* close = static_cast<const char*>(std::memchr(p + 1, '"', end - p - 1));
            if (!close)
                return true;
            p = close + 1;
        }
        while (p < end && *p != ',' && !islineend(*p))
            ++p;
        if (p < end)
            ++p;
    }
    return false;
}

// What keeps a torn last line (a power cut mid-append) from swallowing the next entry: a quote
// left open is closed and the line ended, so the fragment reads back as one entry of its own.
QByteArray tailmending(QFile& file) {
    const qint64 size = file.size();
    if (size <= 0)
        return {};
    // Only the last line matters; read it backwards a slice at a time, as it may be long.
    constexpr qint64 slice = 65536;
    QByteArrayList parts;
    qint64 linestart = 0;
    for (qint64 end = size; end > 0;) {
        const qint64 start = std::max<qint64>(0, end - slice);
        if (!file.seek(start))
            return {};
        const QByteArray chunk = file.read(end - start);
        if (chunk.size() != end - start)
            return {};
        if (end == size && chunk.back() == '\n')
            return {};
        const qsizetype lf = chunk.lastIndexOf('\n');
        parts.prepend(chunk.mid(lf + 1));
        if (lf >= 0) {
            linestart = start + lf + 1;
            break;
        }
        end = start;
    }
    QByteArray line = parts.join();
    // The reader passes over the mark an editor puts before UTF-8 at the start of a file.
    if (linestart == 0 && line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    QByteArray mend;
    if (endsinsidequote(line))
        mend += '"';
    mend += (line.endsWith('\r') && mend.isEmpty()) ? "\n" : "\r\n";
    return mend;
}

// Where the bytes of `path` really lie: a link is followed to its target, as an editor or a
// sync tool may have put one there, and the player expects that target to be updated.
QString followlinks(const QString& path) {
    QString target = path;
    // More hops than the system itself follows means a loop; the name is then left as it is.
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return path;
}

QString partialname(const QString& path) {
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".keystrider-partial");
}

// Closes the descriptor whatever way the scope is left; closing also drops its lock.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// Whether `fd`, locked, is still the file under `name`: another copy of the game may have
// renamed it away (a finished replace) or removed it (a sweep) while this one waited.
bool stillnamed(int fd, const QByteArray& name) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Takes the lock, waiting for another copy of the game unless `how` says not to. A file
// system that has no locks (some network shares) is used without: one copy of the game at a
// time is the usual case, and a battle disk there must still work.
bool lock(int fd, int how) {
    int result = 0;
    do
        result = ::flock(fd, how);
    while (result != 0 && errno == EINTR);
    return result == 0 || errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS ||
           errno == EINVAL;
}

// The old file's permissions on the new one. A disk that keeps no permissions of its own (a
// FAT stick) gives both the same mode, and is then not asked to change one.
bool copymode(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0)
        return false;
    return (made.st_mode & 07777) == (old.st_mode & 07777) ||
           ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool writeall(int fd, const QByteArray& bytes) {
    const char* from = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, from, static_cast<size_t>(left));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        from += done;
        left -= done;
    }
    return true;
}

} // namespace

bool appendtofile(const QString& path, const QByteArray& bytes) {
    // Lines go into a regular file only: a pipe or a device under the name is no file of ours.
    const Opened opened = openregular(QFile::encodeName(path), O_RDWR | O_APPEND | O_CREAT,
                                      Links::Follow, std::numeric_limits<qint64>::max());
    QFile file;
    if (opened.fd < 0 ||
        !file.open(opened.fd, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        if (opened.fd >= 0)
            ::close(opened.fd);
        return false;
    }
    // A second copy of the game may append to the same file: the lock keeps its line out of
    // the way while this one mends the tail, writes, or cuts a failed write back.
    if (!lock(file.handle(), LOCK_EX))
        return false;
    const qint64 before = file.size();
    const QByteArray whole = tailmending(file) + bytes;
    if (file.seek(before) && file.write(whole) == whole.size() && file.flush())
        return true;
    // A full disk may have taken part of the line; the next append must not join a torn one.
    file.resize(before);
    return false;
}

ReadFault replaceable(const QString& path, Links links) {
    const QByteArray name = QFile::encodeName(path);
    struct stat found {};
    if (::lstat(name.constData(), &found) != 0)
        return ReadFault::None;
    if (S_ISLNK(found.st_mode)) {
        if (links == Links::Refuse)
            return ReadFault::Link;
        // A dangling link makes its target, as before; one to a device or a folder is refused.
        if (::stat(name.constData(), &found) != 0)
            return ReadFault::None;
    }
    return S_ISREG(found.st_mode) ? ReadFault::None : ReadFault::NotAFile;
}

bool replacefile(const QString& path, const QByteArray& bytes, Links links) {
    int error = 0;
    return replacefile(path, bytes, links, error);
}

QString writefault(const QString& name, int error) {
    return QCoreApplication::translate("FileRead", "%1 could not be written: %2.")
        .arg(name, FileRead{ReadFault::Unreadable, error, 0}.reason());
}

bool replacefile(const QString& path, const QByteArray& bytes, Links links, int& error) {
    error = 0;
    // The system's word for the first step that failed.
    const auto failed = [&error] {
        if (error == 0)
            error = errno;
        return false;
    };
    // Renaming over a device or a pipe would take it from its folder (as root, /dev/zero).
    if (replaceable(path, links) != ReadFault::None) {
        error = EISDIR;
        return false;
    }
    const QString target = links == Links::Follow ? followlinks(path) : path;
    // Our own fixed name for the new copy, so one left by a killed run is known for what it is
    // and swept away (a QSaveFile links in NAME.XXXXXX, which could be anybody's file).
    const QByteArray partial = QFile::encodeName(partialname(target));
    const QByteArray finalname = QFile::encodeName(target);
    Descriptor file;
    // Another copy of the game replacing the same file holds the lock on the partial copy
    // until its rename; this one then starts afresh on a new partial copy.
    for (int tries = 0; file.fd < 0; ++tries) {
        file.fd = ::open(partial.constData(),
                         O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (file.fd < 0 || !lock(file.fd, LOCK_EX) || tries == 100)
            return failed();
        // Only a file of this copy's own making is cut and written: a name of that form that
        // is a hard link to another file (on a disk from someone else) or no file at all is
        // taken away, not written through.
        struct stat held {};
        const bool ours =
            ::fstat(file.fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_nlink == 1;
        if (!stillnamed(file.fd, partial) || !ours) {
            if (!ours && stillnamed(file.fd, partial))
                ::unlink(partial.constData());
            ::close(file.fd);
            file.fd = -1;
        }
    }
    bool written = ::ftruncate(file.fd, 0) == 0 || failed();
    // Who may read or write the old file holds for the new one: a file made read-only is not
    // replaced, as writing into it would be refused too.
    struct stat old {};
    if (written && ::lstat(finalname.constData(), &old) == 0 && !S_ISLNK(old.st_mode))
        written =
            (::access(finalname.constData(), W_OK) == 0 && copymode(file.fd, old)) || failed();
    // A full disk may only say so when the data is forced out; the rename must not come first.
    written = written && ((writeall(file.fd, bytes) && ::fsync(file.fd) == 0 &&
                           std::rename(partial.constData(), finalname.constData()) == 0) ||
                          failed());
    if (!written)
        ::unlink(partial.constData());
    return written;
}

QString damagedname(const QString& name, int n) {
    return n < 2 ? name + QStringLiteral(".damaged") : name + QStringLiteral(".damaged-%1").arg(n);
}

QString keepdamaged(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    for (int n = 1; n < 1000; ++n) {
        const QString name = damagedname(info.fileName(), n);
        const QByteArray where = QFile::encodeName(info.path() + QLatin1Char('/') + name);
        Descriptor file;
        file.fd =
            ::open(where.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file.fd < 0 && errno == EEXIST)
            continue;
        if (file.fd < 0)
            return QString();
        if (writeall(file.fd, bytes) && ::fsync(file.fd) == 0)
            return name;
        ::unlink(where.constData());
        return QString();
    }
    return QString();
}

namespace {

void removeleftover(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat found {};
    if (::lstat(name.constData(), &found) != 0)
        return;
    // No copy of the game makes a link of that name: only the link goes, never what it names.
    // Anything else that is no file (a folder, a device) is nothing of ours to open or remove.
    if (S_ISLNK(found.st_mode)) {
        ::unlink(name.constData());
        return;
    }
    if (!S_ISREG(found.st_mode))
        return;
    // One that a running copy of the game is writing is locked: it is not a leftover.
    Descriptor file;
    file.fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.fd >= 0 && lock(file.fd, LOCK_EX | LOCK_NB) && stillnamed(file.fd, name))
        ::unlink(name.constData());
}

} // namespace

void removeunfinishedreplace(const QString& path) {
    removeleftover(partialname(path));
}

void removeunfinishedreplaces(const QString& folder) {
    // One look at the folder, its names compared as they come: this runs at every start.
    const QString here = QFileInfo(folder).canonicalFilePath();
    const QLatin1String partial(".keystrider-partial");
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString name = entry.fileName();
        if (name.size() > partial.size() && name.startsWith(QLatin1Char('.')) &&
            name.endsWith(partial, Qt::CaseInsensitive)) {
            removeleftover(entry.filePath());
            continue;
        }
        // A file the player put behind a link is written beside its target, and so is its copy.
        if (!entry.isSymLink())
            continue;
        const QString target = followlinks(entry.filePath());
        if (target != entry.filePath() &&
            QFileInfo(QFileInfo(target).path()).canonicalFilePath() != here)
            removeunfinishedreplace(target);
    }
}
