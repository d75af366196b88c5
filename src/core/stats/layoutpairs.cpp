#include "stats/layoutpairs.h"

namespace {

// A record into the figures of every layout, of the desktop's alone and of the layout learnt;
// the desktop's alone part from the whole at the first record that is not the desktop's.
template <typename Figures, typename Add>
void addrecord(Figures& every, std::optional<Figures>& desktop, QHash<QString, Figures>& learnt,
               const QString& layout, Add add) {
    if (layout.isEmpty()) {
        if (desktop)
            add(*desktop);
    } else {
        if (!desktop)
            desktop = every; // every record before this one was the desktop's
        add(learnt[layout]);
    }
    add(every);
}

} // namespace

void LayoutPairs::add(const StatsLine& line, const QString& layout) {
    addrecord(every, desktop, learnt, layout, [&line](PairTimes& times) { times.add(line); });
}

void LayoutPairs::follow(const LayoutStrides& later) {
    if (later.desktop) {
        if (!desktop)
            desktop = every; // taken before `every` moves on
        desktop->follow(*later.desktop);
    } else if (desktop) {
        desktop->follow(later.every); // the later records were all the desktop's
    }
    every.follow(later.every);
    for (auto it = later.learnt.cbegin(); it != later.learnt.cend(); ++it)
        learnt[it.key()].follow(it.value());
}

const PairTimes& LayoutPairs::of(const QString& layout) const {
    static const PairTimes none;
    if (layout.isEmpty())
        return desktop ? *desktop : every;
    const auto found = learnt.constFind(layout);
    return found == learnt.cend() ? none : *found;
}

void LayoutStrides::add(const StatsLine& line, const QString& layout) {
    addrecord(every, desktop, learnt, layout,
              [&line](LetterTable<TimeStride>& strides) { addstrides(strides, line); });
}
