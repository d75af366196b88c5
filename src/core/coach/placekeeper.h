#pragma once

#include "common/settingsfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <cstdint>

// Where the player stopped in each text: the index of the next sentence, by the text's path.
inline const QString placefilename = QStringLiteral("textplaces.dat");
// A line a text: thousands of texts, and still read and written at every sentence in no time.
inline constexpr qint64 largestplacefile = 1024 * 1024;

// The place file as it lies. Each entry keeps its line as it is, so keeping one text's place
// leaves every other entry byte for byte; a line that is no entry is noted, and the file is
// kept aside before the place is written.
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
// Written by the rule of the settings files (common/settingsfile.h): a file with a line that is
// no entry is set aside whole before the place is kept, the entries read going on.
const SettingsFile& placesfile();

// The place of a text in the program folder's place file, 0 when none is kept or it can't be
// read.
std::int64_t placeof(const QString& path);
// Keeps the place. Returns what the player should be told: why it was not kept, or where a
// damaged file went; empty when all went well.
QString keepplace(const QString& path, std::int64_t sentence);
// The same in the place file of `folder`, for a thread other than the one the folder is set on.
QString keepplace(const QString& folder, const QString& path, std::int64_t sentence);

// Where the player is in each own text. The place moves in memory at every sentence, and goes
// to the place file away from the window's thread: once ten sentences have gathered, when a
// drill stops and when the window closes. A sync at every sentence would hold up the typing.
class PlaceKeeper : public QObject {
    Q_OBJECT
public:
    explicit PlaceKeeper(QObject* parent = nullptr);
    // Waits for the writes handed off, so none is lost when the window goes.
    ~PlaceKeeper() override;

    // The place of a text: the one in memory, else the place file's.
    std::int64_t placeof(const QString& path) const;
    // The player reached sentence `place` of the text.
    void moved(const QString& path, std::int64_t place);
    // Hands every place not yet written to the writer.
    void write();
    // Waits until every write handed off is done; what they said arrives as events after.
    void finishwriting();

    // At most this many sentences go unwritten.
    static constexpr int sentencesperwrite = 10;

signals:
    // What the player should be told of a write: why it failed, or where unreadable lines went.
    void said(const QString& words);

private:
    QHash<QString, std::int64_t> places;
    QHash<QString, int> unwritten; // sentences typed since the text's place was last written
    // One thread: the writes land in the order they were made.
    QThreadPool writer;
};
