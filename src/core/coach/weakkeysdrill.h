#pragma once

#include "coach/confidence.h"
#include "coach/drill.h"
#include "coach/drillbuilder.h"

#include <QStringList>

#include <cstdint>
#include <functional>

class DrillWords;

// How a key stands as the drill goes: its history with the keystrokes of the drill in hand, and
// the speed the player aims at, which may change in the middle of a drill; and whether it is at
// the target, the coach's one verdict (without it, whether its confidence reaches it).
struct KeyJudge {
    std::function<KeyStat(QChar)> stat;
    std::function<int()> targetwpm;
    std::function<bool(QChar)> reached = {};
    bool attarget(QChar key) const {
        return reached ? reached(key) : reachedtarget(stat(key), targetwpm());
    }
};

// About twenty entries of the keys in play, each holding the focus key; the coach says when the
// focus key reaches the target.
class WeakKeysDrill : public Drill {
public:
    WeakKeysDrill(const DrillWords& words, const FocusChoice& focus, const QString& inplay,
                  std::uint64_t seed, KeyJudge judge);
    QString start() override;
    QString entry() const override;
    QString typed(bool wrongkey) override;
    bool finished() const override { return at >= built.entries.size(); }
    QString level() const override { return weakkeysname; }
    QList<QChar> keys() const override;
    qsizetype madeup() const { return built.madeup; }
    // The coach said the focus key reached the target during the drill.
    bool saidreached() const { return toldreached; }

private:
    FocusChoice focus;
    KeyJudge judge;
    BuiltDrill built;
    qsizetype at = 0;
    bool reached = false;     // the focus key is at the target; said once it comes there
    bool toldreached = false; // and it was said
};
