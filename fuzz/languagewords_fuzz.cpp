// A word list of the coach on any bytes: every word kept is one a drill may ask, none twice, and
// a drill is built from whatever was kept, never empty.
#include "coach/drillbuilder.h"
#include "coach/drillwords.h"
#include "coach/keyplan.h"
#include "coach/languagewords.h"

#include <QSet>

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LanguageWords list = readlanguagewords(bytes, QStringLiteral("en"));
    if (list.words.isEmpty() == list.error.isEmpty())
        __builtin_trap();
    QSet<QString> seen;
    for (const QString& word : list.words) {
        if (!drillword(word) || seen.contains(word))
            __builtin_trap();
        seen.insert(word);
    }
    const QList<QChar> letters = letterorder(list.words);
    const DrillWords model(list.words);
    // The keys a new player of this list starts with, as the coach takes them.
    const QString inplay =
        letters.isEmpty() ? QStringLiteral("etaoin")
                          : QString(letters.constData(), std::min<qsizetype>(letters.size(), 6));
    for (QChar focus : inplay) {
        const BuiltDrill drill = buildweakdrill(model, {focus, {}}, inplay, size);
        if (drill.entries.isEmpty())
            __builtin_trap();
        for (const QString& entry : drill.entries)
            if (!entry.contains(focus) || entry.size() > 40)
                __builtin_trap();
    }
    return 0;
}
