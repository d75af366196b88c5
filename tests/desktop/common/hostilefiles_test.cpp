// Every reader of the game against names that are no file to read: a link to an endless
// device, a named pipe, a folder, a link loop, a file over the most it reads, and one it may
// not read. Each answers at once (a blocking open would hang the test), says why, and leaves
// the folder as it found it.
#include "battledisk/battledisk.h"
#include "career/frmhall.h"
#include "career/hall.h"
#include "coach/owntext.h"
#include "coach/placekeeper.h"
#include "keyboard/keyboardchoice.h"
#include "saves/savedgame.h"
#include "stats/dailypractice.h"
#include "stats/frmstats.h"
#include "stats/statshistory.h"
#include "support/fakes.h"
#include "tictactoe/records.h"
#include "tictactoe/strategies.h"
#include "tictactoe/tictac.h"
#include "typing/wordlist.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Reader {
    QString file; // the name it reads in the program folder
    qint64 most;  // the most it reads of it
    // Reads it as the game does; returns what the player was told.
    std::function<QString(GameFixture&)> read;
};

QString lastbox(const GameFixture& fixture) {
    return fixture.dialogs.shown.isEmpty() ? QString() : fixture.dialogs.shown.last().text;
}

const QMap<QString, Reader>& readers() {
    static const QMap<QString, Reader> all{
        {"hall of fame",
         {"hall.dat", largesthall,
          [](GameFixture& f) {
              frmhall window;
              window.load();
              return lastbox(f);
          }}},
        {"battle disk, update",
         {"battle.dat", largestdisk,
          [](GameFixture& f) {
              QString trouble;
              readdiskfile(f.folder() + "battle.dat", trouble);
              return trouble;
          }}},
        {"battle disk, create",
         {"battle.dat", largestdisk,
          [](GameFixture& f) {
              QString trouble;
              writediskfile(f.folder() + "battle.dat", {"Ace", 250, 0}, trouble);
              return trouble;
          }}},
        {"saved game",
         {"x.kvr", largestsave,
          [](GameFixture& f) {
              return savefaultmessage(loadsavedgame(f.folder() + "x.kvr"), "x.kvr");
          }}},
        {"statistics window",
         {"stats.dat", largeststats,
          [](GameFixture&) {
              frmstats window;
              window.load();
              window.finishloading();
              return window.emptylabel->text();
          }}},
        {"coach's history",
         {"stats.dat", largeststats,
          [](GameFixture& f) { return loadstatshistory(f.folder()).trouble; }}},
        {"tic-tac-toe memory",
         {"brain.dat", largestbrain,
          [](GameFixture& f) {
              tictac window(nullptr);
              window.close();
              return lastbox(f);
          }}},
        {"tic-tac-toe roster",
         {"list.dat", largestroster,
          [](GameFixture& f) {
              tictac window(nullptr);
              window.namebox->setText("Bea");
              window.addtolist_Click(); // Add to List: not over a roster that can't be read
              return f.dialogs.shown.value(0).text;
          }}},
        {"tic-tac-toe record",
         {"Ace.sco", largestrecord,
          [](GameFixture& f) {
              f.writefile("list.dat", "\"Ace\"\r\n");
              tictac window(nullptr);
              window.close(); // the record is not written over on closing
              QFile::remove(f.folder() + "list.dat");
              return lastbox(f);
          }}},
        {"text places",
         {"textplaces.dat", largestplacefile,
          [](GameFixture&) {
              if (placeof("/t.txt") != 0)
                  return QStringLiteral("a place was read");
              return keepplace("/t.txt", 3);
          }}},
        {"keyboard choice",
         {"keyboard.dat", largestkeyboardfile,
          [](GameFixture&) {
              QString trouble;
              return keptkeyboard(trouble) ? QStringLiteral("a choice was read") : trouble;
          }}},
        {"practice goal",
         {"practicegoal.dat", largestgoalfile,
          [](GameFixture&) {
              DailyPractice practice;
              practice.setgoal(15); // the goal is not kept over a file that can't be read
              return practice.trouble();
          }}},
        {"word file",
         {"easy.txt", largestwordfile,
          [](GameFixture& f) {
              QStringList words;
              const QString problem =
                  wordfileproblem(loadwords(words, f.folder() + "easy.txt"), "easy.txt");
              return words.isEmpty() ? problem : QStringLiteral("words were read");
          }}},
        {"own text",
         {"mine.txt", largestowntext,
          [](GameFixture& f) { return loadowntext(f.folder() + "mine.txt").error; }}},
    };
    return all;
}

// What is in the folder, each name with its kind, size, mode and time, links with their target.
QStringList folderstate(const QString& folder) {
    QStringList state;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat info {};
        ::lstat(QFile::encodeName(dir.filePath(name)).constData(), &info);
        state << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(name)
                     .arg(info.st_mode)
                     .arg(info.st_size)
                     .arg(info.st_mtim.tv_sec)
                     .arg(info.st_mtim.tv_nsec)
                     .arg(QFile::symLinkTarget(dir.filePath(name)));
    }
    return state;
}

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT
private slots:
    void eachreaderrefuses_data();
    void eachreaderrefuses();
};

void HostileFilesTest::eachreaderrefuses_data() {
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("kind");
    for (const QString& reader : readers().keys())
        for (const QString kind : {"link to /dev/zero", "named pipe", "folder", "link loop",
                                   "over the limit", "mode 000"}) {
            // A disk's file of any size or mode is the game's own to write over.
            if (reader == "battle disk, create" && (kind == "over the limit" || kind == "mode 000"))
                continue;
            QTest::addRow("%s, %s", qPrintable(reader), qPrintable(kind)) << reader << kind;
        }
}

void HostileFilesTest::eachreaderrefuses() {
    QFETCH(QString, reader);
    QFETCH(QString, kind);
    if (kind == "mode 000" && ::geteuid() == 0)
        QSKIP("root reads a file of mode 000");
    const Reader& r = readers()[reader];
    GameFixture fixture;
    const QString path = fixture.folder() + r.file;
    const QByteArray name = QFile::encodeName(path);
    if (kind == "link to /dev/zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (kind == "named pipe")
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "link loop")
        QCOMPARE(::symlink(name.constData(), name.constData()), 0);
    else if (kind == "over the limit")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly) && QFile::resize(path, r.most + 1));
    else {
        fixture.writefile(r.file, "\"Ace\"\r\n");
        QCOMPARE(::chmod(name.constData(), 0), 0);
    }
    const QStringList before = folderstate(fixture.folder());

    const QString said = r.read(fixture);

    // Own texts keep the coach's own words; every other reader names the file and the reason.
    const bool owntext = reader == "own text";
    const bool disk = reader.startsWith("battle disk");
    QString reason = kind == "over the limit" ? "larger than "
                     : kind == "mode 000"     ? "permission denied"
                     : kind == "link loop"    ? "too many levels of symbolic links"
                                              : "a folder, a device or a pipe";
    if (disk && kind.startsWith("link"))
        reason = "symbolic link";
    if (owntext)
        reason = kind == "over the limit"                    ? "is too large"
                 : kind == "link loop" || kind == "mode 000" ? "cannot be read"
                                                             : "is not a file";
    QVERIFY2(said.contains(r.file) && said.contains(reason), qPrintable(said));
    QCOMPARE(folderstate(fixture.folder()), before);
    ::chmod(name.constData(), 0600);
}

QTEST_MAIN(HostileFilesTest)
#include "hostilefiles_test.moc"
