#include "coach/weakpairsdrill.h"

#include "coach/confidence.h"
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

QList<int> pairshares(const QList<PairStanding>& pairs, double targetms, int count) {
    const qsizetype n = pairs.size();
    QList<int> shares(n, n > 0 ? 1 : 0);
    if (n == 0 || count <= n)
        return shares;
    // A pair at or under the target's time still weighs a little: it was drilled for a reason.
    QList<double> over(n);
    double all = 0;
    for (qsizetype i = 0; i < n; ++i) {
        over[i] = std::max(1.0, pairs[i].ms - targetms);
        all += over[i];
    }
    // The rest by the largest remainders, ties to the slower pair.
    const int rest = count - static_cast<int>(n);
    QList<double> remainder(n);
    int given = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const double exact = rest * over[i] / all;
        shares[i] += static_cast<int>(exact);
        given += static_cast<int>(exact);
        remainder[i] = exact - std::floor(exact);
    }
    for (; given < rest; ++given) {
        const auto most = std::max_element(remainder.begin(), remainder.end());
        shares[most - remainder.begin()] += 1;
        *most = -1;
    }
    // One pair far the slowest takes a third of the drill at the least, from the others' extra.
    const auto slowest = std::max_element(over.cbegin(), over.cend()) - over.cbegin();
    double next = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (i != slowest)
            next = std::max(next, over[i]);
    const int third = (drilllength + 2) / 3;
    for (qsizetype i = n - 1; over[slowest] >= 2 * next && shares[slowest] < third && i >= 0;)
        if (i != slowest && shares[i] > 1) {
            --shares[i];
            ++shares[slowest];
        } else {
            --i;
        }
    return shares;
}

PairDrill buildpairdrill(const QStringList& words, const PairTimes& times,
                         const PairWeights& weights, const QString& inplay, std::uint64_t seed,
                         int targetwpm) {
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
    // Every fourth word ordinary, while there are ordinary words of the keys in play.
    const auto ordinaryat = [&](int i) { return !ordinary.isEmpty() && i % 4 == 3; };
    int pairwords = 0;
    for (int i = 0; i < drilllength; ++i)
        pairwords += ordinaryat(i) ? 0 : 1;
    const QList<int> shares = pairshares(drill.pairs, targetms(std::max(1, targetwpm)), pairwords);
    // The pairs dealt out by their shares, spread through the drill: each word goes to the pair
    // furthest behind its share so far.
    QList<double> dealt(shares.size(), 0);
    SeededDraw draw(seed);
    QSet<QString> used;
    int pairdone = 0;
    for (int i = 0; i < drilllength; ++i) {
        if (ordinaryat(i)) {
            drill.entries.append(pick(ordinary, used, draw));
            continue;
        }
        ++pairdone;
        qsizetype next = 0;
        double behind = -1e9;
        for (qsizetype p = 0; p < shares.size(); ++p) {
            const double lag = shares[p] * pairdone / double(pairwords) - dealt[p];
            if (dealt[p] < shares[p] && lag > behind + 1e-9) {
                behind = lag;
                next = p;
            }
        }
        dealt[next] += 1;
        drill.entries.append(pick(holding[next], used, draw));
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
