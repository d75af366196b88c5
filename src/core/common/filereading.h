#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;

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
