#include "coach/weakkeysdrill.h"

#include "keyboard/keyboardphysical.h"

#include <utility>

WeakKeysDrill::WeakKeysDrill(const DrillWords& words, const FocusChoice& focus,
                             const QString& inplay, std::uint64_t seed, KeyJudge judge)
    : focus(focus), judge(std::move(judge)), built(buildweakdrill(words, focus, inplay, seed)) {}

QString WeakKeysDrill::start() {
    at = 0;
    if (built.entries.isEmpty())
        return QStringLiteral("No key is in play to build a drill from.");
    reached = judge.attarget(focus.focus);
    toldreached = false;
    return {};
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
    return QStringLiteral("%1 reached %2 WPM").arg(keyname(focus.focus)).arg(judge.targetwpm());
}
