// What the player types that goes into a file: a career name, and the folder of the battle disk.
#include "battledisk/battledisk.h"
#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PlayerTextTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void namefitsthefiles_data();
    void namefitsthefiles();
    void diskfolder_data();
    void diskfolder();

private:
    QTemporaryDir scratch;
    QString kepthome;
    QString keptcurrent;
};

void PlayerTextTest::initTestCase() {
    QVERIFY(scratch.isValid());
    QDir root(scratch.path());
    for (const char* folder : {"home/disk", "usb"})
        QVERIFY(root.mkpath(folder));
    QFile file(root.filePath("plain"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    kepthome = qEnvironmentVariable("HOME");
    keptcurrent = QDir::currentPath();
    qputenv("HOME", root.filePath("home").toLocal8Bit());
    QVERIFY(QDir::setCurrent(root.path()));
}

void PlayerTextTest::cleanupTestCase() {
    qputenv("HOME", kepthome.toLocal8Bit());
    QDir::setCurrent(keptcurrent);
}

void PlayerTextTest::namefitsthefiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fits");
    QTest::newRow("German and Dutch") << "Zoë Müller" << true;
    QTest::newRow("French ligature") << "Œuvre" << true;
    QTest::newRow("euro sign, in the 0x80 row") << "€uro" << true;
    QTest::newRow("typed question mark") << "Who?" << true;
    QTest::newRow("Chinese") << "李小龍 Bob" << false;
    QTest::newRow("Polish dotted Z") << "Żaneta" << false;
    QTest::newRow("emoji, two UTF-16 units") << "Ace 😀" << false;
    QTest::newRow("C1 control without a letter") << QString(QChar(0x0085)) << false;
}

void PlayerTextTest::namefitsthefiles() {
    QFETCH(QString, name);
    QFETCH(bool, fits);
    QCOMPARE(fitswindows1252(name), fits);
    // The check says exactly whether the name comes back from a file as typed.
    QCOMPARE(fromwindows1252(towindows1252(name)) == name, fits);
}

// $S stands for the scratch folder, the current one; $H for the home folder inside it. An
// answer that names no existing folder is refused: nothing is written beside it.
void PlayerTextTest::diskfolder_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("path");
    const QString refused = QStringLiteral("(refused)");
    // clang-format off
    QTest::newRow("Cancel: the current folder")           << ""         << "battle.dat";
    QTest::newRow("folder")                               << "$S/usb"   << "$S/usb/battle.dat";
    QTest::newRow("folder ending in /")                   << "$S/usb/"  << "$S/usb/battle.dat";
    QTest::newRow("folder, relative")                     << "usb"      << "usb/battle.dat";
    QTest::newRow("folder under home")                    << "~/disk"   << "$H/disk/battle.dat";
    QTest::newRow("home itself")                          << "~"        << "$H/battle.dat";
    QTest::newRow("missing folder")                       << "$S/gone"  << refused;
    QTest::newRow("missing folder ending in /")           << "$S/gone/" << refused;
    QTest::newRow("missing under home")                   << "~/gone/"  << refused;
    QTest::newRow("a file, not a folder")                 << "$S/plain" << refused;
    QTest::newRow("another user's home is not expanded")  << "~usb"     << refused;
    QTest::newRow("drive letter")                         << "a:\\"     << refused;
    QTest::newRow("blank")                                << " "        << refused;
    // clang-format on
}

void PlayerTextTest::diskfolder() {
    QFETCH(QString, answer);
    QFETCH(QString, path);
    auto placed = [this](QString text) {
        return text.replace("$H", scratch.path() + "/home").replace("$S", scratch.path());
    };
    QCOMPARE(diskpath(placed(answer)).value_or(QStringLiteral("(refused)")), placed(path));
}

QTEST_GUILESS_MAIN(PlayerTextTest)
#include "playertext_test.moc"
