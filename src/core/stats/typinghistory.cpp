#include "stats/typinghistory.h"

#include "common/programfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QThread>

TypingHistory* TypingHistory::shared() {
    // One a program folder: the game has one; tests point each at a folder of their own.
    static QHash<QString, QPointer<TypingHistory>> histories;
    const QString folder = ::apppath();
    QPointer<TypingHistory>& one = histories[folder];
    if (!one)
        one = new TypingHistory(folder, QCoreApplication::instance());
    return one;
}

TypingHistory::TypingHistory(QString folder, QObject* parent)
    : QObject(parent), folder(std::move(folder)) {}

TypingHistory::~TypingHistory() {
    if (worker)
        worker->wait();
}

void TypingHistory::load() {
    if (inhand || reading)
        return;
    auto result = std::make_shared<StatsHistory>();
    reading = result;
    // What is kept from now on is appended to the file and handed to add() as well: reading only
    // what is there now takes each record once.
    const qint64 upto = QFileInfo(folder + statsfilename).size();
    QThread* thread =
        QThread::create([result, from = folder, upto] { *result = loadstatshistory(from, upto); });
    worker = thread;
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, &TypingHistory::takeup);
    thread->start();
}

void TypingHistory::finishloading() {
    load();
    if (worker)
        worker->wait();
    takeup();
}

void TypingHistory::takeup() {
    if (!reading)
        return;
    history = std::move(*reading);
    reading.reset();
    for (const TypingRecord& record : std::as_const(arrived))
        history.add(record);
    arrived.clear();
    inhand = true;
    emit loaded();
}

void TypingHistory::add(const TypingRecord& record) {
    if (reading) {
        arrived.append(record);
        return;
    }
    if (!inhand)
        return;
    history.add(record);
    emit added(record);
}
