#include "coach/drillbuilder.h"

#include "coach/drillwords.h"
#include "coach/symboldrill.h"

#include <QSet>

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

// Drills draw on the language's commonest words that fit; rarer ones only when these are few.
constexpr qsizetype commonest = 300;

void shuffle(QStringList& list, SeededDraw& draw) {
    for (qsizetype i = list.size() - 1; i > 0; --i)
        list.swapItemsAt(i, draw.below(i + 1));
}

bool holdsany(const QString& entry, const QList<QChar>& keys) {
    return std::any_of(keys.cbegin(), keys.cend(), [&](QChar key) { return entry.contains(key); });
}

bool fits(const QString& word, const QString& inplay) {
    return std::all_of(word.cbegin(), word.cend(), [&](QChar c) { return inplay.contains(c); });
}

QString capitalised(const QString& word) {
    return word.isEmpty() ? word : word.front().toUpper() + word.sliced(1);
}

// The words of keys in play that hold `key`, commonest first. A capital is also drilled as the
// first letter of a word written in lower case, as at the start of a sentence.
QStringList wordswith(const DrillWords& words, QChar key, const QString& inplay) {
    QStringList found;
    for (const QString& word : words.words()) {
        if (found.size() >= commonest)
            break;
        if (key.isNull() || word.contains(key)) {
            if (fits(word, inplay))
                found.append(word);
        } else if (key.isUpper() && word.front() == key.toLower()) {
            const QString capital = capitalised(word);
            if (fits(capital, inplay))
                found.append(capital);
        }
    }
    return found;
}

// Letters alternating with the vowels in play, holding the key: the last resort when the letter
// model has no word of these keys.
QString syllables(QChar key, const QString& allowed, SeededDraw& draw) {
    QString vowels, others;
    for (QChar c : allowed)
        (QStringLiteral("aeiouyäöüàâéèêëîïôùûáíóúãõìò").contains(c) ? vowels : others).append(c);
    if (vowels.isEmpty())
        vowels = allowed;
    if (others.isEmpty())
        others = allowed;
    QString word(key);
    const qsizetype length = 3 + draw.below(4);
    // With a letter or two in play a word may end short rather than hold one three times.
    for (int tries = 0; word.size() < length && tries < 50; ++tries) {
        const QString& from = vowels.contains(word.back()) ? others : vowels;
        const QChar c = from[draw.below(from.size())];
        if (word.size() >= 2 && c == word.back() && c == word[word.size() - 2])
            continue;
        word.append(c);
    }
    return word;
}

// Twenty entries of real words, every third one holding one of the others where any does. No
// word comes twice while twice as many fit, and none twice in a row while two do.
QStringList fromreal(QStringList real, const QList<QChar>& others, SeededDraw& draw) {
    shuffle(real, draw);
    const bool once = real.size() >= 2 * drilllength;
    QSet<QString> used;
    QStringList drill;
    qsizetype next = 0; // words are taken in the shuffled order, from here on round
    auto take = [&](bool mixed) {
        for (qsizetype tried = 0; tried < real.size(); ++tried) {
            const qsizetype at = (next + tried) % real.size();
            const QString& word = real[at];
            if ((mixed && !holdsany(word, others)) || (once && used.contains(word)) ||
                (!drill.isEmpty() && drill.last() == word && real.size() > 1))
                continue;
            next = at + 1;
            used.insert(word);
            drill.append(word);
            return true;
        }
        return false;
    };
    for (int i = 0; i < drilllength; ++i)
        if (!(i % 3 == 2 && take(true)))
            take(false);
    return drill;
}

// Moves a later entry between two alike, where one differs.
void spreadrepeats(QStringList& entries) {
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (entries[i] != entries[i - 1])
            continue;
        for (qsizetype j = i + 1; j < entries.size(); ++j)
            if (entries[j] != entries[i]) {
                entries.swapItemsAt(i, j);
                break;
            }
    }
}

BuiltDrill letterdrill(const DrillWords& words, const FocusChoice& keys, const QString& inplay,
                       SeededDraw& draw) {
    const QStringList real = wordswith(words, keys.focus, inplay);
    if (real.size() >= fewestrealwords)
        return {fromreal(real, keys.others, draw), 0};
    BuiltDrill drill{real, 0};
    shuffle(drill.entries, draw);
    QSet<QString> used(real.cbegin(), real.cend());
    QString letters;
    for (QChar c : inplay)
        if (c.isLetter() && c.isLower())
            letters.append(c);
    const QChar key = keys.focus.toLower();
    for (int tries = 0; drill.entries.size() < drilllength && tries < 4 * drilllength; ++tries) {
        // A capital is drilled at the start of a word, as a sentence or a name begins.
        // Past twice a drill's tries the model has few words of these keys left to make.
        QString word = tries < 2 * drilllength
                           ? words.madeup(key, letters, draw, keys.focus.isUpper())
                           : QString();
        if (word.isEmpty())
            word = syllables(key, letters.isEmpty() ? QString(key) : letters, draw);
        if (keys.focus.isUpper())
            word = capitalised(word);
        if (used.contains(word))
            continue;
        used.insert(word);
        drill.entries.insert(draw.below(drill.entries.size() + 1), word);
        ++drill.madeup;
    }
    return drill;
}

BuiltDrill digitdrill(const FocusChoice& keys, const QString& inplay, SeededDraw& draw) {
    QString digits;
    for (QChar c : inplay)
        if (c.isDigit())
            digits.append(c);
    QStringList drill;
    for (int i = 0; i < drilllength; ++i) {
        QString number;
        const qsizetype length = 2 + draw.below(3);
        while (number.size() < length)
            number.append(digits[draw.below(digits.size())]);
        number[draw.below(number.size())] = keys.focus;
        if (i % 3 == 2 && !keys.others.isEmpty() && keys.others.first().isDigit() &&
            !holdsany(number, keys.others))
            number.append(keys.others.first());
        drill.append(number);
    }
    return {drill, 0};
}

// A mark as text has it: after a word, inside one, or around it.
QString withmark(QChar mark, const QString& first, const QString& second,
                 const QStringList& holding) {
    switch (mark.unicode()) {
    case '"':
        return QLatin1Char('"') + first + QLatin1Char('"');
    case '(':
    case ')':
        return QLatin1Char('(') + first + QLatin1Char(')');
    case '\'':
    case '-':
        // A word of the language that holds it, or two joined by it.
        return holding.isEmpty() ? first + mark + second : holding.first();
    default:
        return first + mark + QLatin1Char(' ') + second;
    }
}

BuiltDrill markdrill(const DrillWords& words, const FocusChoice& keys, const QString& inplay,
                     SeededDraw& draw) {
    QStringList plain = wordswith(words, QChar(), inplay);
    plain.removeIf([](const QString& w) { return w.contains('\'') || w.contains('-'); });
    if (plain.isEmpty()) {
        // No word fits the letters in play: made-up ones carry the mark.
        FocusChoice letter{inplay.isEmpty() ? QChar('a') : inplay.front(), {}};
        plain = letterdrill(words, letter, inplay, draw).entries;
    }
    QStringList holding = wordswith(words, keys.focus, inplay);
    QStringList mixed; // words holding one of the other keys
    for (const QString& word : std::as_const(plain))
        if (holdsany(word, keys.others))
            mixed.append(word);
    const QChar othermark = !keys.others.isEmpty() && !keys.others.first().isLetterOrNumber()
                                ? keys.others.first()
                                : QChar();
    QStringList drill;
    for (int i = 0; i < drilllength; ++i) {
        shuffle(holding, draw);
        const bool mix = i % 3 == 2;
        const QStringList& from = mix && !mixed.isEmpty() ? mixed : plain;
        const QString& first = from[draw.below(from.size())];
        const QString& second = plain[draw.below(plain.size())];
        QString entry = withmark(keys.focus, first, second, holding);
        if (mix && !othermark.isNull())
            entry = withmark(othermark, entry, plain[draw.below(plain.size())], {});
        drill.append(entry);
    }
    return {drill, 0};
}

// Every third entry, from the second on, a word of the key mixed up with the focus: the two come
// in neighbouring words, so their difference is what the player types.
void mixin(BuiltDrill& drill, const DrillWords& words, QChar mixed, const QString& inplay,
           SeededDraw& draw) {
    QStringList partners = wordswith(words, mixed, inplay);
    if (partners.isEmpty())
        return;
    shuffle(partners, draw);
    qsizetype next = 0;
    for (qsizetype i = 1; i < drill.entries.size(); i += 3)
        drill.entries[i] = partners[next++ % partners.size()];
}

} // namespace

BuiltDrill buildweakdrill(const DrillWords& words, const FocusChoice& keys, const QString& inplay,
                          std::uint64_t seed) {
    SeededDraw draw(seed);
    if (keys.focus.isNull() || !inplay.contains(keys.focus))
        return {};
    // A punctuation mark that code uses too ("-") is drilled as text has it.
    const bool code = !symbolfragments(keys.focus).isEmpty() &&
                      !keyorder({}, Stages{false, false, true}).contains(keys.focus);
    BuiltDrill drill = keys.focus.isLetter()  ? letterdrill(words, keys, inplay, draw)
                       : keys.focus.isDigit() ? digitdrill(keys, inplay, draw)
                       : code                 ? symboldrill(words, keys, inplay, draw)
                                              : markdrill(words, keys, inplay, draw);
    if (keys.focus.isLetter() && keys.mixed.isLetter() && inplay.contains(keys.mixed))
        mixin(drill, words, keys.mixed, inplay, draw);
    spreadrepeats(drill.entries);
    return drill;
}
