#include "career/score.h"
#include "common/textfile.h"
#include "tictactoe/fields.h"
#include "tictactoe/strategies.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsfields_data();
    void readsfields();
    void readingpasttheendfails();
    void codepageroundtrip();
    void writesquotedtextandplainnumbers();
    void replacekeepstheoldfileonfailure();
    void appendcreatesandextends();
    void failedappendleavesthefileasitwas();
    void longfieldcut();
    void appendaftertorntail_data();
    void appendaftertorntail();
};

void TextFileTest::readsfields_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("one word") << QByteArray("apple\r\n") << QStringList{"apple"};
    QTest::newRow("quoted comma") << QByteArray("\"red, green\"\r\n") << QStringList{"red, green"};
    QTest::newRow("unquoted comma") << QByteArray("red, green\r\n") << QStringList{"red", "green"};
    QTest::newRow("blank inside") << QByteArray("two words\r\n") << QStringList{"two words"};
    QTest::newRow("leading and trailing blanks")
        << QByteArray("   pad  ,\t tab\r\n") << QStringList{"pad", "tab"};
    QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty line in the middle")
        << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty fields") << QByteArray("a,,b\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("comma at the end") << QByteArray("a,") << QStringList{"a", ""};
    QTest::newRow("line break inside quotes")
        << QByteArray("\"one\r\ntwo\",3\r\n") << QStringList{"one\r\ntwo", "3"};
    QTest::newRow("quoted then number")
        << QByteArray("\"Ace\",250,-3\r\n") << QStringList{"Ace", "250", "-3"};
    QTest::newRow("empty quoted") << QByteArray("\"\"\r\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("unclosed quote ends the read")
        << QByteArray("a\r\n\"broken\r\nb\r\n") << QStringList{"a"};
    QTest::newRow("CR runs end one line")
        << QByteArray("apple\r\r\nbanana\r\r\n") << QStringList{"apple", "banana"};
    QTest::newRow("CR run without LF") << QByteArray("a\r\r\rb") << QStringList{"a", "b"};
    QTest::newRow("UTF-8 mark skipped")
        << QByteArray("\xEF\xBB\xBF\"Ace\",5\r\n") << QStringList{"Ace", "5"};
    QTest::newRow("windows-1252") << QByteArray("\"caf\xe9 \x80 5\"\r\n")
                                  << QStringList{QString::fromUtf8("café € 5")};
}

void TextFileTest::readsfields() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    FieldReader reader(bytes);
    QStringList got;
    QString field;
    while (reader.next(field))
        got.append(field);
    QCOMPARE(got, fields);
}

void TextFileTest::readingpasttheendfails() {
    FieldReader reader("x\r\n");
    QString field;
    QVERIFY(reader.next(field));
    QVERIFY(!reader.next(field));
    QVERIFY(!reader.next(field));
}

void TextFileTest::codepageroundtrip() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    QCOMPARE(towindows1252(fromwindows1252(all)), all);
    QCOMPARE(towindows1252(QString::fromUtf8("é€™")), QByteArray("\xe9\x80\x99"));
    QCOMPARE(towindows1252(QString::fromUtf8("日")), QByteArray("?"));
}

void TextFileTest::writesquotedtextandplainnumbers() {
    const QByteArray line =
        LineWriter().text(QString::fromUtf8("Zoë, \"the\" ace")).number(-42).number(0).line();
    QCOMPARE(line, QByteArray("\"Zo\xeb, \"the\" ace\",-42,0\r\n"));
    const QByteArray plain = LineWriter().text(QStringLiteral("a,b")).number(7).line();
    FieldReader reader(plain);
    QString f;
    QVERIFY(reader.next(f));
    QCOMPARE(f, QStringLiteral("a,b"));
    QVERIFY(reader.next(f));
    QCOMPARE(f, QStringLiteral("7"));
}

void TextFileTest::replacekeepstheoldfileonfailure() {
    QTemporaryDir dir;
    const QString path = dir.filePath("save.kvr");
    QVERIFY(replacefile(path, "first\r\n"));
    QByteArray back;
    QVERIFY(readwholefile(path, back));
    QCOMPARE(back, QByteArray("first\r\n"));
    // A folder that can't be written: the write fails and reports it.
    QVERIFY(!replacefile(dir.filePath("missing/save.kvr"), "x"));
    QVERIFY(replacefile(path, "second\r\n"));
    QVERIFY(readwholefile(path, back));
    QCOMPARE(back, QByteArray("second\r\n"));
}

void TextFileTest::appendcreatesandextends() {
    QTemporaryDir dir;
    const QString path = dir.filePath("hall.dat");
    QVERIFY(appendtofile(path, "a\r\n"));
    QVERIFY(appendtofile(path, "b\r\n"));
    QByteArray back;
    QVERIFY(readwholefile(path, back));
    QCOMPARE(back, QByteArray("a\r\nb\r\n"));
    QVERIFY(!readwholefile(dir.filePath("nothing"), back));
}

// A full disk, as the file-size limit makes one: the line that no longer fits is not left torn.
void TextFileTest::failedappendleavesthefileasitwas() {
    QTemporaryDir dir;
    const QString path = dir.filePath("hall.dat");
    const QByteArray first = "\"Bo scored 10 points!\"\r\n";
    QVERIFY(appendtofile(path, first));
    rlimit old{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
    const auto oldhandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = old;
    full.rlim_cur = static_cast<rlim_t>(first.size() + 10);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
    const bool appended = appendtofile(path, "\"Ace scored 4500 points!\"\r\n");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldhandler);
    QVERIFY(!appended);
    QByteArray back;
    QVERIFY(readwholefile(path, back));
    QCOMPARE(back, first);
}

void TextFileTest::longfieldcut() {
    FieldReader reader("\"" + QByteArray(100000, 'x') + "\",short\r\n");
    QString field;
    bool cut = false;
    QVERIFY(reader.next(field, 5, cut));
    QCOMPARE(field, QStringLiteral("xxxxx"));
    QVERIFY(cut);
    QVERIFY(reader.next(field, 5, cut));
    QCOMPARE(field, QStringLiteral("short"));
    QVERIFY(!cut);
}

// What a power cut mid-append leaves, then the next append: the fragment stays one entry and
// the new one is whole on a line of its own.
void TextFileTest::appendaftertorntail_data() {
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QStringList>("before");
    const QByteArray longline = "\"" + QByteArray(200000, 'w');
    // clang-format off
    QTest::newRow("no file")             << QByteArray() << QStringList{};
    QTest::newRow("whole line")          << QByteArray("\"Bo\"\r\n") << QStringList{"Bo"};
    QTest::newRow("no line end")         << QByteArray("\"Bo\"") << QStringList{"Bo"};
    QTest::newRow("lone CR")             << QByteArray("\"Bo\"\r") << QStringList{"Bo"};
    QTest::newRow("open quote")          << QByteArray("\"Bo\"\r\n\"Bob sco") << QStringList{"Bo", "Bob sco"};
    QTest::newRow("open quote, lone CR") << QByteArray("\"Bob sco\r") << QStringList{"Bob sco\r"};
    QTest::newRow("long open quote")     << longline << QStringList{QString(200000, u'w')};
    // clang-format on
}

void TextFileTest::appendaftertorntail() {
    QFETCH(QByteArray, tail);
    QFETCH(QStringList, before);
    for (const bool brain : {false, true}) {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QString path = folder + (brain ? "brain.dat" : "hall.dat");
        if (!tail.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(tail) == tail.size());
        }
        const QString entry = brain ? QStringLiteral("159") : hallentry("Cy", -450000);
        QVERIFY(brain ? learnstrategy(folder, entry)
                      : appendtofile(path, LineWriter().text(entry).line()));
        QCOMPARE(brain ? loadbrain(folder) : everyfieldof(path), before + QStringList{entry});
        QByteArray back;
        QVERIFY(readwholefile(path, back));
        QVERIFY(back.endsWith("\r\n\"" + entry.toLatin1() + "\"\r\n") || before.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TextFileTest)
#include "textfile_test.moc"
