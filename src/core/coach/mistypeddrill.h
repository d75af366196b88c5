#pragma once

#include "coach/drill.h"
#include "coach/mistypedqueue.h"

// Up to twenty of the entries the player mistyped; one typed with a wrong key comes again.
class MistypedDrill : public Drill {
public:
    // `evermistyped`: entries were mistyped before, and have all been typed clean since.
    MistypedDrill(const QHash<QString, std::int64_t>& mistyped, std::uint64_t seed,
                  bool evermistyped = false)
        : queue(mistyped, seed), evermistyped(evermistyped) {}
    QString start() override;
    QString entry() const override { return queue.current(); }
    QString typed(bool wrongkey) override;
    bool finished() const override { return queue.isEmpty(); }
    QString level() const override { return mistypedname; }
    QList<QChar> keys() const override { return entrykeys(entry()); }

private:
    MistypedQueue queue;
    bool evermistyped;
};
