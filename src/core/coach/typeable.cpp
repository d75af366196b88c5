#include "coach/typeable.h"

#include "keyboard/baseletter.h"

#include <algorithm>

namespace {

// The character a reader types for `c`: itself, unless it is a typographer's quote, dash or space.
QChar plainof(QChar c) {
    switch (c.unicode()) {
    case 0x2018: // ‘ ’ ‚ ‛ ′
    case 0x2019:
    case 0x201A:
    case 0x201B:
    case 0x2032:
        return QLatin1Char('\'');
    case 0x201C: // “ ” „ ‟ ″ « »
    case 0x201D:
    case 0x201E:
    case 0x201F:
    case 0x2033:
    case 0x00AB:
    case 0x00BB:
        return QLatin1Char('"');
    case 0x2010: // hyphens, dashes and the minus sign
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212:
        return QLatin1Char('-');
    case 0x00A0: // no-break, narrow and other wide spaces
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return QLatin1Char(' ');
    default:
        if (c.unicode() >= 0x2000 && c.unicode() <= 0x200A)
            return QLatin1Char(' ');
        return c;
    }
}

// How a letter is spelled where the keyboard lacks it, as its languages write it then.
QString spelledwithout(QChar c) {
    switch (c.unicode()) {
    case 0x0153: // œ
        return QStringLiteral("oe");
    case 0x0152: // Œ
        return QStringLiteral("Oe");
    case 0x00E6: // æ
        return QStringLiteral("ae");
    case 0x00C6: // Æ
        return QStringLiteral("Ae");
    case 0x00DF: // ß
        return QStringLiteral("ss");
    case 0x1E9E: // ẞ
        return QStringLiteral("SS");
    default:
        return {};
    }
}

bool changes(QChar c) {
    return c.unicode() >= 0xA0 && (c == QChar(0x2026) || plainof(c) != c);
}

} // namespace

QString readabletext(QString text) {
    // A long plain text needs nothing changed: it is handed back as it came, never copied.
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    const QChar* const first = std::find_if(begin, end, changes);
    if (first == end)
        return text;
    const qsizetype from = first - begin;
    QChar* const out = text.data();
    for (qsizetype i = from; i < text.size(); ++i)
        out[i] = plainof(out[i]);
    text.replace(QChar(0x2026), QStringLiteral("..."));
    return text;
}

TypeableEntry typeableentry(const QString& entry,
                            const std::function<bool(const QString&)>& cantype) {
    TypeableEntry out;
    for (qsizetype i = 0; i < entry.size(); ++i) {
        const qsizetype width =
            entry[i].isHighSurrogate() && i + 1 < entry.size() && entry[i + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const QString character = entry.mid(i, width);
        i += width - 1;
        if (character == QLatin1String(" ")) {
            // A blank left alone by the characters skipped around it is one too many.
            if (!out.entry.isEmpty() && !out.entry.endsWith(QLatin1Char(' ')))
                out.entry.append(character);
            continue;
        }
        if (cantype(character)) {
            out.entry.append(character);
            continue;
        }
        const QChar base = width == 1 ? baseletter(character.front()) : QChar();
        if (!base.isNull() && cantype(QString(base))) {
            out.based.append(out.entry.size());
            out.entry.append(character);
            continue;
        }
        const QString spelled = width == 1 ? spelledwithout(character.front()) : QString();
        if (!spelled.isEmpty() && std::all_of(spelled.cbegin(), spelled.cend(),
                                              [&](QChar c) { return cantype(QString(c)); })) {
            out.entry.append(spelled);
            continue;
        }
        if (!out.skipped.contains(character))
            out.skipped.append(character);
    }
    if (out.entry.endsWith(QLatin1Char(' ')))
        out.entry.chop(1);
    return out;
}

QString TypeableEntry::accepted(const QString& typed) const {
    QString out = typed;
    for (qsizetype at : based)
        if (at < out.size() && out[at] == baseletter(entry[at]))
            out[at] = entry[at];
    return out;
}
