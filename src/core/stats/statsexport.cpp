#include "stats/statsexport.h"

#include <cmath>
#include <cstring>

namespace {

QByteArray csvfield(const QString& text) {
    QByteArray bytes = text.toUtf8();
    // A spreadsheet takes a cell that begins so for a formula, and a career named "=1+2" is no
    // sum: a leading apostrophe makes it text, as spreadsheets agree. No count of ours is
    // negative, so no number is touched.
    static constexpr char formula[] = {'=', '+', '-', '@', '\t', '\r'};
    if (!bytes.isEmpty() && std::memchr(formula, bytes.front(), sizeof formula))
        bytes.prepend('\'');
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') &&
        !bytes.contains('\n'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

QByteArray csvrow(const QStringList& cells) {
    QByteArray row;
    for (const QString& cell : cells)
        row += (row.isEmpty() ? QByteArray() : QByteArray(",")) + csvfield(cell);
    return row + "\r\n";
}

} // namespace

QString speedtext(double wpm) {
    return QString::number(wpm, 'f', 1);
}

QString percenttext(double value) {
    return QString::number(std::lround(value)) + QStringLiteral(" %");
}

const QStringList& recordcolumns() {
    static const QStringList columns{
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Date")),
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Career")),
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Activity")),
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Level")),
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Result")),
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Speed (WPM)")),
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Accuracy")),
        QStringLiteral(QT_TRANSLATE_NOOP("StatsExport", "Mistakes"))};
    return columns;
}

QString recordcell(const StatsBook& book, const StatsRow& r, int column) {
    switch (column) {
    case 0:
        return r.day.toString(QStringLiteral("yyyy-MM-dd ")) +
               r.time.toString(QStringLiteral("HH:mm"));
    case 1:
        return book.text(r.career);
    case 2:
        return book.text(r.activity);
    case 3:
        return book.text(r.level);
    case 4:
        return book.text(r.result);
    case 5:
        return speedtext(wordsperminute(r.tally));
    case 6:
        return percenttext(accuracypercent(r.tally));
    case 7:
        return QString::number(r.tally.corrections);
    }
    return {};
}

QByteArray statscsv(const StatsBook& book, const QList<qsizetype>& shown) {
    QStringList header = recordcolumns();
    header << QStringLiteral("Typing ms") << QStringLiteral("Entries") << QStringLiteral("Matched")
           << QStringLiteral("Typed") << QStringLiteral("Wrong") << QStringLiteral("Corrections")
           << QStringLiteral("Pairs timed") << QStringLiteral("Pair ms")
           << QStringLiteral("Typed instead");
    QByteArray out = csvrow(header);
    for (qsizetype i : shown) {
        const StatsRow& r = book.rows()[i];
        QStringList cells;
        for (int c = 0; c < recordcolumns().size(); ++c)
            cells << recordcell(book, r, c);
        const TypingTally& t = r.tally;
        for (std::int64_t n : {t.milliseconds, t.entries, t.charsmatched, t.charstyped, t.wrong,
                               t.corrections, r.pairstimed, r.pairms})
            cells << QString::number(n);
        cells << (r.instead >= 0 ? book.text(r.instead) : QString());
        out += csvrow(cells);
    }
    return out;
}
