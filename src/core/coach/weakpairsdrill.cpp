#include "coach/weakpairsdrill.h"

#include "coach/drillbuilder.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace {

// Drawn from the commonest words that fit, as the weak-keys drill draws.
constexpr qsizetype commonest = 300;

bool fits(const QString& word, const QString& inplay) {
    return std::all_of(word.cbegin(), word.cend(), [&](QChar c) { return inplay.contains(c); });
}

// A word of keys in play that holds the pair, the commonest first. A pair that begins with a
// capital is typed at the start of a word, as at the start of a sentence.
QStringList wordswith(const QStringList& words, LetterPair pair, const QString& inplay,
                      qsizetype most) {
    const QString lower = pairname(pair).toLower();
    const bool capital = firstletter(pair).isUpper();
    QStringList found;
    for (const QString& word : words) {
        if (found.size() >= most)
            break;
        QString drilled = word;
        if (capital) {
            if (!word.startsWith(lower))
                continue;
            drilled = word.front().toUpper() + word.sliced(1);
        }
        if (drilled.contains(pairname(pair)) && fits(drilled, inplay))
            found.append(drilled);
    }
    return found;
}

// One of the first few, not one already drawn while others are left.
QString pick(const QStringList& from, QSet<QString>& used, SeededDraw& draw) {
    QStringList fresh;
    for (const QString& word : from.first(std::min<qsizetype>(from.size(), 30)))
        if (!used.contains(word))
            fresh.append(word);
    const QStringList& choice = fresh.isEmpty() ? from : fresh;
    const QString word = choice[draw.below(std::min<qsizetype>(choice.size(), 30))];
    used.insert(word);
    return word;
}

} // namespace

PairDrill buildpairdrill(const QStringList& words, const PairTimes& times,
                         const PairWeights& weights, const QString& inplay, std::uint64_t seed) {
    PairDrill drill;
    QList<QStringList> holding;
    for (const PairStanding& s :
         rankpairs(times, weights, std::numeric_limits<qsizetype>::max(), inplay)) {
        if (drill.pairs.size() >= mostdrilledpairs ||
            (drill.pairs.size() >= fewestdrilledpairs && s.slowness <= 0))
            break;
        const QStringList found = wordswith(words, s.pair, inplay, commonest);
        if (found.isEmpty())
            continue;
        drill.pairs.append(s);
        holding.append(found);
    }
    if (drill.pairs.isEmpty())
        return drill;
    QStringList ordinary;
    for (const QString& word : words) {
        if (ordinary.size() >= commonest)
            break;
        if (fits(word, inplay))
            ordinary.append(word);
    }
    SeededDraw draw(seed);
    QSet<QString> used;
    for (int i = 0; i < drilllength; ++i) {
        const bool pairword = i % 2 == 0 || ordinary.isEmpty();
        drill.entries.append(pairword ? pick(holding[(i / 2) % holding.size()], used, draw)
                                      : pick(ordinary, used, draw));
    }
    return drill;
}

QString WeakPairsDrill::start() {
    at = 0;
    if (built.entries.isEmpty())
        return QStringLiteral("No letter pair of the keys in play has been typed %1 times yet: "
                              "practise or drill a while first.")
            .arg(rankedpairminimum);
    return {};
}

QString WeakPairsDrill::entry() const {
    return finished() ? QString() : built.entries[at];
}

QList<QChar> WeakPairsDrill::keys() const {
    QList<QChar> keys;
    for (const PairStanding& s : built.pairs)
        for (QChar c : {firstletter(s.pair), secondletter(s.pair)})
            if (!keys.contains(c) && keys.size() < mostkeysshown)
                keys.append(c);
    return keys;
}

QString pairsmoved(const QList<PairStanding>& before, const PairTimes& after) {
    QStringList moved;
    for (const PairStanding& s : before)
        moved << QStringLiteral("%1 %2 ms → %3 ms")
                     .arg(pairname(s.pair))
                     .arg(qRound(s.ms))
                     .arg(qRound(after.pair(s.pair).ms));
    return QStringLiteral("Pairs: %1.").arg(moved.join(QStringLiteral(", ")));
}
