#include "coach/typeable.h"

#include "keyboard/baseletter.h"

QString readabletext(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        switch (c.unicode()) {
        case 0x2018: // ‘ ’ ‚ ‛ ′
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032:
            c = QLatin1Char('\'');
            break;
        case 0x201C: // “ ” „ ‟ ″ « »
        case 0x201D:
        case 0x201E:
        case 0x201F:
        case 0x2033:
        case 0x00AB:
        case 0x00BB:
            c = QLatin1Char('"');
            break;
        case 0x2010: // hyphens, dashes and the minus sign
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2015:
        case 0x2212:
            c = QLatin1Char('-');
            break;
        case 0x00A0: // no-break, narrow and other wide spaces
        case 0x202F:
        case 0x205F:
        case 0x3000:
            c = QLatin1Char(' ');
            break;
        default:
            if (c.unicode() >= 0x2000 && c.unicode() <= 0x200A)
                c = QLatin1Char(' ');
            break;
        }
    }
    out.replace(QChar(0x2026), QStringLiteral("..."));
    return out;
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
