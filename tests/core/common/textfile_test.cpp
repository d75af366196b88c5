#include "career/score.h"
#include "common/fields.h"
#include "common/filewriting.h"
#include "common/textfile.h"
#include "samples/samplerecords.h"
#include "tictactoe/records.h"
#include "tictactoe/strategies.h"

#include "support/fakes.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsfields_data();
    void readsfields();
    void readingpasttheendfails();
    void codepageroundtrip();
    void writesquotedtextandplainnumbers();
    void replacekeepstheoldfileonfailure();
    void replacekeepswhattheplayersetup_data();
    void replacekeepswhattheplayersetup();
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

namespace {
// Runs `work` with a file-size limit: a full disk for writes past `bytes`.
template <typename Work> bool withdiskfullafter(rlim_t bytes, Work work) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldhandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = old;
    full.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &full);
    const bool done = work();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldhandler);
    return done;
}

mode_t newfilemode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QStringList leftovers(const QString& folder) {
    return QDir(folder).entryList({"*keystrider-partial"}, QDir::Files | QDir::Hidden);
}
} // namespace

// A save the player keeps private, or keeps elsewhere through a symbolic link, stays so. `link`
// is where save.kvr points ("" for a plain file); `mode` the old file's permissions, 0 for none.
void TextFileTest::replacekeepswhattheplayersetup_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("diskfull");
    // clang-format off
    QTest::newRow("new file")                << ""                  << 0    << false;
    QTest::newRow("private")                 << ""                  << 0600 << false;
    QTest::newRow("group may read")          << ""                  << 0640 << false;
    QTest::newRow("read-only")               << ""                  << 0444 << false;
    QTest::newRow("link beside it")          << "real.kvr"          << 0600 << false;
    QTest::newRow("link to another folder")  << "../other/real.kvr" << 0644 << false;
    QTest::newRow("link to a link")          << "hop.kvr"           << 0600 << false;
    QTest::newRow("link to nothing yet")     << "real.kvr"          << 0    << false;
    QTest::newRow("full disk")               << ""                  << 0600 << true;
    QTest::newRow("full disk, link")         << "../other/real.kvr" << 0600 << true;
    // clang-format on
}

void TextFileTest::replacekeepswhattheplayersetup() {
    QFETCH(QString, link);
    QFETCH(int, mode);
    QFETCH(bool, diskfull);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("saves") && QDir(dir.path()).mkpath("other"));
    const QString folder = dir.filePath("saves/");
    const QString path = folder + "save.kvr";
    if (link == "hop.kvr")
        QVERIFY(QFile::link("real.kvr", folder + "hop.kvr"));
    if (!link.isEmpty())
        QVERIFY(QFile::link(link, path));
    const QString real = QDir::cleanPath(folder + (link.isEmpty()      ? "save.kvr"
                                                   : link == "hop.kvr" ? "real.kvr"
                                                                       : link));
    const QByteArray old = "\"Ace\",250\r\n";
    if (mode != 0) {
        QFile file(real);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        QVERIFY(::chmod(QFile::encodeName(real).constData(), static_cast<mode_t>(mode)) == 0);
    }
    const QByteArray bigger = "\"Ace\"," + QByteArray(4096, '9') + "\r\n";
    const bool replaced =
        withdiskfullafter(diskfull ? 64 : RLIM_INFINITY, [&] { return replacefile(path, bigger); });
    // A file the player made read-only is not theirs to lose; the super-user may write anything.
    const bool refused = diskfull || (mode == 0444 && ::geteuid() != 0);
    QCOMPARE(replaced, !refused);
    QByteArray back;
    QVERIFY(readwholefile(path, back));
    QCOMPARE(back, refused ? old : bigger);
    QCOMPARE(QFileInfo(path).isSymLink(), !link.isEmpty());
    struct stat info {};
    QVERIFY(::stat(QFile::encodeName(real).constData(), &info) == 0);
    QCOMPARE(info.st_mode & 07777, mode != 0 ? static_cast<mode_t>(mode) : newfilemode());
    QCOMPARE(leftovers(folder) + leftovers(dir.filePath("other")), QStringList());
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
    QVERIFY(!withdiskfullafter(
        first.size() + 10, [&] { return appendtofile(path, "\"Ace scored 4500 points!\"\r\n"); }));
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
    // A quote inside an unquoted field opens nothing; the one after it does.
    QTest::newRow("quote in a plain field") << QByteArray("ce\",\"Bo\r") << QStringList{"ce\"", "Bo\r"};
    // clang-format on
}

void TextFileTest::appendaftertorntail() {
    QFETCH(QByteArray, tail);
    QFETCH(QStringList, before);
    for (const QString name : {"hall.dat", "brain.dat", "list.dat", "stats.dat"}) {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QString path = folder + name;
        if (!tail.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(tail) == tail.size());
        }
        const QString entry = name == "hall.dat" ? hallentry("Cy", -450000) : QStringLiteral("159");
        const QByteArray line =
            name == "stats.dat" ? statsline(samplerecord(7)) : LineWriter().text(entry).line();
        bool appended = false;
        if (name == "brain.dat")
            appended = learnstrategy(folder, entry);
        else if (name == "list.dat")
            appended = appendroster(folder, entry);
        else
            appended = appendtofile(path, line);
        QVERIFY(appended);
        QByteArray back;
        QVERIFY(readwholefile(path, back));
        QVERIFY2(back.endsWith("\r\n" + line) || (before.isEmpty() && back == line),
                 qPrintable(name));
        if (name == "stats.dat") {
            TypingRecord record;
            QVERIFY(parsestatsline(line.chopped(2), record));
            QCOMPARE(record.ended, samplerecord(7).ended);
        } else {
            QCOMPARE(everyfield(back), before + QStringList{entry});
        }
    }
}

QTEST_GUILESS_MAIN(TextFileTest)
#include "textfile_test.moc"
