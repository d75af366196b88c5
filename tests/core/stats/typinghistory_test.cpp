#include "stats/dailypractice.h"
#include "stats/statsrecorder.h"
#include "stats/typinghistory.h"
#include "support/fakes.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

class TypingHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void readonce_data();
    void readonce();
};

namespace {

TypingRecord typed(int minutes) {
    TypingRecord r;
    r.ended = QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
    r.activity = QStringLiteral("Practice");
    r.level = QStringLiteral("Easy");
    r.result = QStringLiteral("Completed");
    r.counts.tally = {std::int64_t{minutes} * 60000, 1, 5, 5, 0, 0};
    return r;
}

} // namespace

void TypingHistoryTest::readonce_data() {
    QTest::addColumn<QString>("ends"); // when a record ends: before the reading, during, after
    QTest::addColumn<int>("added");    // told as added, rather than as part of the reading
    // clang-format off
    QTest::newRow("before anyone asked") << "before" << 0;
    QTest::newRow("while it is read")    << "during" << 0;
    QTest::newRow("once it is read")     << "after"  << 1;
    // clang-format on
}

// stats.dat is read once a run, whoever asks first; a record kept joins the history once,
// whenever it ends, and every window's practice days are the history's.
void TypingHistoryTest::readonce() {
    QFETCH(QString, ends);
    GameFixture fixture;
    fixture.writefile(statsfilename,
                      statsline(typed(3)) + "\"keystrider-stats\",1,x\r\n" + statsline(typed(4)));
    StatsRecorder recorder([] { return QStringLiteral("Ace"); });
    TypingHistory* history = TypingHistory::shared();
    QSignalSpy added(history, &TypingHistory::added);
    if (ends == QLatin1String("before"))
        recorder.record(typed(5));
    history->load();
    if (ends == QLatin1String("during"))
        recorder.record(typed(5));
    history->finishloading();
    if (ends == QLatin1String("after"))
        recorder.record(typed(5));
    QTEST(int(added.size()), "added");
    QCOMPARE(history->records().book.rows().size(), 3);
    QCOMPARE(history->records().unreadable, 1);
    QCOMPARE(DailyPractice::shared()->todaymilliseconds(), 12 * 60000);

    // Another copy of the game appends to the file: this run reads it no more.
    QFile file(fixture.folder() + statsfilename);
    QVERIFY(file.open(QIODevice::Append));
    file.write(statsline(typed(6)));
    file.close();
    history->load();
    history->finishloading();
    QCOMPARE(TypingHistory::shared(), history);
    QCOMPARE(history->records().book.rows().size(), 3);
    QCOMPARE(DailyPractice::shared(), DailyPractice::shared());
}

QTEST_GUILESS_MAIN(TypingHistoryTest)
#include "typinghistory_test.moc"
