#include "support/fakes.h"
#include "typing/textsize.h"

#include <QTest>

// The steps of Ctrl++ and Ctrl+-, and textsize.dat read by the rule of the settings files.
class TextSizeTest : public QObject {
    Q_OBJECT
private slots:
    void steps_data();
    void steps();
    void file_data();
    void file();
};

void TextSizeTest::steps_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("larger");
    QTest::addColumn<int>("smaller");
    // clang-format off
    QTest::newRow("as drawn")        << 100 << 110 << 90;
    QTest::newRow("between steps")   << 130 << 150 << 125;
    QTest::newRow("the largest")     << 300 << 300 << 250;
    QTest::newRow("the smallest")    << 80  << 90  << 80;
    // clang-format on
}

void TextSizeTest::steps() {
    QFETCH(int, from);
    QTEST(largertextsize(from), "larger");
    QTEST(smallertextsize(from), "smaller");
}

void TextSizeTest::file_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("reading");
    const int whole = int(Reading::Whole), damaged = int(Reading::Damaged),
              newer = int(Reading::Newer);
    // clang-format off
    QTest::newRow("written")        << textsizeline(150)                                       << 150 << whole;
    QTest::newRow("too large")      << QByteArray("\"keystrider-textsize\",1,\"percent\",900\r\n") << 300 << damaged;
    QTest::newRow("not a number")   << QByteArray("\"keystrider-textsize\",1,\"percent\",\"big\"\r\n") << 100 << damaged;
    QTest::newRow("newer, more")    << QByteArray("\"keystrider-textsize\",2,\"percent\",125,\"font\",\"x\"\r\n") << 125 << newer;
    QTest::newRow("another file")   << QByteArray("\"keystrider-sound\",1,\"volume\",50\r\n") << 100 << damaged;
    // clang-format on
}

void TextSizeTest::file() {
    QFETCH(QByteArray, bytes);
    int percent = 0;
    QTEST(int(readtextsize(bytes, percent)), "reading");
    QTEST(percent, "percent");
    // Through the program folder as the game keeps it.
    GameFixture fixture;
    fixture.writefile(textsizefilename, bytes);
    SettingsRead read;
    QTEST(kepttextsize(read), "percent");
}

QTEST_GUILESS_MAIN(TextSizeTest)
#include "textsize_test.moc"
