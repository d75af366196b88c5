#include "coach/weakkeysdrill.h"

#include "keyboard/keyboardphysical.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

WeakKeysDrill::WeakKeysDrill(const DrillWords& words, const FocusChoice& focus,
                             const QString& inplay, std::uint64_t seed, KeyJudge judge)
    : focus(focus), judge(std::move(judge)), built(buildweakdrill(words, focus, inplay, seed)) {}

QString WeakKeysDrill::start() {
    at = 0;
    if (built.entries.isEmpty())
        return QCoreApplication::translate("Drill", "No key is in play to build a drill from.");
    reached = judge.attarget(focus.focus);
    toldreached = false;
    const auto holdsmixed = [this](const QString& entry) { return entry.contains(focus.mixed); };
    if (!focus.mixed.isNull() && focus.focus.isLetter() &&
        std::any_of(built.entries.cbegin(), built.entries.cend(), holdsmixed))
        return QCoreApplication::translate("WeakKeysDrill",
                                           "%1 and %2 are often typed for each other: they come "
                                           "in neighbouring words.")
            .arg(keyname(focus.focus), keyname(focus.mixed));
    return {};
}

QList<QChar> WeakKeysDrill::keys() const {
    QList<QChar> out{focus.focus};
    out += focus.others;
    if (!focus.mixed.isNull() && !out.contains(focus.mixed))
        out.append(focus.mixed);
    return out;
}

QString WeakKeysDrill::entry() const {
    return finished() ? QString() : built.entries[at];
}

QString WeakKeysDrill::typed(bool) {
    ++at;
    if (reached || !judge.attarget(focus.focus))
        return {};
    reached = true;
    toldreached = true;
    return QCoreApplication::translate("Drill", "%1 reached %2 WPM")
        .arg(keyname(focus.focus))
        .arg(judge.targetwpm());
}
