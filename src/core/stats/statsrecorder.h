#pragma once

#include "stats/statsfile.h"

#include <QObject>

#include <functional>

// Where the windows that type hand an exercise or race that ended: it goes into "stats.dat"
// under the career in play, and into the typing history every window shows. The career comes from
// whoever made the recorder, so typing and statistics need nothing of the main window.
class StatsRecorder : public QObject {
    Q_OBJECT
public:
    StatsRecorder(std::function<QString()> career, QObject* parent = nullptr);

    // The career in play, as the main window shows it.
    QString career() const { return currentcareer(); }
    // One in which no character was typed says nothing of the player's typing and is not kept.
    // True when it was kept.
    bool record(TypingRecord record);

signals:
    void recorded(const TypingRecord& record);
    // "stats.dat" refused a record: what the player is to be told, said once a run.
    void unwritten(const QString& message);

private:
    std::function<QString()> currentcareer;
    // A folder that refuses "stats.dat" refuses it after every exercise; the player hears once.
    bool unwrittenreported = false;
};
