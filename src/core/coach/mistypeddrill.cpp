#include "coach/mistypeddrill.h"

QString MistypedDrill::start() {
    if (!queue.isEmpty())
        return {};
    return evermistyped ? QStringLiteral("No mistyped entries left: every one you mistyped has "
                                         "since been typed clean.")
                        : QStringLiteral("No mistyped entries yet: practise or race first.");
}

QString MistypedDrill::typed(bool wrongkey) {
    queue.typed(wrongkey);
    return {};
}
