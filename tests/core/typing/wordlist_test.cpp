#include "support/fakes.h"
#include "typing/practice.h"
#include "typing/wordlist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class WordListTest : public QObject {
    Q_OBJECT
private slots:
    void loadswordfiles_data();
    void loadswordfiles();
    void missingfileleavesthelistasitwas();
    void picksuniformlybetweentworeseeds_data();
    void picksuniformlybetweentworeseeds();
    void exerciselength_data();
    void exerciselength();
    void drawjustbelowonestaysbelowone();
};

void WordListTest::loadswordfiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("one word") << QByteArray("apple\r\n") << QStringList{"apple"};
    QTest::newRow("quoted comma") << QByteArray("\"red, green\"\r\n") << QStringList{"red, green"};
    QTest::newRow("blank inside an entry")
        << QByteArray("two words\r\n") << QStringList{"two words"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("malformed quote mid-file keeps what came before")
        << QByteArray("one\r\ntwo\r\n\"three\r\nfour\r\n") << QStringList{"one", "two"};
    QTest::newRow("CR runs end one line")
        << QByteArray("apple\r\r\nbanana\r\r\n") << QStringList{"apple", "banana"};
    QTest::newRow("UTF-8 mark skipped") << QByteArray("\xEF\xBB\xBF"
                                                      "apple\r\n")
                                        << QStringList{"apple"};
    QTest::newRow("untypable entries left out")
        << QByteArray("tab\there\r\n\"line\r\nbreak\"\r\nnul") + QByteArray(1, '\0') +
               "here\r\nfine\r\n" + QByteArray(32768, 'x') + "\r\n" + QByteArray(32767, 'y') +
               "\r\n"
        << QStringList{"fine", QString(32767, 'y')};
}

void WordListTest::loadswordfiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    QFile file(dir.filePath("easy.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QStringList list{"kept"};
    loadwords(list, file.fileName());
    QCOMPARE(list, QStringList{"kept"} + entries);
}

void WordListTest::missingfileleavesthelistasitwas() {
    QTemporaryDir dir;
    QStringList list;
    loadwords(list, dir.filePath("dif.txt"));
    QVERIFY(list.isEmpty());
    list << "x";
    loadwords(list, dir.filePath("dif.txt"));
    QCOMPARE(list, QStringList{"x"});
}

void WordListTest::picksuniformlybetweentworeseeds_data() {
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<double>("draw");
    QTest::addColumn<qsizetype>("index");
    QTest::newRow("lowest draw") << qsizetype(10) << 0.0 << qsizetype(0);
    QTest::newRow("middle") << qsizetype(10) << 0.55 << qsizetype(5);
    QTest::newRow("highest draw") << qsizetype(10) << 0.9999999 << qsizetype(9);
    QTest::newRow("one entry") << qsizetype(1) << 0.7 << qsizetype(0);
    QTest::newRow("empty list") << qsizetype(0) << 0.7 << qsizetype(-1);
    QTest::newRow("a stray draw of 1 stays in the list") << qsizetype(4) << 1.0 << qsizetype(3);
}

void WordListTest::picksuniformlybetweentworeseeds() {
    QFETCH(qsizetype, count);
    QFETCH(double, draw);
    QFETCH(qsizetype, index);
    GameFixture fixture;
    fixture.random.draws << draw;
    QCOMPARE(pickwordindex(count, 7), index);
    QCOMPARE(fixture.random.drawn, 1);
    QCOMPARE(fixture.random.reseeds, (QList<double>{7, 7}));
}

void WordListTest::exerciselength_data() {
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("length");
    QTest::newRow("divisor 5, r 0") << qsizetype(10) << 5 << 0.0f << 11;
    QTest::newRow("divisor 5, r just below 0.5") << qsizetype(10) << 5 << 0.4999f << 11;
    QTest::newRow("divisor 5, r 0.5") << qsizetype(10) << 5 << 0.5f << 10;
    QTest::newRow("divisor 5, r near 1") << qsizetype(10) << 5 << 0.9999f << 10;
    QTest::newRow("divisor 2, r 0") << qsizetype(10) << 2 << 0.0f << 11;
    QTest::newRow("divisor 2, r 0.79") << qsizetype(10) << 2 << 0.79f << 8;
    QTest::newRow("divisor 2, r near 1") << qsizetype(10) << 2 << 0.9999f << 7;
    QTest::newRow("empty list") << qsizetype(0) << 5 << 0.9f << 1;
    QTest::newRow("one past the counter's top stops there")
        << qsizetype(std::numeric_limits<qint32>::max()) << 5 << 0.0f
        << std::numeric_limits<qint32>::max();
    QTest::newRow("huge list") << (qsizetype(1) << 40) << 2 << 0.0f
                               << std::numeric_limits<qint32>::max();
}

void WordListTest::exerciselength() {
    QFETCH(qsizetype, count);
    QFETCH(int, divisor);
    QFETCH(float, r);
    QFETCH(int, length);
    QCOMPARE(::exerciselength(count, divisor, r), length);
}

void WordListTest::drawjustbelowonestaysbelowone() {
    // Narrowed to single precision this draw would become 1 and cut one entry too many.
    GameFixture fixture;
    fixture.random.draws << 0.99999999999;
    QCOMPARE(::exerciselength(10, 2), 7);
}

QTEST_GUILESS_MAIN(WordListTest)
#include "wordlist_test.moc"
