#include "career/career.h"
#include "samples/careerstaging.h"
#include "saves/savedgames.h"
#include "support/fakes.h"

#include <QDir>
#include <QTest>

// Saving the career under a name, among the program folder's saved games.
class SavedGamesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void save_data();
    void save();

private:
    GameFixture* fixture = nullptr;
};

void SavedGamesTest::save_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("own"); // the career's own file, from its last save or load
    // What stands in the way (0 no name, 1 not a file name, 2 hidden, 3 another game, 4 none),
    // then the start of the file written, if one was.
    QTest::addColumn<int>("check");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray ace = "\"Ace\",700,1,5,\"Won\r\n\",\"20\"";
    const QByteArray none;
    // clang-format off
    QTest::newRow("a new name")            << "mine" << "" << 4 << ace;
    QTest::newRow("no name")               << "" << "" << 0 << none;
    QTest::newRow("out of the folder")     << "../mine" << "" << 1 << none;
    QTest::newRow("a hidden file")         << ".mine" << "" << 2 << none;
    QTest::newRow("another game")          << "other" << "" << 3 << ace;
    QTest::newRow("the career's own game") << "other" << "other" << 4 << ace;
    // A folder of that name is no game to replace, and is not written over either.
    QTest::newRow("a folder")              << "folder" << "" << 4 << none;
    // Save shows what it saves: the cleared training shows now, and is saved.
    QTest::newRow("after an ending")       << "mine" << "" << 4 << QByteArray("\"\",0,0,0,\" \",\"0\"");
    // clang-format on
}

void SavedGamesTest::save() {
    QFETCH(QString, name);
    QFETCH(QString, own);
    QFETCH(QByteArray, bytes);
    fixture->writefile("other.kvr", "\"Old\",1,0,1,\"\",\"0\"\r\n");
    QVERIFY(QDir(fixture->folder()).mkdir("folder.kvr"));
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 1, 700, 5, 20});
    staged(career).setlog(QStringLiteral("Won\r\n"));
    SavedGames games(fixture->folder());
    if (!own.isEmpty())
        career.markcareer(games.file(own));
    // Cleared by an ending, its panel not refreshed yet.
    if (QTest::currentDataTag() == QByteArray("after an ending"))
        staged(career).resetvalues();
    const SaveCheck check = games.prepare(career, name);
    QTEST(static_cast<int>(check), "check");
    QCOMPARE(career.shown(), career.state());
    if (check < SaveCheck::ReplacesAnother)
        return;
    QCOMPARE(games.write(career), !bytes.isEmpty());
    QByteArray written;
    readwholefile(games.file(name), written);
    QCOMPARE(written.left(bytes.size()), bytes);
    // Saved, the career is the one in that file; a failed save leaves it as it was.
    QCOMPARE(career.file(), bytes.isEmpty() ? QString() : games.file(name));
    QCOMPARE(career.unsaved(), bytes.isEmpty());
}

QTEST_GUILESS_MAIN(SavedGamesTest)
#include "savedgames_test.moc"
