#include "coach/weakkeysdrill.h"

#include "coach/drillbuilder.h"
#include "keyboard/keyboardphysical.h"

#include <utility>

WeakKeysDrill::WeakKeysDrill(const WordPool& pool, const FocusChoice& focus, std::uint64_t seed,
                             KeyJudge judge)
    : focus(focus), judge(std::move(judge)), entries(buildweakdrill(pool, focus, seed)) {}

QString WeakKeysDrill::start() {
    at = 0;
    if (entries.isEmpty())
        return QStringLiteral("The word files hold no words to build a drill from.");
    reached = reachedtarget(judge.stat(focus.focus), judge.targetwpm());
    if (!focus.enoughhistory)
        return QStringLiteral("A few drills more and the coach finds your weak keys.");
    return {};
}

QString WeakKeysDrill::entry() const {
    return finished() ? QString() : entries[at];
}

QString WeakKeysDrill::typed(bool) {
    ++at;
    if (reached || !reachedtarget(judge.stat(focus.focus), judge.targetwpm()))
        return {};
    reached = true;
    return QStringLiteral("%1 reached %2 WPM").arg(keyname(focus.focus)).arg(judge.targetwpm());
}
