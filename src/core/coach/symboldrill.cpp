#include "coach/symboldrill.h"

#include "coach/drillwords.h"

#include <QHash>

#include <algorithm>

namespace {

// Names in pieces of code are short: a letter (i, x, n) or a short word.
constexpr qsizetype longestname = 6;

const QHash<QChar, QStringList>& fragments() {
    static const QHash<QChar, QStringList> table = {
        {u'_', {"%1_%2", "_%1", "__%1__", "%1_%2()", "self._%1"}},
        {u'=', {"%1 = %2", "%1 == %2", "%1 += %2", "%1 != %2", "%1 <= %2", "%1 = %2;"}},
        {u'/', {"%1 / %2", "%1/%2", "// %1", "~/%1", "/%1/%2", "%1 /= %2"}},
        {u'*', {"*%1", "%1 * %2", "%1 *= %2", "/* %1 */", "**%1", "%1* %2"}},
        {u'-', {"%1 - %2", "%1->%2", "%1--", "-%1", "%1 -= %2", "--%1"}},
        {u'#', {"#include", "#define %1", "#%1", "# %1", "#if %1", "#endif"}},
        {u'&', {"%1 && %2", "&%1", "%1 & %2", "%1 &= %2", "&&"}},
        {u'{', {"{ }", "%1 { %2 }", "{%1}", "${%1}", "%1 {"}},
        {u'}', {"{ }", "%1 { %2 }", "{%1}", "${%1}", "} %1"}},
        {u'$', {"$%1", "${%1}", "$%1 $%2", "$(%1)", "$%1/%2"}},
        {u'>', {"%1 > %2", "%1->%2", "%1 >= %2", "%1 >> %2", "<%1>", "->"}},
        {u'[', {"%1[%2]", "[%1]", "%1[%2][%1]", "[]", "%1[0]"}},
        {u']', {"%1[%2]", "[%1]", "%1[%2][%1]", "[]", "%1[0]"}},
        {u'<', {"%1 < %2", "<%1>", "%1 << %2", "%1 <= %2", "#include <%1>"}},
        {u'|', {"%1 || %2", "%1 | %2", "%1 |= %2", "| %1", "||"}},
        {u'+', {"%1 + %2", "%1++", "++%1", "%1 += %2", "%1 + 1"}},
        {u'\\', {"\\n", "\\t", "%1\\%2", "\\\\", "\\%1"}},
        {u'@', {"@%1", "%1@%2", "@%1(%2)", "@%1 %2"}},
        {u'`', {"`%1`", "`%1 %2`", "`%1`.", "``"}},
        {u'%', {"%1 % %2", "%d", "%s", "%1 %= %2", "%%1"}},
        {u'^', {"%1 ^ %2", "^%1", "%1 ^= %2", "^%1$"}},
        {u'~', {"~/", "~%1", "~/%1", "%1 ~ %2", "~%1()"}},
    };
    return table;
}

bool fits(const QString& text, const QString& inplay) {
    return std::all_of(text.cbegin(), text.cend(),
                       [&](QChar c) { return c == QLatin1Char(' ') || inplay.contains(c); });
}

QString filled(QString fragment, const QString& first, const QString& second) {
    return fragment.replace(QLatin1String("%1"), first).replace(QLatin1String("%2"), second);
}

} // namespace

QStringList symbolfragments(QChar symbol) {
    return fragments().value(symbol);
}

BuiltDrill symboldrill(const DrillWords& words, const FocusChoice& keys, const QString& inplay,
                       SeededDraw& draw) {
    QStringList names;
    for (const QString& word : words.words()) {
        if (names.size() >= 200)
            break;
        if (word.size() <= longestname && fits(word, inplay))
            names.append(word);
    }
    QStringList letters;
    for (QChar c : inplay)
        if (c.isLetter() && c.isLower())
            letters.append(QString(c));
    if (letters.isEmpty())
        letters.append(QStringLiteral("x"));
    auto name = [&] {
        // A letter as often as a word: i, x and n are names in code as much as count is.
        const QStringList& from = names.isEmpty() || draw.below(2) == 0 ? letters : names;
        return from[draw.below(from.size())];
    };
    // The pieces whose own characters are all in play, with names standing in.
    QStringList usable;
    for (const QString& fragment : symbolfragments(keys.focus))
        if (fits(filled(fragment, QString(), QString()), inplay))
            usable.append(fragment);
    if (usable.isEmpty())
        usable.append(QStringLiteral("%1") + keys.focus + QStringLiteral("%2"));
    QStringList mixed; // pieces that hold one of the other keys as well
    for (const QString& fragment : std::as_const(usable))
        if (std::any_of(keys.others.cbegin(), keys.others.cend(),
                        [&](QChar key) { return fragment.contains(key); }))
            mixed.append(fragment);
    BuiltDrill drill;
    for (int i = 0; i < drilllength; ++i) {
        const QStringList& from = i % 3 == 2 && !mixed.isEmpty() ? mixed : usable;
        const QString fragment = from[draw.below(from.size())];
        QString first = name();
        QString second = name();
        // "x == x" reads as a slip; two names differ where there are two.
        for (int tries = 0; second == first && tries < 4; ++tries)
            second = name();
        drill.entries.append(filled(fragment, first, second));
    }
    return drill;
}
