#include "keyboard/baseletter.h"

#include <QString>

QChar baseletter(QChar letter) {
    if (!letter.isLetter() || letter.decompositionTag() != QChar::Canonical)
        return {};
    const QString parts = letter.decomposition();
    if (parts.isEmpty() || !parts.front().isLetter())
        return {};
    // A letter may carry two accents (ǖ): the base lies under them all.
    const QChar base = parts.front();
    const QChar deeper = baseletter(base);
    return deeper.isNull() ? base : deeper;
}
