#pragma once

#include "stats/statshistory.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QThread;

// The typing history of this run: "stats.dat" read once, away from the windows, into one store
// that the statistics, the coach, practice's today bar and the calendar share. A record joins it
// as it is kept in the file.
class TypingHistory : public QObject {
    Q_OBJECT
public:
    // The history of the program folder in use, made on first asking.
    static TypingHistory* shared();
    ~TypingHistory() override;

    // Sets out to read stats.dat on a thread of its own the first time it is asked, and only
    // then; `loaded` tells when the records are in hand.
    void load();
    // Waits for the reading, setting out on it if need be, and takes the records up at once.
    void finishloading();
    bool loading() const { return reading != nullptr; }
    bool isloaded() const { return inhand; }
    // Every record read and kept since; empty until loaded.
    const StatsHistory& records() const { return history; }
    // A record just kept in stats.dat. Before the file is read it waits for the reading, which
    // leaves it out; with no reading asked for, the file will give it.
    void add(const TypingRecord& record);

signals:
    void loaded();
    // A record joined the history, which holds it now.
    void added(const TypingRecord& record);

private:
    explicit TypingHistory(QString folder, QObject* parent);
    void takeup();

    QString folder;
    StatsHistory history;
    bool inhand = false;
    QPointer<QThread> worker;
    std::shared_ptr<StatsHistory> reading;
    QList<TypingRecord> arrived; // while the file was read
};
