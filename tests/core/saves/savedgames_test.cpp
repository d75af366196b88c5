#include "career/career.h"
#include "samples/careerstaging.h"
#include "saves/savedgames.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Saving the career under a name, in the program folder's saved games.
class SavedGamesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void save_data();
    void save();
    void listandnames();

private:
    GameFixture* fixture = nullptr;
};

void SavedGamesTest::save_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("own"); // the career's own file, from its last save or load
    QTest::addColumn<bool>("ended");  // the career was cleared by an ending, its panel not yet
    QTest::addColumn<QString>("check");
    QTest::addColumn<QByteArray>("bytes"); // the start of the file written; empty: none
    const QByteArray ace = "\"Ace\",700,1,5,\"Won\r\n\",\"20\"";
    // clang-format off
    QTest::newRow("a new name")                << "mine" << "" << false << "ready" << ace;
    QTest::newRow("no name")                   << "" << "" << false << "no name" << QByteArray();
    QTest::newRow("out of the folder")         << "../mine" << "" << false << "not a file name" << QByteArray();
    QTest::newRow("a hidden file")             << ".mine" << "" << false << "hidden" << QByteArray();
    QTest::newRow("another game")              << "other" << "" << false << "replaces another" << ace;
    QTest::newRow("the career's own game")     << "other" << "other" << false << "ready" << ace;
    // A folder of that name is no game to replace, and can't be written over either.
    QTest::newRow("a folder")                  << "folder" << "" << false << "ready" << QByteArray();
    // Save shows what it saves: the cleared training shows now, and is saved.
    QTest::newRow("after an ending")           << "mine" << "" << true << "ready" << QByteArray("\"\",0,0,0,\" \",\"0\"");
    // clang-format on
}

void SavedGamesTest::save() {
    QFETCH(QString, name);
    QFETCH(QString, own);
    QFETCH(bool, ended);
    fixture->writefile("other.kvr", "\"Old\",1,0,1,\"\",\"0\"\r\n");
    QVERIFY(QDir(fixture->folder()).mkdir("folder.kvr"));
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 1, 700, 5, 20});
    staged(career).setlog(QStringLiteral("Won\r\n"));
    SavedGames games(fixture->folder());
    if (!own.isEmpty())
        career.markcareer(games.file(own));
    if (ended)
        staged(career).resetvalues();
    const char* checks[] = {"no name", "not a file name", "hidden", "replaces another", "ready"};
    QTEST(QString::fromLatin1(checks[static_cast<int>(games.prepare(career, name))]), "check");
    QCOMPARE(career.shown(), career.state());
    QFETCH(QByteArray, bytes);
    if (bytes.isEmpty() && name != "folder")
        return;
    QCOMPARE(games.write(career), !bytes.isEmpty());
    QByteArray written;
    readwholefile(games.file(name), written);
    QCOMPARE(written.left(bytes.size()), bytes);
    // Saved, the career is the one in that file; a failed save leaves it as it was.
    QCOMPARE(career.file(), bytes.isEmpty() ? QString() : games.file(name));
    QCOMPARE(career.unsaved(), bytes.isEmpty());
}

void SavedGamesTest::listandnames() {
    for (const char* file : {"b.kvr", "a.kvr.kvr", "C.KVR", "notes.txt"})
        fixture->writefile(QLatin1String(file), "x");
    QVERIFY(QDir(fixture->folder()).mkdir("dir.kvr"));
    SavedGames games(fixture->folder());
    QCOMPARE(games.list(), (QStringList{"a.kvr.kvr", "b.kvr"}));
    QCOMPARE(SavedGames::gamename("a.kvr.kvr"), QStringLiteral("a"));
    QCOMPARE(games.file("a"), fixture->folder() + "a.kvr");
    QCOMPARE(games.read("b").fault, SaveFault::TooFewFields);
    QCOMPARE(games.read("missing").fault, SaveFault::Unreadable);
}

QTEST_GUILESS_MAIN(SavedGamesTest)
#include "savedgames_test.moc"
