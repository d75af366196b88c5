#include "coach/keyplan.h"

#include "common/number.h"

#include <QHash>

#include <algorithm>

QList<QChar> letterorder(const QStringList& words) {
    QHash<QChar, std::int64_t> counts;
    for (const QString& word : words)
        for (QChar c : word)
            if (c.isLetter())
                ++counts[c.toLower()];
    QList<QChar> letters = counts.keys();
    // Ties go to the lower character, so the order never depends on the hash's.
    std::sort(letters.begin(), letters.end(), [&](QChar a, QChar b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : a < b;
    });
    return letters;
}

QList<QChar> keyorder(const QList<QChar>& letters, const Stages& stages) {
    QList<QChar> order = letters;
    if (stages.capitals)
        for (QChar letter : letters) {
            const QChar capital = letter.toUpper();
            if (capital != letter && !order.contains(capital))
                order.append(capital);
        }
    if (stages.digits)
        for (QChar digit : QStringLiteral("1234567890"))
            order.append(digit);
    if (stages.punctuation)
        for (QChar mark : QStringLiteral(".,'-?!:;\"()"))
            order.append(mark);
    if (stages.symbols)
        for (QChar symbol : programmersymbols)
            if (!order.contains(symbol))
                order.append(symbol);
    return order;
}

Stages withstageof(QChar key, const QList<QChar>& letters, Stages stages) {
    if (letters.contains(key))
        return stages;
    for (const Stages one : {Stages{true, false, false}, Stages{false, true, false},
                             Stages{false, false, true}, Stages{false, false, false, true}})
        if (keyorder(letters, one).contains(key)) {
            stages.capitals = stages.capitals || one.capitals;
            stages.digits = stages.digits || one.digits;
            stages.punctuation = stages.punctuation || one.punctuation;
            stages.symbols = stages.symbols || one.symbols;
            break;
        }
    return stages;
}

QString keysinplay(const QList<QChar>& order, const QString& kept,
                   const std::function<bool(QChar)>& passed) {
    QString inplay;
    for (qsizetype i = 0; i < order.size(); ++i)
        if (i < firstkeys || kept.contains(order[i]))
            inplay.append(order[i]);
    while (std::all_of(inplay.cbegin(), inplay.cend(), passed)) {
        const auto next = std::find_if(order.cbegin(), order.cend(),
                                       [&](QChar key) { return !inplay.contains(key); });
        if (next == order.cend())
            break;
        inplay.append(*next);
    }
    return inplay;
}

FocusChoice choosefocus(const QString& inplay, const std::function<double(QChar)>& confidence,
                        QChar chosen) {
    QList<QChar> keys(inplay.cbegin(), inplay.cend());
    QHash<QChar, double> scores;
    for (QChar key : keys)
        scores.insert(key, confidence(key));
    std::stable_sort(keys.begin(), keys.end(),
                     [&](QChar a, QChar b) { return scores[a] < scores[b]; });
    FocusChoice choice;
    if (keys.isEmpty())
        return choice;
    if (!chosen.isNull() && keys.contains(chosen)) {
        keys.removeOne(chosen);
        keys.prepend(chosen);
    }
    choice.focus = keys.first();
    choice.others = keys.mid(1, 2);
    return choice;
}

QChar mixedwith(QChar key, const QHash<quint32, std::int64_t>& instead, const QString& among) {
    QHash<QChar, std::int64_t> both;
    for (auto it = instead.cbegin(); it != instead.cend(); ++it) {
        const QChar due(static_cast<char16_t>(it.key() >> 16));
        const QChar typed(static_cast<char16_t>(it.key() & 0xFFFF));
        const QChar other = due == key ? typed : typed == key ? due : QChar();
        if (!other.isNull() && other != key && among.contains(other) &&
            other.isLetter() == key.isLetter() && it.value() > 0) {
            std::int64_t& times = both[other];
            times = addsaturated(times, it.value());
        }
    }
    QChar best;
    std::int64_t most = fewestmixups - 1;
    for (auto it = both.cbegin(); it != both.cend(); ++it)
        if (it.value() > most || (it.value() == most && !best.isNull() && it.key() < best)) {
            best = it.key();
            most = it.value();
        }
    return best;
}

QString withoutkeys(const QString& keys, const QString& leftout) {
    QString out;
    for (QChar key : keys)
        if (!leftout.contains(key))
            out.append(key);
    return out;
}
