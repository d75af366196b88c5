#include "coach/drillwords.h"

#include "coach/drillbuilder.h"

#include <algorithm>

namespace {

constexpr qsizetype shortestmadeup = 3;
constexpr qsizetype longestmadeup = 8;

// Picks by how often each came. The table is walked in character order: a hash's own order
// changes from run to run, and the same seed must give the same word.
QChar pickweighted(const QList<std::pair<QChar, std::int64_t>>& options, SeededDraw& draw) {
    std::uint64_t total = 0;
    for (const auto& [c, n] : options)
        total += static_cast<std::uint64_t>(n);
    if (total == 0)
        return {};
    std::uint64_t at = draw.next() % total;
    for (const auto& [c, n] : options) {
        if (at < static_cast<std::uint64_t>(n))
            return c;
        at -= static_cast<std::uint64_t>(n);
    }
    return options.last().first;
}

} // namespace

DrillWords::DrillWords(QStringList ranked) : list(std::move(ranked)) {
    for (const QString& word : std::as_const(list)) {
        const QString lower = word.toLower();
        if (std::any_of(lower.cbegin(), lower.cend(), [](QChar c) { return !c.isLetter(); }))
            continue;
        QChar a, b; // the word's edge
        for (qsizetype i = 0; i <= lower.size(); ++i) {
            const QChar c = i < lower.size() ? lower[i] : QChar();
            std::int64_t& n = after[pair(a, b)][c];
            n = std::min<std::int64_t>(n + 1, 1 << 20);
            a = b;
            b = c;
        }
    }
}

QString DrillWords::walk(QChar first, const QString& allowed, SeededDraw& draw) const {
    QString word;
    QChar a, b;
    if (!first.isNull()) {
        word = first;
        b = first;
    }
    while (word.size() < longestmadeup) {
        const Table table = after.value(pair(a, b));
        QList<std::pair<QChar, std::int64_t>> options;
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            const QChar c = it.key();
            const bool end = c.isNull();
            if (end ? word.size() < shortestmadeup : !allowed.contains(c) || (c == a && c == b))
                continue;
            options.append({c, it.value()});
        }
        std::sort(options.begin(), options.end());
        const QChar c = pickweighted(options, draw);
        if (c.isNull())
            break;
        word.append(c);
        a = b;
        b = c;
    }
    return word;
}

QString DrillWords::madeup(QChar key, const QString& allowed, SeededDraw& draw, bool first) const {
    // Most words the model walks hold the key somewhere; a rare key is then made the first
    // letter, whose pairs the model has whenever a word of the list begins with it.
    for (int attempt = first ? 40 : 0; attempt < 80; ++attempt) {
        const QString word = walk(attempt < 40 ? QChar() : key, allowed, draw);
        if (word.size() >= shortestmadeup && word.contains(key) && modelled(word))
            return word;
    }
    return {};
}

bool DrillWords::modelled(const QString& word) const {
    QChar a, b;
    for (qsizetype i = 0; i <= word.size(); ++i) {
        const QChar c = i < word.size() ? word[i] : QChar();
        const auto table = after.constFind(pair(a, b));
        // A word made to start with its key has no pair before that key: its start is free.
        if (i > 0 && (table == after.cend() || !table->contains(c)))
            return false;
        a = b;
        b = c;
    }
    return true;
}
