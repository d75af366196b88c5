#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
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
// A line a text: thousands of texts, and still read and written at every sentence in no time.
inline constexpr qint64 largestplacefile = 1024 * 1024;

// The place file as it lies. Each entry keeps its line as it is, so keeping one text's place
// leaves every other entry byte for byte; a line that is no entry is set apart, not lost.
struct PlaceFile {
    struct Entry {
        QByteArray path; // UTF-8, as the percent-encoding gives it
        std::int64_t place = 0;
        QByteArray line; // without its line end
    };
    QList<Entry> entries;
    QList<QByteArray> damaged;

    // The place of a text, 0 when none is kept; of two entries for one text the later counts.
    std::int64_t placeof(const QString& path) const;
    void setplace(const QString& path, std::int64_t place);
    QByteArray bytes() const;
};
// Lines end at CR LF, LF or a CR alone.
PlaceFile readplacefile(QByteArrayView bytes);

// The place of a text in the program folder's place file, 0 when none is kept or it can't be
// read.
std::int64_t placeof(const QString& path);
// Keeps the place. Returns what the player should be told: why it was not kept, or where
// lines that were no entry went; empty when all went well.
QString keepplace(const QString& path, std::int64_t sentence);
// The same in the place file of `folder`, for a thread other than the one the folder is set on.
QString keepplace(const QString& folder, const QString& path, std::int64_t sentence);
