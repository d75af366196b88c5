#include "stats/layoutpairs.h"

void LayoutPairs::add(const StatsLine& line, const QString& layout) {
    if (layout.isEmpty()) {
        if (desktop)
            desktop->add(line);
    } else {
        // Every record before this one was the desktop's.
        if (!desktop)
            desktop = every;
        learnt[layout].add(line);
    }
    every.add(line);
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
    if (layout.isEmpty()) {
        if (desktop)
            addstrides(*desktop, line);
    } else {
        if (!desktop)
            desktop = every;
        addstrides(learnt[layout], line);
    }
    addstrides(every, line);
}
