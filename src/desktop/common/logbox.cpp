#include "logbox.h"

#include <QTextCursor>

#include <algorithm>

namespace {

// QTextDocument pays for every paragraph it holds, a few microseconds each, so a log of 100 000
// entries would take the better part of a second to show. Past this many lines, several lines
// share a paragraph, kept apart by line separators: they look and read back as line breaks.
constexpr qsizetype mostparagraphs = 4096;

// Every line break as a paragraph break after each `group` lines and a line separator between;
// `line` counts the breaks so far, so a long text can be grouped a slice at a time.
QString grouplines(QStringView text, qsizetype group, qsizetype& line) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* to = out.data();
    const QChar* from = text.data();
    const QChar* const end = from + text.size();
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

// Where a slice of `text` from `from` that holds at most `most` characters ends: after its last
// line break, so a CR LF is never cut in two; a line longer than the slice is cut where it must.
qsizetype sliceend(QStringView text, qsizetype from, qsizetype most) {
    const qsizetype end = from + most;
    if (end >= text.size())
        return text.size();
    for (qsizetype i = end - 1; i >= from; --i) {
        if (text[i] == u'\n')
            return i + 1;
        if (text[i] == u'\r')
            return i + 1 < end || text[end] != u'\n' ? i + 1 : i > from ? i : end + 1;
    }
    return end;
}

// Every kind of line break as LF, as the document gives them back.
QString withlf(QStringView text) {
    return text.toString()
        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
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

// About a millisecond of the document's work in every 100 000 characters: a slice of them keeps
// each turn of the event loop well within what a player notices.
constexpr qsizetype slicechars = 1 << 20;

} // namespace

LogBox::LogBox(QWidget* parent) : QPlainTextEdit(parent) {
    filler.setInterval(0);
    connect(&filler, &QTimer::timeout, this, &LogBox::fillslice);
}

QString LogBox::text() const {
    // Paragraph breaks and line separators both come back as LF here.
    QString plain = toPlainText();
    if (filling())
        plain += withlf(QStringView(pending).sliced(pendingfrom)) + withlf(pendingtail);
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

void LogBox::setlogfont(const QFont& font) {
    logfont = font;
    if (isVisible())
        takelogfont();
}

void LogBox::takelogfont() {
    if (logfont)
        setFont(*std::exchange(logfont, std::nullopt));
}

void LogBox::showEvent(QShowEvent* event) {
    // Before anything is drawn.
    takelogfont();
    QPlainTextEdit::showEvent(event);
}

void LogBox::setText(const QString& newtext) {
    // Laid out in its own font once, not again when it shows.
    takelogfont();
    filler.stop();
    pending.clear();
    pendingtail.clear();
    pendingfrom = 0;
    caretatend = false;
    linesshown = 0;
    const qsizetype lines = linebreaks(newtext);
    group = lines <= mostparagraphs ? 0 : (lines + mostparagraphs - 1) / mostparagraphs;
    if (newtext.size() <= slicechars) {
        setPlainText(group ? grouplines(newtext, group, linesshown) : newtext);
        return;
    }
    // A text of megabytes goes in a slice a turn, grouped as it goes: the first one now.
    clear();
    pending = newtext;
    fillslice();
    if (filling())
        filler.start();
}

void LogBox::fillslice() {
    const QStringView rest(pending);
    const qsizetype end = sliceend(rest, pendingfrom, slicechars);
    const QStringView slice = rest.sliced(pendingfrom, end - pendingfrom);
    QTextCursor at(document());
    at.movePosition(QTextCursor::End);
    at.insertText(group ? grouplines(slice, group, linesshown) : slice.toString());
    pendingfrom = end;
    if (pendingfrom < pending.size())
        return;
    filler.stop();
    pending.clear();
    pendingfrom = 0;
    at.insertText(pendingtail);
    pendingtail.clear();
    if (caretatend)
        movecarettoend();
    caretatend = false;
}

void LogBox::appendatend(const QString& more) {
    takelogfont();
    // Behind a text still coming in, a new entry waits its turn at the end. It waits apart: the
    // long text is the career's own, and adding to it here would copy it whole.
    if (filling()) {
        pendingtail += more;
        return;
    }
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(more);
}

void LogBox::movecarettoend() {
    caretatend = filling();
    QTextCursor c = textCursor();
    c.movePosition(QTextCursor::End);
    setTextCursor(c);
}
