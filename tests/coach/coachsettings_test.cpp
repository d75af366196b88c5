#include "coach/coachsettings.h"
#include "support/fakes.h"

#include <QDir>
#include <QTest>

class CoachSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void keptacrossruns();
};

void CoachSettingsTest::read_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("target");
    // clang-format off
    QTest::newRow("as written")      << QByteArray("\"text\",\"%2Fhome%2Fzo%C3%AB%2Fa%2C%22b.txt\"\r\n\"target\",42\r\n") << "/home/zoë/a,\"b.txt" << 42;
    QTest::newRow("nothing kept")    << QByteArray()                                       << ""       << 35;
    QTest::newRow("LF, CR, no end")  << QByteArray("\"target\",60\r\"text\",\"%2Fa\"")       << "/a"     << 60;
    QTest::newRow("too slow")        << QByteArray("\"target\",9\r\n")                      << ""       << 35;
    QTest::newRow("too fast")        << QByteArray("\"target\",151\r\n")                    << ""       << 35;
    QTest::newRow("beyond 64 bits")  << QByteArray("\"target\",99999999999999999999\r\n")   << ""       << 35;
    QTest::newRow("not a number")    << QByteArray("\"target\",fast\r\n\"text\",\"%2Fb\"\r\n") << "/b"   << 35;
    QTest::newRow("later names")     << QByteArray("\"sound\",1\r\n\"target\",20\r\n")       << ""       << 20;
    QTest::newRow("unclosed quote")  << QByteArray("\"text\",\"%2Fa\r\n\"target\",30\r\n")  << ""       << 30;
    QTest::newRow("name alone")      << QByteArray("\"text\"\r\n")                          << ""       << 35;
    // clang-format on
}

void CoachSettingsTest::read() {
    QFETCH(QByteArray, bytes);
    const CoachSettings settings = readcoachsettings(bytes);
    QTEST(settings.text, "text");
    QTEST(settings.targetwpm, "target");
    // Written again, they read back the same.
    QCOMPARE(readcoachsettings(coachsettingsbytes(settings)), settings);
}

// Kept in the program folder for the next run; a file that is there and can't be read is told.
void CoachSettingsTest::keptacrossruns() {
    GameFixture fixture;
    QString trouble;
    QCOMPARE(keptcoachsettings(trouble), CoachSettings());
    QCOMPARE(trouble, QString());
    const CoachSettings mine{QStringLiteral("/tmp/a ☃.txt"), 70};
    QVERIFY(keepcoachsettings(mine));
    QCOMPARE(keptcoachsettings(trouble), mine);
    QFile::remove(QDir(fixture.folder()).filePath(coachsettingsfilename));
    QVERIFY(QDir(fixture.folder()).mkdir(coachsettingsfilename));
    QCOMPARE(keptcoachsettings(trouble), CoachSettings());
    QCOMPARE(trouble, QStringLiteral("coach.dat could not be read: it is a folder, a device or a "
                                     "pipe, not a file."));
    QVERIFY(!keepcoachsettings(mine));
}

QTEST_MAIN(CoachSettingsTest)
#include "coachsettings_test.moc"
