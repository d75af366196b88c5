#include "coach/mistypeddrill.h"

#include <QCoreApplication>

QString MistypedDrill::start() {
    if (!queue.isEmpty())
        return {};
    return evermistyped
               ? QCoreApplication::translate("Drill",
                                             "No mistyped entries left: every one you mistyped has "
                                             "since been typed clean.")
               : QCoreApplication::translate("Drill",
                                             "No mistyped entries yet: practise or race first.");
}

QString MistypedDrill::typed(bool wrongkey) {
    queue.typed(wrongkey);
    return {};
}
