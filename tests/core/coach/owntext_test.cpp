#include "coach/owntext.h"
#include "coach/placekeeper.h"
#include "support/fakes.h"

#include <QDir>
#include <QTest>

class OwnTextTest : public QObject {
    Q_OBJECT
private slots:
    void sentences_data();
    void sentences();
    void decoding_data();
    void decoding();
    void loading_data();
    void loading();
    void placefile_data();
    void placefile();
    void placeacrossruns();
    void placeswrittenrarely();
};

void OwnTextTest::sentences_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("three ends")           << "One. Two! Three? Four"            << QStringList{"One.", "Two!", "Three?", "Four"};
    QTest::newRow("point inside a word")  << "Pi is 3.14 today."                << QStringList{"Pi is 3.14 today."};
    QTest::newRow("hard wrapped")         << "first line\r\nsecond\rthird\n"     << QStringList{"first line second third"};
    QTest::newRow("wrapped after a stop") << "One ends.\nTwo runs\non. Three"    << QStringList{"One ends.", "Two runs on.", "Three"};
    QTest::newRow("paragraphs")           << "Heading\r\n\r\nText runs\non\n \t\nEnd" << QStringList{"Heading", "Text runs on", "End"};
    QTest::newRow("paragraph separator")  << "a\u2029b\u2028c"                  << QStringList{"a", "b c"};
    QTest::newRow("titles")               << "Mr. and Mrs. Dr. Who met Prof. X. Inc. vs. Ltd." << QStringList{"Mr. and Mrs. Dr. Who met Prof. X. Inc. vs. Ltd."};
    QTest::newRow("e.g. i.e. etc.")       << "Fruit, e.g. pears, i.e. food, etc. is fine. Next" << QStringList{"Fruit, e.g. pears, i.e. food, etc. is fine.", "Next"};
    QTest::newRow("initials")             << "J. R. Smith lives in the U.S. today. Yes" << QStringList{"J. R. Smith lives in the U.S. today.", "Yes"};
    QTest::newRow("small letter word")    << "A word is a. Then" << QStringList{"A word is a.", "Then"};
    QTest::newRow("closing quotes")       << "He said \"Go.\" Then (she went.) \u201cNo!\u201d Done" << QStringList{"He said \"Go.\"", "Then (she went.)", "\u201cNo!\u201d", "Done"};
    QTest::newRow("blank lines and runs") << "\n\n  a   b  \n\n"                 << QStringList{"a b"};
    QTest::newRow("tab after a point")    << "Yes.\tNo."                        << QStringList{"Yes.", "No."};
    QTest::newRow("marks together")       << "Really?! Yes..."                  << QStringList{"Really?!", "Yes..."};
    QTest::newRow("control characters")   << "a\x01" "b\tc"                     << QStringList{"ab c"};
    QTest::newRow("empty")                << ""                                 << QStringList{};
    QTest::newRow("beyond Windows-1252")  << "Ω and 😀 stay."                   << QStringList{"Ω and 😀 stay."};
    QTest::newRow("long cut at a blank")  << QString(100, 'a') + " " + QString(30, 'b') << QStringList{QString(100, 'a'), QString(30, 'b')};
    QTest::newRow("long with no blank")   << QString(250, 'c')                  << QStringList{QString(120, 'c'), QString(120, 'c'), QString(10, 'c')};
    QTest::newRow("exactly the longest")  << QString(120, 'd')                  << QStringList{QString(120, 'd')};
    QTest::newRow("pair not split")       << QString(119, 'e') + "😀"           << QStringList{QString(119, 'e'), "😀"};
    QTest::newRow("half characters")      << QString("a") + QChar(0xD800) + " b" + QChar(0xDC00) + "c" << QStringList{"a bc"};
    QTest::newRow("half before a stop")   << QString("x") + QChar(0xD83D) + ". y" << QStringList{"x.", "y"};
    // clang-format on
}

void OwnTextTest::sentences() {
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(splitsentences(text), expected);
}

void OwnTextTest::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("UTF-8")              << QByteArray("Z\xc3\xb6\xc3\xab \xe2\x82\xac") << QStringLiteral("Zöë €");
    QTest::newRow("UTF-8 mark dropped") << QByteArray("\xef\xbb\xbfok")                  << QStringLiteral("ok");
    QTest::newRow("Windows-1252")       << QByteArray("Z\xf6\xeb \x80")                   << QStringLiteral("Zöë €");
    QTest::newRow("cut UTF-8 is 1252")  << QByteArray("ab\xc3")                           << QStringLiteral("abÃ");
    QTest::newRow("ASCII")              << QByteArray("plain")                            << QStringLiteral("plain");
    QTest::newRow("UTF-16 LE")          << QByteArray("\xff\xfeZ\0\xf6\0\xac\x20", 8)         << QStringLiteral("Zö€");
    QTest::newRow("UTF-16 BE, odd end") << QByteArray("\xfe\xff\0Z\0\xeb\0", 7)               << QStringLiteral("Zë");
    // clang-format on
}

void OwnTextTest::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(decodeowntext(bytes), expected);
}

void OwnTextTest::loading_data() {
    QTest::addColumn<QByteArray>("bytes"); // "<folder>" makes a folder, "<none>" no file
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("sentences");
    // clang-format off
    QTest::newRow("text")          << QByteArray("One. Two.")               << ""                              << 2;
    QTest::newRow("empty")         << QByteArray("")                        << "t.txt holds no text to type."  << 0;
    QTest::newRow("only blanks")   << QByteArray(" \r\n\t\r\n")              << "t.txt holds no text to type."  << 0;
    QTest::newRow("binary")        << QByteArray("PK\x03\x04\x00\x00", 6)    << "t.txt is not a text file."     << 0;
    QTest::newRow("UTF-16")        << QByteArray("\xff\xfeO\0k\0.\0 \0N\0o\0", 14) << ""                        << 2;
    QTest::newRow("UTF-16 binary") << QByteArray("\xff\xfe\0\0\x01\0", 6)    << "t.txt is not a text file."     << 0;
    QTest::newRow("folder")        << QByteArray("<folder>")                << "t.txt is not a file."          << 0;
    QTest::newRow("missing")       << QByteArray("<none>")                  << "t.txt is not there: it may have been moved, renamed or deleted." << 0;
    QTest::newRow("megabyte line") << QByteArray(1 << 20, 'x')              << ""                              << (1 << 20) / 120 + 1;
    // clang-format on
}

void OwnTextTest::loading() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QFETCH(int, sentences);
    GameFixture fixture;
    const QString path = QDir(fixture.folder()).filePath(QStringLiteral("t.txt"));
    if (bytes == "<folder>")
        QVERIFY(QDir(fixture.folder()).mkdir(QStringLiteral("t.txt")));
    else if (bytes != "<none>")
        fixture.writefile(QStringLiteral("t.txt"), bytes);
    const OwnText text = loadowntext(path);
    QCOMPARE(text.error, error);
    QCOMPARE(text.sentences.size(), sentences);
}

void OwnTextTest::placefile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // "path=place" in file order, blank-separated
    QTest::addColumn<int>("damaged");
    // clang-format off
    QTest::newRow("two texts")            << QByteArray("\"%2Fa.txt\",3\r\n\"%2Fb%20c.txt\",0\r\n") << "/a.txt=3 /b c.txt=0" << 0;
    QTest::newRow("LF only")              << QByteArray("\"%2Fa\",1\n\"%2Fb\",2\n")               << "/a=1 /b=2"           << 0;
    // A last line with no line end may have lost digits of its place.
    QTest::newRow("no last end")          << QByteArray("\"%2Fa\",1\r\n\"%2Fb\",2")               << "/a=1"                << 1;
    QTest::newRow("a NUL")                << QByteArray("\"%2Fa\",1\r\n\"%2F\0b\",2\r\n", 21)     << "/a=1"                << 1;
    QTest::newRow("CR alone ends a line") << QByteArray("\"%2Fa\",1\r\"%2Fb\",2\r\n")             << "/a=1 /b=2"           << 0;
    QTest::newRow("Latin-1 name kept")    << QByteArray("\"/caf\xe9\",4\r\n")                      << "/caf\u00e9=4"        << 0;
    QTest::newRow("negative")             << QByteArray("\"%2Fa\",-1\r\n")                        << ""                    << 1;
    QTest::newRow("not a number")         << QByteArray("\"%2Fa\",x\r\n\"%2Fb\",2\r\n")            << "/b=2"                << 1;
    QTest::newRow("beyond 64 bits")       << QByteArray("\"%2Fa\",99999999999999999999\r\n")      << ""                    << 1;
    QTest::newRow("no quotes")            << QByteArray("%2Fa,1\r\n")                             << ""                    << 1;
    QTest::newRow("empty path")           << QByteArray("\"\",1\r\n")                             << ""                    << 1;
    QTest::newRow("two for one text")     << QByteArray("\"a\",1\r\n\"a\",5\r\n")                  << "a=1 a=5"             << 0;
    QTest::newRow("garbage")              << QByteArray("\x01\x02\"\",\r\n\",")                   << ""                    << 2;
    // clang-format on
}

void OwnTextTest::placefile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(int, damaged);
    const PlaceFile file = readplacefile(bytes);
    QStringList got;
    for (const PlaceFile::Entry& entry : file.entries)
        got << QStringLiteral("%1=%2").arg(QString::fromLatin1(entry.path)).arg(entry.place);
    QCOMPARE(got.join(QLatin1Char(' ')), expected);
    QCOMPARE(file.damaged.size(), damaged);
    // Written again, every entry reads back as it was.
    const PlaceFile again = readplacefile(file.bytes());
    QCOMPARE(again.bytes(), file.bytes());
    QVERIFY(again.damaged.isEmpty());
}

// Keeping one text's place leaves every other entry as it was, later entries for one text
// count, and a file with a line that is no entry is set aside, with a word to the player.
void OwnTextTest::placeacrossruns() {
    GameFixture fixture;
    const QString odd = QStringLiteral("/tmp/a \"quoted\",\r\nname ☃.txt");
    QCOMPARE(placeof(odd), 0);
    QCOMPARE(keepplace(odd, 7), QString());
    QCOMPARE(keepplace(QStringLiteral("/tmp/other.txt"), 2), QString());
    QCOMPARE(placeof(odd), 7);
    QCOMPARE(placeof(QStringLiteral("/tmp/other.txt")), 2);

    const QByteArray kept = "\"/caf\xe9\",4\r\n\"%2Fa\",1\r\n\"%2Fb\",9\r\n\"%2Fb\",2\r\n";
    fixture.writefile(
        QStringLiteral("textplaces.dat"),
        "\"/caf\xe9\",4\r\n\"%2Fa\",1\r\"%2Fb\",9\r\n\"%2Fc\",99999999999999999999\r\n"
        "\"%2Fb\",2\r\n");
    QCOMPARE(placeof(QStringLiteral("/b")), 2);
    QCOMPARE(keepplace(QStringLiteral("/d"), 3),
             QStringLiteral("textplaces.dat was damaged: it is kept as textplaces.dat.damaged, "
                            "and what could be read of it is used."));
    QByteArray bytes;
    QVERIFY(readwholefile(fixture.folder() + QStringLiteral("textplaces.dat"), bytes));
    QCOMPARE(bytes, kept + "\"%2Fd\",3\r\n");
    QVERIFY(readwholefile(fixture.folder() + QStringLiteral("textplaces.dat.damaged"), bytes));
    QVERIFY(bytes.contains("\"%2Fc\",99999999999999999999\r\n"));
    QCOMPARE(keepplace(QStringLiteral("/d"), 4), QString());
}

// The place moves in memory at every sentence, and reaches the file at every tenth and when
// asked; the coach never waits for it on the way.
void OwnTextTest::placeswrittenrarely() {
    GameFixture fixture;
    const QString path = QStringLiteral("/tmp/book.txt");
    PlaceKeeper places;
    for (int sentence = 1; sentence < PlaceKeeper::sentencesperwrite; ++sentence)
        places.moved(path, sentence);
    places.finishwriting();
    QCOMPARE(placeof(path), 0);
    QCOMPARE(places.placeof(path), 9);
    places.moved(path, 10);
    places.finishwriting();
    QCOMPARE(placeof(path), 10);
    places.moved(path, 11);
    places.write();
    places.finishwriting();
    QCOMPARE(placeof(path), 11);
}

QTEST_GUILESS_MAIN(OwnTextTest)
#include "owntext_test.moc"
