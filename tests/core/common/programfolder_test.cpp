#include "common/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

class ProgramFolderTest : public QObject {
    Q_OBJECT
private slots:
    void chooses_data();
    void chooses();
    void prepares_data();
    void prepares();
    void refuses_data();
    void refuses();
    void sweepsleftovers_data();
    void sweepsleftovers();
};

void ProgramFolderTest::chooses_data() {
    QTest::addColumn<QString>("exefolder");
    QTest::addColumn<bool>("haswords");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("datahome");
    QTest::addColumn<QString>("folder");
    QTest::newRow("portable copy") << "/opt/ks" << true << true << "/xdg"
                                   << "/opt/ks/";
    QTest::newRow("portable at the root") << "/" << true << true << "/xdg"
                                          << "/";
    QTest::newRow("words in a read-only folder") << "/opt/ks" << true << false << "/xdg"
                                                 << "/xdg/keystrider/";
    QTest::newRow("installed copy") << "/usr/bin" << false << true << "/xdg"
                                    << "/xdg/keystrider/";
    QTest::newRow("data home with a slash") << "/usr/bin" << false << false << "/xdg/"
                                            << "/xdg/keystrider/";
    QTest::newRow("no data home") << "/usr/bin" << false << false << ""
                                  << "/home/ace/.local/share/keystrider/";
    QTest::newRow("relative data home ignored") << "/usr/bin" << false << false << "data"
                                                << "/home/ace/.local/share/keystrider/";
}

void ProgramFolderTest::chooses() {
    QFETCH(QString, exefolder);
    QFETCH(bool, haswords);
    QFETCH(bool, writable);
    QFETCH(QString, datahome);
    QFETCH(QString, folder);
    QCOMPARE(chooseprogramfolder({exefolder, haswords, writable, datahome, "/home/ace"}), folder);
}

// Each word file's text tells where it came from: "mine" (the player's folder already had it),
// "installed" or "beside" (the two sources, in that order); empty means it is missing.
void ProgramFolderTest::prepares_data() {
    QTest::addColumn<QStringList>("mine");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<QStringList>("after");
    const QStringList all{"easy.txt", "avg.txt", "dif.txt"};
    QTest::newRow("first start") << QStringList() << all << all
                                 << QStringList{"installed", "installed", "installed"};
    QTest::newRow("player's copy kept")
        << QStringList{"avg.txt"} << all << all << QStringList{"installed", "mine", "installed"};
    QTest::newRow("second source fills a gap") << QStringList() << QStringList{"easy.txt"} << all
                                               << QStringList{"installed", "beside", "beside"};
    QTest::newRow("missing everywhere") << QStringList() << QStringList{"easy.txt"} << QStringList()
                                        << QStringList{"installed", "", ""};
}

void ProgramFolderTest::prepares() {
    QFETCH(QStringList, mine);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, beside);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString folder = dir.path() + "/data/keystrider/";
    const auto put = [&](const QString& where, const QStringList& names, const QByteArray& text) {
        QDir().mkpath(where);
        for (const QString& name : names) {
            QFile file(where + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
    };
    put(folder, mine, "mine");
    put(dir.path() + "/installed", installed, "installed");
    put(dir.path() + "/beside", beside, "beside");

    const QStringList words{"easy.txt", "avg.txt", "dif.txt"};
    QCOMPARE(
        prepareprogramfolder(folder, words, {dir.path() + "/installed", dir.path() + "/beside"}),
        QString());
    for (int i = 0; i < words.size(); ++i) {
        QFile file(folder + words[i]);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString(),
                 after[i]);
    }
}

void ProgramFolderTest::refuses_data() {
    QTest::addColumn<QString>("inside");
    QTest::addColumn<QString>("what");
    // A file where a folder should be stops anyone, the super-user too.
    QTest::newRow("a file in the way") << "blocker/keystrider"
                                       << "create";
    QTest::newRow("a file named like it") << "blocker"
                                          << "create";
}

void ProgramFolderTest::refuses() {
    QFETCH(QString, inside);
    QFETCH(QString, what);
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = dir.path() + "/" + inside;
    const QString message = prepareprogramfolder(folder, {"easy.txt"}, {dir.path()});
    QVERIFY2(message.startsWith("Keystrider cannot " + what + " the folder for your files:\n"),
             qPrintable(message));
    QVERIFY(message.contains(folder));
}

// What a killed run left half written goes at start, wherever the copy keeps its files; what
// another running copy is writing, and the player's own files, stay.
void ProgramFolderTest::sweepsleftovers_data() {
    QTest::addColumn<bool>("portable");
    QTest::newRow("portable copy") << true;
    QTest::newRow("installed copy") << false;
}

void ProgramFolderTest::sweepsleftovers() {
    QFETCH(bool, portable);
    QTemporaryDir dir;
    const QString exefolder = dir.path() + "/game/";
    const QString folder = portable ? exefolder : dir.path() + "/xdg/keystrider/";
    QVERIFY(QDir().mkpath(exefolder) && QDir().mkpath(folder));
    const QStringList names{"easy.txt", ".career.kvr.keystrider-partial", "career.kvr",
                            ".hall.dat.keystrider-partial", "career.kvr.Ab12Cd"};
    for (const QString& name : names) {
        QFile file((name == "easy.txt" ? exefolder : folder) + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // A save the player keeps elsewhere behind a link is written beside its target: the copy
    // left there goes too, and nothing else of that folder.
    const QString elsewhere = dir.path() + "/elsewhere/";
    QVERIFY(QDir().mkpath(elsewhere));
    for (const char* name : {"real.kvr", ".real.kvr.keystrider-partial", ".x.keystrider-partial"})
        QVERIFY(QFile(elsewhere + name).open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(elsewhere + "real.kvr", folder + "linked.kvr"));
    // The other copy's lock: this one's sweep opens the file anew, so it meets the lock too.
    const int writing = ::open(QFile::encodeName(folder + names[3]).constData(), O_RDONLY);
    QVERIFY(writing >= 0 && ::flock(writing, LOCK_EX) == 0);
    const FolderSetting setting{exefolder, portable, portable, dir.path() + "/xdg", dir.path()};
    QCOMPARE(settleprogramfolder(setting, {"easy.txt"}, dir.path() + "/none"), QString());
    ::close(writing);
    setprogramfolder(QString());
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{".hall.dat.keystrider-partial", "career.kvr", "career.kvr.Ab12Cd",
                          "easy.txt", "linked.kvr"}));
    QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{".x.keystrider-partial", "real.kvr"}));
}

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "programfolder_test.moc"
