#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>

// The entries of a mistyped-entries drill. Those mistyped more often are likelier to be drawn
// and come first; one typed with a wrong key goes to the back and comes again.
class MistypedQueue {
public:
    // Up to twenty entries drawn from the tally, weighted by how often each was mistyped.
    MistypedQueue(const QHash<QString, std::int64_t>& mistyped, std::uint64_t seed);
    bool isEmpty() const { return queue.isEmpty(); }
    QString current() const { return queue.isEmpty() ? QString() : queue.first(); }
    // The entry in hand is typed; with a wrong key on the way it comes back later.
    void typed(bool wrongkey);
    qsizetype left() const { return queue.size(); }

private:
    QStringList queue;
};
