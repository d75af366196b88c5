#include "logbox.h"

#include <QTextCursor>

namespace {

// QTextDocument pays for every paragraph it holds, a few microseconds each, so a log of 100 000
// entries would take the better part of a second to show. Past this many lines, several lines
// share a paragraph, kept apart by line separators: they look and read back as line breaks.
constexpr qsizetype mostparagraphs = 4096;

// Every line break as a paragraph break after each `group` lines and a line separator between.
QString grouplines(const QString& text, qsizetype group) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* to = out.data();
    const QChar* from = text.constData();
    const QChar* const end = from + text.size();
    qsizetype line = 0;
    while (from < end) {
        const QChar c = *from++;
        if (c != u'\r' && c != u'\n') {
            *to++ = c;
            continue;
        }
        if (c == u'\r' && from < end && *from == u'\n')
            ++from;
        *to++ = ++line % group == 0 ? QChar(u'\n') : QChar(QChar::LineSeparator);
    }
    out.truncate(to - out.constData());
    return out;
}

// CR LF, a lone CR and a lone LF are one line break each.
qsizetype linebreaks(const QString& text) {
    qsizetype breaks = text.count(QLatin1Char('\n'));
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', cr + 1)) {
        if (cr + 1 == text.size() || text[cr + 1] != u'\n')
            ++breaks;
    }
    return breaks;
}

} // namespace

QString LogBox::text() const {
    // Paragraph breaks and line separators both come back as LF here.
    const QString plain = toPlainText();
    QString out;
    out.reserve(plain.size() + plain.count(QLatin1Char('\n')));
    const QStringView view(plain);
    qsizetype from = 0;
    for (qsizetype lf = view.indexOf(u'\n'); lf >= 0; lf = view.indexOf(u'\n', from)) {
        out.append(view.sliced(from, lf - from));
        out.append(QLatin1String("\r\n"));
        from = lf + 1;
    }
    out.append(view.sliced(from));
    return out;
}

void LogBox::setText(const QString& newtext) {
    const qsizetype lines = linebreaks(newtext);
    if (lines <= mostparagraphs) {
        setPlainText(newtext);
        return;
    }
    setPlainText(grouplines(newtext, (lines + mostparagraphs - 1) / mostparagraphs));
}

void LogBox::appendatend(const QString& more) {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(more);
}

void LogBox::movecarettoend() {
    QTextCursor c = textCursor();
    c.movePosition(QTextCursor::End);
    setTextCursor(c);
}
