#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>

// The player's own texts: a file of theirs typed sentence by sentence, in order.

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped), else
// Windows-1252, which every byte sequence is.
QString decodeowntext(const QByteArray& bytes);

// Sentences end at . ! or ? followed by a blank, and at line ends; a sentence longer than
// `longestsentence` characters is cut at a blank (or, lacking one, at that length). Tabs become
// blanks, other control characters are dropped, and no sentence is empty.
inline constexpr qsizetype longestsentence = 120;
QStringList splitsentences(const QString& text);

// A text loaded for typing, or why it could not be.
struct OwnText {
    QString path; // as the place file keys it
    QStringList sentences;
    QString error; // for the player; empty when the text loaded
};

// Files larger than this are refused rather than read: a text nobody types in a lifetime.
inline constexpr qint64 largestowntext = 64 * 1024 * 1024;
OwnText loadowntext(const QString& path);

// Where the player stopped in each text: the index of the next sentence, by the text's path.
inline const QString placefilename = QStringLiteral("textplaces.dat");
QHash<QString, std::int64_t> readplaces(QByteArrayView bytes);
QByteArray placesbytes(const QHash<QString, std::int64_t>& places);
// The place of a text in the program folder's place file, 0 when none is kept.
std::int64_t placeof(const QString& path);
// Keeps the place; false when the file could not be written.
bool keepplace(const QString& path, std::int64_t sentence);
