// Two copies of the game on one folder: each appends its records to the same stats.dat and
// hall.dat, and every line reads back whole; each replaces the same saved game now and then,
// which stays one copy's whole. The copies are this program started again with
// "--append NAME FOLDER".
#include "career/score.h"
#include "common/fields.h"
#include "common/filewriting.h"
#include "common/textfile.h"
#include "samples/samplerecords.h"

#include "support/fakes.h"
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int records = 10000;

TypingRecord record(const QString& copy, int i) {
    TypingRecord r = samplerecord(i);
    r.career = copy;
    return r;
}

// Big enough that a write takes a while, so the two copies' replaces overlap.
QByteArray savedgame(const QString& copy) {
    return copy.toLatin1().repeated(100000);
}

int appendall(const QString& copy, const QString& folder) {
    for (int i = 0; i < records; ++i) {
        if (!appendtofile(folder + "stats.dat", statsline(record(copy, i))) ||
            !appendtofile(folder + "hall.dat", LineWriter().text(hallentry(copy, i)).line()) ||
            (i % 100 == 0 && !replacefile(folder + "career.kvr", savedgame(copy))))
            return 1;
    }
    return 0;
}
} // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT
private slots:
    void appendstayswhole();
};

void TwoCopiesTest::appendstayswhole() {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    const QStringList copies{"Ace", "Bea"};
    QList<QProcess*> running;
    for (const QString& copy : copies) {
        auto* process = new QProcess(this);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(QCoreApplication::applicationFilePath(), {"--append", copy, folder});
        running << process;
    }
    for (QProcess* process : running) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }

    // Each copy's lines come back whole and in its own order, however the two interleave.
    QHash<QString, int> next;
    QByteArray hall;
    QVERIFY(readwholefile(folder + "hall.dat", hall));
    for (const QString& entry : everyfield(hall)) {
        const QString copy = entry.section(' ', 0, 0);
        QCOMPARE(entry, hallentry(copy, next[copy]++));
    }
    QCOMPARE(next.value("Ace"), records);
    QCOMPARE(next.value("Bea"), records);

    next.clear();
    QByteArray bytes;
    QVERIFY(readwholefile(folder + "stats.dat", bytes));
    QVERIFY(bytes.endsWith("\r\n"));
    bytes.chop(1);
    for (const QByteArray& line : bytes.split('\n')) {
        TypingRecord back;
        QVERIFY2(line.endsWith('\r') && parsestatsline(line.chopped(1), back), line.constData());
        QCOMPARE(line + '\n', statsline(record(back.career, next[back.career]++)));
    }
    QCOMPARE(next.value("Ace"), records);
    QCOMPARE(next.value("Bea"), records);

    QVERIFY(readwholefile(folder + "career.kvr", bytes));
    QVERIFY(bytes == savedgame("Ace") || bytes == savedgame("Bea"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"career.kvr", "hall.dat", "stats.dat"}));
}

int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--append") == 0)
        return appendall(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QCoreApplication app(argc, argv);
    TwoCopiesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "twocopies_test.moc"
