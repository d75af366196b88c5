#include "coach/drillbuilder.h"

#include "coach/wordpool.h"

#include <algorithm>

std::uint64_t SeededDraw::next() {
    // splitmix64
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

qsizetype SeededDraw::below(qsizetype n) {
    if (n <= 0)
        return 0;
    return static_cast<qsizetype>(next() % static_cast<std::uint64_t>(n));
}

namespace {

// Picks a neighbour by how often it came. The table is walked in character order: a hash's
// own order changes from run to run, and the same seed must give the same word.
QChar pickweighted(const QHash<QChar, std::int64_t>& table, SeededDraw& draw) {
    QList<QChar> keys = table.keys();
    std::sort(keys.begin(), keys.end());
    std::uint64_t total = 0;
    for (QChar key : keys)
        total += static_cast<std::uint64_t>(std::min<std::int64_t>(table[key], 1 << 20));
    if (total == 0)
        return {};
    std::uint64_t at = draw.next() % total;
    for (QChar key : keys) {
        const auto weight = static_cast<std::uint64_t>(std::min<std::int64_t>(table[key], 1 << 20));
        if (at < weight)
            return key;
        at -= weight;
    }
    return keys.last();
}

void shuffle(QStringList& list, SeededDraw& draw) {
    for (qsizetype i = list.size() - 1; i > 0; --i)
        list.swapItemsAt(i, draw.below(i + 1));
}

constexpr int longestmadeup = 9;

} // namespace

QString madeupword(const WordPool& pool, QChar key, SeededDraw& draw) {
    if (!pool.frequency().contains(key))
        return {};
    QString best;
    for (int attempt = 0; attempt < 5 && best.size() < 3; ++attempt) {
        QString word(key);
        for (QChar c = key; word.size() < longestmadeup / 2;) {
            c = pickweighted(pool.preceding().value(c), draw);
            if (c.isNull())
                break;
            word.prepend(c);
        }
        for (QChar c = key; word.size() < longestmadeup;) {
            c = pickweighted(pool.following().value(c), draw);
            if (c.isNull())
                break;
            word.append(c);
        }
        if (word.size() > best.size())
            best = word;
    }
    return best;
}

namespace {

// The space is trained between words: entries of two words, every third one starting with a
// word that holds one of the other keys.
QStringList buildspacedrill(const WordPool& pool, const FocusChoice& keys, SeededDraw& draw) {
    const QStringList& words = pool.words();
    QStringList mixed;
    for (const QString& word : words)
        if (std::any_of(keys.others.cbegin(), keys.others.cend(),
                        [&](QChar key) { return word.contains(key); }))
            mixed.append(word);
    QStringList drill;
    for (int i = 0; i < drilllength && !words.isEmpty(); ++i) {
        const QStringList& from = i % 3 == 2 && !mixed.isEmpty() ? mixed : words;
        const QString& first = from[draw.below(from.size())];
        drill.append(first + QLatin1Char(' ') + words[draw.below(words.size())]);
    }
    return drill;
}

} // namespace

QStringList buildweakdrill(const WordPool& pool, const FocusChoice& keys, std::uint64_t seed) {
    SeededDraw draw(seed);
    if (keys.focus == QLatin1Char(' '))
        return buildspacedrill(pool, keys, draw);
    QStringList real;
    QStringList mixed; // holding one of the other keys too
    for (const QString& word : pool.words()) {
        if (!word.contains(keys.focus))
            continue;
        real.append(word);
        if (std::any_of(keys.others.cbegin(), keys.others.cend(),
                        [&](QChar key) { return word.contains(key); }))
            mixed.append(word);
    }
    shuffle(real, draw);
    shuffle(mixed, draw);
    QStringList drill;
    if (real.size() >= fewestrealwords) {
        qsizetype nextreal = 0;
        qsizetype nextmixed = 0;
        for (int i = 0; i < drilllength; ++i) {
            if (i % 3 == 2 && !mixed.isEmpty())
                drill.append(mixed[nextmixed++ % mixed.size()]);
            else
                drill.append(real[nextreal++ % real.size()]);
        }
        return drill;
    }
    drill = real;
    while (drill.size() < drilllength) {
        const QString word = madeupword(pool, keys.focus, draw);
        if (word.isEmpty())
            break;
        drill.insert(draw.below(drill.size() + 1), word);
    }
    return drill;
}
