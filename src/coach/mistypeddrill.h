#pragma once

#include "coach/drill.h"
#include "coach/mistypedqueue.h"

// Up to twenty of the entries the player mistyped; one typed with a wrong key comes again.
class MistypedDrill : public Drill {
public:
    MistypedDrill(const QHash<QString, std::int64_t>& mistyped, std::uint64_t seed)
        : queue(mistyped, seed) {}
    QString start() override;
    QString entry() const override { return queue.current(); }
    QString typed(bool wrongkey) override;
    bool finished() const override { return queue.isEmpty(); }
    QString level() const override { return mistypedname; }
    QList<QChar> keys() const override { return entrykeys(entry()); }

private:
    MistypedQueue queue;
};
