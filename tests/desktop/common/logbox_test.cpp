#include "common/logbox.h"

#include <QTest>
#include <QTextBlock>

class LogBoxTest : public QObject {
    Q_OBJECT
private slots:
    void readsbackwithcrlf_data();
    void readsbackwithcrlf();
};

namespace {
// Many lines with every kind of line end, as a long career's log or a file from elsewhere has.
QString manylines(int count, const QString& ending) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("Day %1, won $%2").arg(i).arg(i % 7) + ending;
    return text;
}
} // namespace

// However long, the log reads back with CR LF and stays quick to show: a log of megabytes comes
// in over several turns of the event loop, reads back whole all along, and what is added
// meanwhile goes after it.
void LogBoxTest::readsbackwithcrlf_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("back");
    QTest::addColumn<bool>("slices");
    // clang-format off
    QTest::newRow("one blank")              << " "                  << " "                  << false;
    QTest::newRow("CR LF, LF, lone CR")     << "a\r\nb\nc\rd"         << "a\r\nb\r\nc\r\nd"     << false;
    QTest::newRow("blank lines at the end") << "a\r\n\r\n\r\n"          << "a\r\n\r\n\r\n"          << false;
    // clang-format on
    const QString crlf = manylines(20000, "\r\n");
    QTest::newRow("20 000 lines") << crlf << crlf << false;
    QTest::newRow("20 000 lines, LF and CR")
        << manylines(10000, "\n") + manylines(10000, "\r")
        << manylines(10000, "\r\n") + manylines(10000, "\r\n") << false;
    const QString longer = manylines(60000, "\r\n");
    QTest::newRow("60 000 lines") << longer << longer << true;
    QTest::newRow("60 000 lines, LF and CR")
        << manylines(30000, "\n") + manylines(30000, "\r")
        << manylines(30000, "\r\n") + manylines(30000, "\r\n") << true;
    // A slice ends where a CR LF would be cut in two: the pair stays one line break.
    const QString straddling = QString(1024 * 1024 - 1, QLatin1Char('x')) + "\r\n" + longer;
    QTest::newRow("CR LF across a slice's end") << straddling << straddling << true;
    const QString longline = QString(1024 * 1024 + 10, QLatin1Char('y'));
    QTest::newRow("one line longer than a slice") << longline << longline << true;
}

void LogBoxTest::readsbackwithcrlf() {
    QFETCH(QString, given);
    QFETCH(QString, back);
    LogBox box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap); // as the event log is
    box.setText(given);
    QTEST(box.filling(), "slices");
    QCOMPARE(box.text(), back);
    box.movecarettoend();
    box.appendatend("next\r\n");
    QCOMPARE(box.text(), back + "next\r\n");
    QTRY_VERIFY(!box.filling());
    QCOMPARE(box.text(), back + "next\r\n");
    QVERIFY(box.blockCount() <= 4097);
    QCOMPARE(box.textCursor().position(), box.document()->characterCount() - 1);
    // A new text while a long one comes in replaces it whole.
    box.setText(given);
    box.setText(QStringLiteral("a new career"));
    QCoreApplication::processEvents();
    QCOMPARE(box.text(), QStringLiteral("a new career"));
}

QTEST_MAIN(LogBoxTest)
#include "logbox_test.moc"
