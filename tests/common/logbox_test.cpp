#include "common/logbox.h"

#include <QTest>
#include <QTextBlock>

class LogBoxTest : public QObject {
    Q_OBJECT
private slots:
    void readsbackwithcrlf_data();
    void readsbackwithcrlf();
    void longlogcomesinslices_data();
    void longlogcomesinslices();
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

void LogBoxTest::readsbackwithcrlf_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("back");
    QTest::newRow("one blank") << " "
                               << " ";
    QTest::newRow("CR LF, LF, lone CR") << "a\r\nb\nc\rd"
                                        << "a\r\nb\r\nc\r\nd";
    QTest::newRow("blank lines at the end") << "a\r\n\r\n\r\n"
                                            << "a\r\n\r\n\r\n";
    const QString crlf = manylines(20000, "\r\n");
    QTest::newRow("20 000 lines") << crlf << crlf;
    QTest::newRow("20 000 lines, LF and CR") << manylines(10000, "\n") + manylines(10000, "\r")
                                             << manylines(10000, "\r\n") + manylines(10000, "\r\n");
}

void LogBoxTest::readsbackwithcrlf() {
    QFETCH(QString, given);
    QFETCH(QString, back);
    LogBox box;
    box.setText(given);
    QCOMPARE(box.text(), back);
    // However long, the log stays quick to show; new entries still go at the very end.
    QVERIFY(box.blockCount() <= 4097);
    box.movecarettoend();
    box.appendatend("next\r\n");
    QCOMPARE(box.text(), back + "next\r\n");
    QCOMPARE(box.textCursor().position(), box.document()->characterCount() - 1);
}

// A log of megabytes comes in over several turns of the event loop; it reads back whole all
// along, and what is added meanwhile goes after it.
void LogBoxTest::longlogcomesinslices_data() {
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("back");
    const QString crlf = manylines(60000, "\r\n");
    QTest::newRow("60 000 lines") << crlf << crlf;
    QTest::newRow("every kind of line end")
        << manylines(30000, "\n") + manylines(30000, "\r")
        << manylines(30000, "\r\n") + manylines(30000, "\r\n");
    // A slice ends where a CR LF would be cut in two: the pair stays one line break.
    const QString straddling = QString(1024 * 1024 - 1, QLatin1Char('x')) + "\r\n" + crlf;
    QTest::newRow("CR LF across a slice's end") << straddling << straddling;
    const QString longline = QString(1024 * 1024 + 10, QLatin1Char('y'));
    QTest::newRow("one line longer than a slice") << longline << longline;
}

void LogBoxTest::longlogcomesinslices() {
    QFETCH(QString, log);
    QFETCH(QString, back);
    LogBox box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap); // as the event log is
    box.setText(log);
    QVERIFY(box.filling());
    QCOMPARE(box.text(), back);
    box.appendatend("next\r\n");
    box.movecarettoend();
    QCOMPARE(box.text(), back + "next\r\n");
    QTRY_VERIFY(!box.filling());
    QCOMPARE(box.text(), back + "next\r\n");
    QVERIFY(box.blockCount() <= 4097);
    QCOMPARE(box.textCursor().position(), box.document()->characterCount() - 1);
    box.setText(QStringLiteral("a new career"));
    QVERIFY(!box.filling());
    QCOMPARE(box.text(), QStringLiteral("a new career"));
}

QTEST_MAIN(LogBoxTest)
#include "logbox_test.moc"
