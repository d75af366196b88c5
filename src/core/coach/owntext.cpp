#include "coach/owntext.h"

#include "coach/typeable.h"

#include "common/filereading.h"
#include "common/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

QString decodeowntext(const QByteArray& bytes) {
    // UTF-16 says so by its byte order mark; an odd last byte is no character of it.
    const bool little = bytes.startsWith("\xff\xfe");
    if (little || bytes.startsWith("\xfe\xff")) {
        QStringDecoder utf16(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        return utf16.decode(QByteArrayView(bytes).sliced(2, (bytes.size() - 2) & ~qsizetype(1)));
    }
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

// Past the line end at `at` and any blanks after it: CR LF is one line end.
qsizetype pastlineend(const QString& text, qsizetype at) {
    qsizetype next = at + 1;
    if (text[at] == QLatin1Char('\r') && next < text.size() && text[next] == QLatin1Char('\n'))
        ++next;
    while (next < text.size() && isblank(text[next]))
        ++next;
    return next;
}

// What may close a sentence after its full stop: "Go." and (Go.) end where the quote does.
bool isclosing(QChar c) {
    switch (c.unicode()) {
    case u'"':
    case u'\'':
    case u')':
    case u']':
    case u'\u2019':
    case u'\u201d':
    case u'\u00bb':
        return true;
    default:
        return false;
    }
}

// Whether the word before a full stop is an abbreviation, which does not end a sentence: a
// title, "etc" and the like, a single capital ("J. Smith"), or letters joined by stops ("e.g",
// "U.S").
bool abbreviated(QStringView before) {
    qsizetype from = before.size();
    while (from > 0 && (before[from - 1].isLetter() || before[from - 1] == QLatin1Char('.')))
        --from;
    const QStringView word = before.sliced(from);
    if (word.isEmpty())
        return false;
    if (word.size() == 1)
        return word[0].isUpper();
    static const QStringList known = {"mr",  "mrs", "ms", "dr",  "prof", "jr", "sr",
                                      "inc", "ltd", "co", "etc", "vs",   "cf"};
    for (const QString& abbreviation : known)
        if (word.compare(abbreviation, Qt::CaseInsensitive) == 0)
            return true;
    // Single letters, each followed by a stop but the last, whose stop is the one in hand.
    if (word.size() % 2 == 0)
        return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (word[i].isLetter() != (i % 2 == 0))
            return false;
    return true;
}

// One sentence as the typing box takes it, cut into pieces no longer than the longest. A long
// text is millions of characters: they are written straight into the sentence's own buffer,
// and most sentences, short and clean, are kept without another copy.
void addsentence(QStringList& out, QStringView raw) {
    QString clean(raw.size(), Qt::Uninitialized);
    QChar* const begin = clean.data();
    QChar* end = begin;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QChar c = raw[i];
        const char16_t code = c.unicode();
        if (code < 0x20 || code >= 0x7f) { // plain ASCII needs no look
            // Half a character (a surrogate without its partner) can't be typed: dropped.
            if (c.isHighSurrogate()) {
                if (i + 1 == raw.size() || !raw[i + 1].isLowSurrogate())
                    continue;
                *end++ = c;
                *end++ = raw[++i];
                continue;
            }
            if (c.isLowSurrogate())
                continue;
            // A line break inside a sentence is where the text was wrapped: a blank.
            if (c == QLatin1Char('\t') || c == QChar(0xA0) || islineend(c))
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
            const qsizetype next = pastlineend(text, i);
            if (c == QChar(0x2029) || (next < n && islineend(text[next]))) {
                addsentence(out, QStringView(text).sliced(start, i - start));
                start = next;
            }
            i = next - 1;
        } else if (c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?')) {
            qsizetype end = i + 1;
            while (end < n && isclosing(text[end]))
                ++end;
            if (end < n && (isblank(text[end]) || islineend(text[end])) &&
                !(c == QLatin1Char('.') && abbreviated(QStringView(text).first(i)))) {
                addsentence(out, QStringView(text).sliced(start, end - start));
                start = end;
            }
            i = end - 1;
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
    QByteArray bytes;
    const FileRead read = readfile(path, largestowntext, bytes);
    switch (read.fault) {
    case ReadFault::None:
        break;
    case ReadFault::Missing:
        loaded.error = QCoreApplication::translate(
                           "OwnText", "%1 is not there: it may have been moved, renamed or "
                                      "deleted.")
                           .arg(name);
        return loaded;
    case ReadFault::NotAFile:
    case ReadFault::Link:
        loaded.error = QCoreApplication::translate("OwnText", "%1 is not a file.").arg(name);
        return loaded;
    case ReadFault::TooLarge:
        loaded.error = QCoreApplication::translate(
                           "OwnText", "%1 is too large: the coach takes texts up to 16 MB.")
                           .arg(name);
        return loaded;
    case ReadFault::Unreadable:
        loaded.error = QCoreApplication::translate("OwnText", "%1 cannot be read: %2.")
                           .arg(name, read.reason());
        return loaded;
    }
    // Text never holds a NUL character (UTF-16's zero bytes decode to other characters).
    QString text = decodeowntext(bytes);
    bytes.clear(); // a long text's bytes are not kept beside its characters
    if (text.contains(QChar(0))) {
        loaded.error = QCoreApplication::translate("OwnText", "%1 is not a text file.").arg(name);
        return loaded;
    }
    loaded.sentences = splitsentences(readabletext(std::move(text)));
    if (loaded.sentences.isEmpty())
        loaded.error =
            QCoreApplication::translate("OwnText", "%1 holds no text to type.").arg(name);
    return loaded;
}
