#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The place file lies beside the keeper of places; code that took it from here still finds it.

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

// Files larger than this are refused rather than read: a text nobody types in a lifetime, and
// all the coach can hold of one at ease (it holds it once, as its sentences).
inline constexpr qint64 largestowntext = 16 * 1024 * 1024;
OwnText loadowntext(const QString& path);
