#include "textfile.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>

namespace {

// 0x80-0x9F of Windows-1252; the rest of the page is Latin-1. Unused slots map to themselves.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodechar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

bool islineend(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

namespace {
QString decode(const char* bytes, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar* to = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto u = static_cast<unsigned char>(bytes[i]);
        to[i] = QChar(u >= 0x80 && u < 0xA0 ? high[u - 0x80] : char16_t(u));
    }
    return out;
}
} // namespace

QString fromwindows1252(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}

QByteArray towindows1252(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* to = out.data();
    for (QChar c : text)
        *to++ = encodechar(c);
    return out;
}

bool fitswindows1252(const QString& text) {
    // A '?' typed as such is fine; only one that encodechar made stands for a lost character.
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == QLatin1Char('?') || encodechar(c) != '?'; });
}

QString quotabletext(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1Char('\''));
    return out;
}

FieldReader::FieldReader(QByteArray bytes) : data(std::move(bytes)) {
    // A file saved by an editor that marks UTF-8 starts with these; they are not text.
    if (data.startsWith("\xEF\xBB\xBF"))
        pos = 3;
}

void FieldReader::skipdelimiter() {
    if (pos >= data.size())
        return;
    if (data[pos] == ',') {
        ++pos;
        fieldpending = true;
        return;
    }
    // A run of CRs before the LF is one line end, as files that passed through a CR LF
    // conversion twice have it.
    while (pos < data.size() && data[pos] == '\r')
        ++pos;
    if (pos < data.size() && data[pos] == '\n')
        ++pos;
}

bool FieldReader::next(QString& field) {
    bool cut = false;
    return next(field, data.size(), cut);
}

bool FieldReader::next(QString& field, qsizetype longest, bool& cut) {
    qsizetype start = 0;
    qsizetype length = 0;
    if (!nextspan(start, length))
        return false;
    cut = length > longest;
    field = decode(data.constData() + start, std::min(length, longest));
    return true;
}

bool FieldReader::nextbytes(QByteArrayView& field) {
    qsizetype start = 0;
    qsizetype length = 0;
    if (!nextspan(start, length))
        return false;
    field = QByteArrayView(data.constData() + start, length);
    return true;
}

bool FieldReader::nextspan(qsizetype& start, qsizetype& length) {
    // Plain pointers: these loops run over every byte of every file the game reads.
    const char* const begin = data.constData();
    const char* const end = begin + data.size();
    const char* p = begin + pos;
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    start = p - begin;
    length = 0;
    if (p >= end) {
        pos = data.size();
        if (!fieldpending)
            return false;
        fieldpending = false;
        return true;
    }
    fieldpending = false;
    if (*p == '"') {
        const auto* close = static_cast<const char*>(std::memchr(p + 1, '"', end - p - 1));
        if (!close) {
            pos = data.size();
            brokenquote = true;
            return false;
        }
        start = p + 1 - begin;
        length = close - (p + 1);
        p = close + 1;
        // Anything between the closing quote and the delimiter is not part of the field.
        while (p < end && *p != ',' && !islineend(*p))
            ++p;
    } else {
        const char* stop = p;
        while (stop < end && *stop != ',' && !islineend(*stop))
            ++stop;
        const char* last = stop;
        while (last > p && (last[-1] == ' ' || last[-1] == '\t'))
            --last;
        length = last - p;
        p = stop;
    }
    pos = p - begin;
    skipdelimiter();
    return true;
}

LineWriter& LineWriter::text(const QString& value) {
    fields.append(QLatin1Char('"') + value + QLatin1Char('"'));
    return *this;
}

LineWriter& LineWriter::number(qint64 value) {
    fields.append(QString::number(value));
    return *this;
}

QByteArray LineWriter::line() const {
    return towindows1252(fields.join(QLatin1Char(','))) + "\r\n";
}

QString sizetext(qint64 bytes) {
    constexpr qint64 mb = 1024 * 1024;
    if (bytes >= mb && bytes % mb == 0)
        return QStringLiteral("%1 MB").arg(bytes / mb);
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QStringLiteral("%1 KB").arg(bytes / 1024);
    return QStringLiteral("%1 bytes").arg(bytes);
}

QString FileRead::reason() const {
    switch (fault) {
    case ReadFault::None:
        break;
    case ReadFault::Missing:
        return QStringLiteral("it is not there");
    case ReadFault::NotAFile:
        return QStringLiteral("it is a folder, a device or a pipe, not a file");
    case ReadFault::Link:
        return QStringLiteral(
            "it is a symbolic link, which the game never follows on a battle disk");
    case ReadFault::TooLarge:
        return QStringLiteral("it is larger than %1, the most the game reads of it")
            .arg(sizetext(most));
    case ReadFault::Unreadable:
        if (error == 0)
            break;
        return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
    return QStringLiteral("the system refused it");
}

QString FileRead::message(const QString& name) const {
    return QStringLiteral("%1 could not be read: %2.").arg(name, reason());
}

namespace {

struct Opened {
    int fd = -1;
    FileRead read;
};

FileRead fault(ReadFault kind, qint64 most, int error = 0) {
    return {kind, error, most};
}

// Opens `name` only when it is a regular file: a pipe or a device is never opened (a pipe
// would wait for a writer for good, /dev/zero never ends), and the open itself never waits.
// With O_CREAT a name that is not there yet is made.
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

} // namespace

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
    // Renaming over a device or a pipe would take it from its folder (as root, /dev/zero).
    if (replaceable(path, links) != ReadFault::None)
        return false;
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
            return false;
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
    bool written = ::ftruncate(file.fd, 0) == 0;
    // Who may read or write the old file holds for the new one: a file made read-only is not
    // replaced, as writing into it would be refused too.
    struct stat old {};
    if (written && ::lstat(finalname.constData(), &old) == 0 && !S_ISLNK(old.st_mode))
        written = ::access(finalname.constData(), W_OK) == 0 && copymode(file.fd, old);
    // A full disk may only say so when the data is forced out; the rename must not come first.
    written = written && writeall(file.fd, bytes) && ::fsync(file.fd) == 0 &&
              std::rename(partial.constData(), finalname.constData()) == 0;
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
    QDir dir(folder);
    const QStringList leftovers = dir.entryList({QStringLiteral(".*.keystrider-partial")},
                                                QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& leftover : leftovers)
        removeleftover(dir.filePath(leftover));
    // A file the player put behind a link is written beside its target, and so is its copy.
    const QString here = QFileInfo(folder).canonicalFilePath();
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (!entry.isSymLink())
            continue;
        const QString target = followlinks(entry.filePath());
        if (target != entry.filePath() &&
            QFileInfo(QFileInfo(target).path()).canonicalFilePath() != here)
            removeunfinishedreplace(target);
    }
}
