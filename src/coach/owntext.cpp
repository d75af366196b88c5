#include "coach/owntext.h"

#include "coach/bytelines.h"

#include "common/programfolder.h"
#include "common/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>

QString decodeowntext(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fromwindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

namespace {

bool isblank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0xA0);
}

bool islineend(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) ||
           c == QChar(0x2029);
}

// One sentence as the typing box takes it, cut into pieces no longer than the longest. A long
// text is millions of characters: they are written straight into the sentence's own buffer,
// and most sentences, short and clean, are kept without another copy.
void addsentence(QStringList& out, QStringView raw) {
    QString clean(raw.size(), Qt::Uninitialized);
    QChar* const begin = clean.data();
    QChar* end = begin;
    for (QChar c : raw) {
        const char16_t code = c.unicode();
        if (code < 0x20 || code >= 0x7f) { // plain ASCII needs no look
            if (c == QLatin1Char('\t') || c == QChar(0xA0))
                c = QLatin1Char(' ');
            else if (c.category() == QChar::Other_Control || c == QChar(0xFEFF))
                continue;
        }
        if (c == QLatin1Char(' ') && (end == begin || end[-1] == QLatin1Char(' ')))
            continue; // runs of blanks are one, and none leads
        *end++ = c;
    }
    clean.truncate(end - begin);
    QStringView rest = QStringView(clean).trimmed();
    if (rest.size() == clean.size() && rest.size() <= longestsentence) {
        if (!clean.isEmpty())
            out.append(clean);
        return;
    }
    while (!rest.isEmpty()) {
        rest = rest.trimmed();
        if (rest.size() <= longestsentence) {
            if (!rest.isEmpty())
                out.append(rest.toString());
            break;
        }
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), longestsentence);
        if (cut <= 0) {
            cut = longestsentence;
            if (rest[cut - 1].isHighSurrogate())
                --cut; // never split a character in two
        }
        out.append(rest.first(cut).trimmed().toString());
        rest = rest.sliced(cut);
    }
}

} // namespace

QStringList splitsentences(const QString& text) {
    QStringList out;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (islineend(c)) {
            addsentence(out, QStringView(text).sliced(start, i - start));
            start = i + 1;
        } else if ((c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?')) &&
                   i + 1 < n && isblank(text[i + 1])) {
            addsentence(out, QStringView(text).sliced(start, i + 1 - start));
            start = i + 1;
        }
    }
    addsentence(out, QStringView(text).sliced(start));
    return out;
}

OwnText loadowntext(const QString& path) {
    OwnText loaded;
    const QFileInfo info(path);
    loaded.path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QString name = info.fileName();
    if (!info.isFile()) {
        loaded.error = QStringLiteral("%1 is not a file.").arg(name);
        return loaded;
    }
    if (info.size() > largestowntext) {
        loaded.error =
            QStringLiteral("%1 is too large: the coach takes texts up to 64 MB.").arg(name);
        return loaded;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = QStringLiteral("%1 cannot be read.").arg(name);
        return loaded;
    }
    const QByteArray bytes = file.read(largestowntext + 1);
    if (file.error() != QFileDevice::NoError) {
        loaded.error = QStringLiteral("%1 cannot be read.").arg(name);
        return loaded;
    }
    // Text never holds a NUL byte (nor does UTF-16, which is no text the coach reads).
    if (bytes.contains('\0')) {
        loaded.error = QStringLiteral("%1 is not a text file.").arg(name);
        return loaded;
    }
    loaded.sentences = splitsentences(decodeowntext(bytes));
    if (loaded.sentences.isEmpty())
        loaded.error = QStringLiteral("%1 holds no text to type.").arg(name);
    return loaded;
}

// The place file: one line per text, its path percent-encoded in quotes, then the place:
// "%2Fhome%2Fzoe%2Fbook.txt",12 and CR LF. Encoded, any path fits in plain ASCII.
QHash<QString, std::int64_t> readplaces(QByteArrayView bytes) {
    QHash<QString, std::int64_t> places;
    QByteArrayView line;
    while (nextline(bytes, line)) {
        const qsizetype close = line.lastIndexOf("\",");
        if (!line.startsWith('"') || close < 1)
            continue;
        bool ok = false;
        const std::int64_t place = line.sliced(close + 2).toLongLong(&ok);
        if (!ok || place < 0)
            continue;
        // A name may begin with a byte order mark; the usual decoders would drop it.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString path =
            utf8(QByteArray::fromPercentEncoding(line.sliced(1, close - 1).toByteArray()));
        if (!path.isEmpty())
            places.insert(path, place);
    }
    return places;
}

QByteArray placesbytes(const QHash<QString, std::int64_t>& places) {
    QStringList paths = places.keys();
    std::sort(paths.begin(), paths.end());
    QByteArray out;
    for (const QString& path : paths)
        out += '"' + QUrl::toPercentEncoding(path) + "\"," +
               QByteArray::number(static_cast<qlonglong>(places[path])) + "\r\n";
    return out;
}

std::int64_t placeof(const QString& path) {
    QByteArray bytes;
    if (!readwholefile(::apppath() + placefilename, bytes))
        return 0;
    return readplaces(bytes).value(path, 0);
}

bool keepplace(const QString& path, std::int64_t sentence) {
    QByteArray bytes;
    readwholefile(::apppath() + placefilename, bytes);
    QHash<QString, std::int64_t> places = readplaces(bytes);
    places.insert(path, sentence);
    return replacefile(::apppath() + placefilename, placesbytes(places));
}
