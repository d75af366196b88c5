#include "coach/drill.h"

QList<QChar> entrykeys(const QString& entry) {
    QList<QChar> keys;
    for (QChar c : entry)
        if (!c.isSpace() && !keys.contains(c) && keys.size() < mostkeysshown)
            keys.append(c);
    return keys;
}
