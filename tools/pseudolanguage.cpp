// Makes the pseudo-language en_XA from the source texts of a catalogue: each text wrapped in
// brackets and its letters accented, "[Ñéxt Ðáý]", so a text that escapes tr() shows plain
// among the others. Placeholders (%1, %n, %L1), a mnemonic's letter and markup stay as they
// are, and every letter used is one of Windows-1252, which the game's files hold.
//
//     pseudolanguage keystrider_de.ts keystrider_en_XA.ts
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

QChar accented(QChar c) {
    static const QString plain = QStringLiteral("AaCcDEeIiNnOoUuYy");
    static const QString marked = QStringLiteral("ÁáÇçÐÉéÍíÑñÓóÚúÝý");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}

QString pseudo(const QString& source) {
    QString out;
    out.reserve(source.size() + 2);
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('%') && i + 1 < source.size()) {
            // %1, %n, %L1: the placeholder whole.
            out += c;
            while (i + 1 < source.size() &&
                   (source.at(i + 1).isDigit() || source.at(i + 1) == QLatin1Char('L') ||
                    source.at(i + 1) == QLatin1Char('n'))) {
                out += source.at(++i);
                if (source.at(i) == QLatin1Char('n'))
                    break;
            }
        } else if (c == QLatin1Char('&') && i + 1 < source.size()) {
            // The mnemonic's letter stays the key it is.
            out += c;
            out += source.at(++i);
        } else if (c == QLatin1Char('<')) {
            const qsizetype close = source.indexOf(QLatin1Char('>'), i);
            if (close < 0) {
                out += c;
                continue;
            }
            out += source.mid(i, close - i + 1);
            i = close;
        } else {
            out += accented(c);
        }
    }
    return QLatin1Char('[') + out + QLatin1Char(']');
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: pseudolanguage SOURCE.ts PSEUDO.ts\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fputs("pseudolanguage: cannot open the catalogues\n", stderr);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en_XA"));
    writer.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    bool numerus = false;
    QString source;
    while (!reader.atEnd()) {
        reader.readNext();
        const QStringView name = reader.name();
        if (reader.isEndElement() && name == QLatin1String("context")) {
            writer.writeEndElement();
        } else if (reader.isEndElement() && name == QLatin1String("message")) {
            writer.writeStartElement(QStringLiteral("translation"));
            // English has two forms, and the source is both.
            for (int form = 0; numerus && form < 2; ++form)
                writer.writeTextElement(QStringLiteral("numerusform"), pseudo(source));
            if (!numerus)
                writer.writeCharacters(pseudo(source));
            writer.writeEndElement();
            writer.writeEndElement();
        } else if (!reader.isStartElement() || name == QLatin1String("TS")) {
            continue;
        } else if (name == QLatin1String("context")) {
            writer.writeStartElement(QStringLiteral("context"));
        } else if (name == QLatin1String("message")) {
            numerus = reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            writer.writeStartElement(QStringLiteral("message"));
            if (numerus)
                writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
        } else if (name == QLatin1String("source")) {
            source = reader.readElementText();
            writer.writeTextElement(QStringLiteral("source"), source);
        } else if (name == QLatin1String("name") || name == QLatin1String("comment")) {
            writer.writeTextElement(name.toString(), reader.readElementText());
        } else {
            // The catalogue's own translations, notes and places are no part of the pseudo one.
            reader.skipCurrentElement();
        }
    }
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "pseudolanguage: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    return out.flush() ? 0 : 1;
}
