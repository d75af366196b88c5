#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QFile;

// The comma-and-quote text files every data file of the game uses: Windows-1252 bytes,
// CR LF on write, CR LF or LF on read.

QString fromwindows1252(const QByteArray& bytes);
// Characters the code page lacks are written as '?', so a file always stays single-byte.
QByteArray towindows1252(const QString& text);
// Whether every character survives towindows1252: a name the player types into a file must,
// or it comes back as '?' after a restart.
bool fitswindows1252(const QString& text);

// The format has no escape for a double quote inside a quoted text, so the game's files keep one
// as a single quote: the field then reads back whole.
QString quotabletext(const QString& text);

// Reads one field at a time. next() returns false when asked to read past the end of the data,
// or on a quoted field that never closes (the rest of the file is then unreadable).
class FieldReader {
public:
    explicit FieldReader(QByteArray bytes);
    bool next(QString& field);
    // The same, keeping only the first `longest` characters of the field; `cut` tells whether
    // it held more. A huge field then costs nothing to skip.
    bool next(QString& field, qsizetype longest, bool& cut);
    // The field's bytes as they lie in the data, undecoded: a reader that only compares them
    // or reads digits need not make a string of every field.
    bool nextbytes(QByteArrayView& field);
    bool atend() const { return pos >= data.size() && !fieldpending; }
    // Whether the read stopped at a quoted field that never closes, rather than at the end.
    bool unclosedquote() const { return brokenquote; }

private:
    // Where the next field's text lies in the data.
    bool nextspan(qsizetype& start, qsizetype& length);
    void skipdelimiter();
    const QByteArray data;
    qsizetype pos = 0;
    bool fieldpending = false; // a comma was read, so one more (possibly empty) field follows
    bool brokenquote = false;
};

// Builds one line: quoted texts (written unchanged, as the format has no escape), plain
// decimal numbers, commas between, CR LF at the end.
class LineWriter {
public:
    LineWriter& text(const QString& value);
    LineWriter& number(qint64 value);
    QByteArray line() const;

private:
    QStringList fields;
};

// Why a file was not read. Any name can be handed to the game (a friend's disk, a save from
// anyone), so a reader takes only a regular file, never waits on opening one, and reads no more
// than it can use.
enum class ReadFault {
    None,
    Missing,    // nothing of that name: a file the game has not written yet
    NotAFile,   // a folder, a device, a pipe or a socket
    Link,       // a symbolic link where links are refused
    TooLarge,   // over the most this kind of file is read to
    Unreadable, // refused by the system (permissions, a link loop, a read error)
};

// Whether links are followed to the file they name. A battle disk comes from someone else:
// there no link is followed, so the game never reads or writes elsewhere through one.
enum class Links { Follow, Refuse };

struct FileRead {
    ReadFault fault = ReadFault::None;
    int error = 0;   // the system's error for Unreadable
    qint64 most = 0; // the size limit the file was read against
    bool ok() const { return fault == ReadFault::None; }
    bool missing() const { return fault == ReadFault::Missing; }
    // Why, in words that end a sentence: "it is a folder, a device or a pipe, not a file".
    QString reason() const;
    // "hall.dat could not be read: " and the reason, with a full stop.
    QString message(const QString& name) const;
};

// "64 MB", "4 KB": a size limit as the player is told it.
QString sizetext(qint64 bytes);

// Whole-file helpers; each opens, works and closes within the call. Two copies of the game on
// one folder may call them at once: neither tears the other's lines nor files.
FileRead readfile(const QString& path, qint64 most, QByteArray& bytes, Links links = Links::Follow);
// The same a part at a time, with `between` run after each part, so a window can let its events
// run while a long file comes in. A `between` that answers false ends the read.
FileRead readfile(const QString& path, qint64 most, QByteArray& bytes,
                  const std::function<bool()>& between, Links links = Links::Follow);
// The same checks for a reader that takes the file in parts: `file` is left open for reading,
// and holds no more than `most` bytes when it was opened.
FileRead openfile(const QString& path, qint64 most, QFile& file, Links links = Links::Follow);
// Appends whole lines, each call in one write; a torn last line left by an earlier append is
// ended first.
bool appendtofile(const QString& path, const QByteArray& bytes);
// Writes beside the old file and renames over it only once every byte is on the disk, so a
// failed write (a full disk too) leaves the old file intact and answers false. The new file
// keeps the old one's permissions, and a symbolic link is followed: its target is replaced,
// unless links are refused, when a link is left as it is and nothing is written. Only a regular
// file is ever replaced.
bool replacefile(const QString& path, const QByteArray& bytes, Links links = Links::Follow);
// Why replacefile would refuse `path` before writing a byte: a link where links are refused, or
// a name that holds something other than a file. ReadFault::None when it may go ahead.
ReadFault replaceable(const QString& path, Links links);
// "NAME.damaged", then "NAME.damaged-2" and on: where what could not be read is kept for the
// player to repair, never over an older one.
QString damagedname(const QString& name, int n);
// Writes `bytes` into the first free damagedname() beside `path`; returns the name it took, or
// the empty text when none could be written.
QString keepdamaged(const QString& path, const QByteArray& bytes);
// Removes the half-made copies replacefile leaves when the program is killed mid-write; one
// that another running copy of the game is still writing stays. The copies of files that the
// folder's links lead to, elsewhere, are removed too.
void removeunfinishedreplaces(const QString& folder);
// The same for the one file `path`, as a folder the game does not own (a battle disk) holds no
// other copies of ours.
void removeunfinishedreplace(const QString& path);
