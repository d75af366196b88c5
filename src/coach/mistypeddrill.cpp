#include "coach/mistypeddrill.h"

QString MistypedDrill::start() {
    return queue.isEmpty() ? QStringLiteral("No mistyped entries yet: practise or race first.")
                           : QString();
}

QString MistypedDrill::typed(bool wrongkey) {
    queue.typed(wrongkey);
    return {};
}
