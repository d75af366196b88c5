#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <cstdint>

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
