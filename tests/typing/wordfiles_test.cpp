#include "typing/frmp.h"
#include "typing/levels.h"
#include "typing/wordlist.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

// The word files the game ships: each level's file is there, long enough to practise on, and
// every entry can be typed and read in full.
class WordFilesTest : public QObject {
    Q_OBJECT
private slots:
    void everylevelhasaworthwhilefile_data();
    void everylevelhasaworthwhilefile();
};

void WordFilesTest::everylevelhasaworthwhilefile_data() {
    QTest::addColumn<QString>("file");
    for (const PracticeLevel& level : practicelevels())
        QTest::newRow(qPrintable(level.file)) << level.file;
}

void WordFilesTest::everylevelhasaworthwhilefile() {
    QFETCH(QString, file);
    const QString path = QFINDTESTDATA("../../words/" + file);
    QVERIFY2(!path.isEmpty(), qPrintable(file));
    QStringList entries;
    loadwords(entries, path);
    QVERIFY(entries.size() >= 200);
    frmp window;
    const QFontMetrics metrics(window.lbltype->font());
    for (const QString& entry : entries) {
        QVERIFY2(!entry.isEmpty() && entry == entry.trimmed(), qPrintable(entry));
        QVERIFY2(metrics.horizontalAdvance(entry) < window.lbltype->width(), qPrintable(entry));
    }
    if (file == QLatin1String("dif.txt"))
        QVERIFY(entries.filter(QStringLiteral(",")).size() >= entries.size() / 2);
}

QTEST_MAIN(WordFilesTest)
#include "wordfiles_test.moc"
