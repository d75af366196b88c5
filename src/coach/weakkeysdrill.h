#pragma once

#include "coach/drill.h"
#include "coach/keyhistory.h"

#include <QStringList>

#include <cstdint>
#include <functional>

class WordPool;

// How a key stands as the drill goes: its history with the keystrokes of the drill in hand, and
// the speed the player aims at, which may change in the middle of a drill.
struct KeyJudge {
    std::function<KeyStat(QChar)> stat;
    std::function<int()> targetwpm;
};

// About twenty words holding the focus key, drawn from the pool; the coach says when the focus
// key reaches the target.
class WeakKeysDrill : public Drill {
public:
    WeakKeysDrill(const WordPool& pool, const FocusChoice& focus, std::uint64_t seed,
                  KeyJudge judge);
    QString start() override;
    QString entry() const override;
    QString typed(bool wrongkey) override;
    bool finished() const override { return at >= entries.size(); }
    QString level() const override { return weakkeysname; }
    QList<QChar> keys() const override { return QList<QChar>{focus.focus} + focus.others; }

private:
    FocusChoice focus;
    KeyJudge judge;
    QStringList entries;
    qsizetype at = 0;
    bool reached = false; // the focus key reached the target; said once
};
