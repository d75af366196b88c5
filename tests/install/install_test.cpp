// Installs the build into a temporary prefix, as `cmake --install` does for a player, and runs
// the installed game the way a menu entry would.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString id = QStringLiteral("org.keystrider.Keystrider");
const QStringList words{"aavg.txt", "avg.txt", "dif.txt", "easy.txt", "well.txt"};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesunder(const QString& root) {
    QStringList found;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(root).relativeFilePath(it.next()));
    found.sort();
    return found;
}
} // namespace

class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void installsthefiles();
    void answersontheterminal_data();
    void answersontheterminal();
    void installedcopyusestheplayersfolder();
    void portablecopyusesitsownfolder();

private:
    // A player's session without a display, whose files go to `datahome`, never to the real home.
    QProcessEnvironment environment(const QString& datahome) const;
    // Runs the game until it has drawn its start menu, the first thing it shows once its folder
    // is settled, then ends it. Returns whether it got that far.
    bool startgame(const QString& executable, const QString& datahome);
    QTemporaryDir scratch;
    QString prefix;
};

void InstallTest::initTestCase() {
    QVERIFY(scratch.isValid());
    prefix = scratch.path() + "/prefix";
    // An install rewrites the build's list of installed files, which the uninstall script
    // reads: the player's own list is put back afterwards.
    const QString manifest = QStringLiteral(BUILD_FOLDER "/install_manifest.txt");
    const QByteArray kept = contents(manifest);
    const bool hadmanifest = QFile::exists(manifest);
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(CMAKE_COMMAND, {"--install", BUILD_FOLDER, "--prefix", prefix});
    QVERIFY(install.waitForFinished(120000));
    QFile::remove(manifest);
    if (hadmanifest) {
        QFile back(manifest);
        QVERIFY(back.open(QIODevice::WriteOnly) && back.write(kept) == kept.size());
    }
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
}

void InstallTest::installsthefiles() {
    QStringList expected{"games/keystrider",
                         KEYSTRIDER_SOUND_DIR "/keystridersound.so",
                         KEYSTRIDER_SOUND_DIR "/keystriderstats.so",
                         "share/applications/" + id + ".desktop",
                         "share/doc/keystrider/changelog.gz",
                         "share/doc/keystrider/copyright",
                         "share/icons/hicolor/scalable/apps/" + id + ".svg",
                         "share/man/man6/keystrider.6.gz",
                         "share/metainfo/" + id + ".metainfo.xml"};
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        expected.append(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id));
    for (const QString& name : words)
        expected.append("share/keystrider/" + name);
    expected.sort();
    QCOMPARE(filesunder(prefix), expected);

    QVERIFY(QFileInfo(prefix + "/games/keystrider").isExecutable());
    QVERIFY(contents(prefix + "/share/applications/" + id + ".desktop")
                .contains("Icon=" + id.toUtf8()));
    // A new version needs its own entry in the release history.
    QVERIFY(contents(prefix + "/share/metainfo/" + id + ".metainfo.xml")
                .contains("<release version=\"" KEYSTRIDER_VERSION "\""));
}

void InstallTest::answersontheterminal_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitcode");
    QTest::addColumn<QString>("answer");
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << "keystrider " KEYSTRIDER_VERSION "\n";
    QTest::newRow("short version")
        << QStringList{"-v"} << 0 << "keystrider " KEYSTRIDER_VERSION "\n";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: ";
    QTest::newRow("unknown option") << QStringList{"--fast"} << 1 << "Unknown option 'fast'.";
    QTest::newRow("a file name") << QStringList{"career.kvr"} << 1 << "takes no arguments";
}

void InstallTest::answersontheterminal() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitcode);
    QFETCH(QString, answer);
    QProcess game;
    game.setProcessEnvironment(environment(scratch.path() + "/terminal"));
    game.start(prefix + "/games/keystrider", arguments);
    QVERIFY(game.waitForFinished(30000));
    QCOMPARE(game.exitCode(), exitcode);
    const QString said =
        QString::fromLocal8Bit(game.readAllStandardOutput() + game.readAllStandardError());
    QVERIFY2(said.contains(answer), qPrintable(said));
    // Answering the terminal is not a start of the game: no folder is made for the player.
    QVERIFY(!QFile::exists(scratch.path() + "/terminal"));
}

QProcessEnvironment InstallTest::environment(const QString& datahome) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", datahome);
    env.insert("HOME", scratch.path() + "/home");
    return env;
}

bool InstallTest::startgame(const QString& executable, const QString& datahome) {
    QProcess game;
    QProcessEnvironment env = environment(datahome);
    // Qt reports each widget it is about to paint; the start menu's report marks the moment.
    env.insert("QT_LOGGING_RULES", "qt.widgets.painting=true");
    game.setProcessEnvironment(env);
    QByteArray said;
    connect(&game, &QProcess::readyReadStandardError, this,
            [&] { said += game.readAllStandardError(); });
    game.start(executable, QStringList());
    const bool started = QTest::qWaitFor([&] { return said.contains("name=\"asd\""); }, 60000);
    game.kill();
    game.waitForFinished();
    if (!started)
        qWarning("%s", said.constData());
    return started;
}

void InstallTest::installedcopyusestheplayersfolder() {
    const QString datahome = scratch.path() + "/data";
    QVERIFY(startgame(prefix + "/games/keystrider", datahome));
    QCOMPARE(filesunder(datahome + "/keystrider"), words);
    for (const QString& name : words)
        QCOMPARE(contents(datahome + "/keystrider/" + name),
                 contents(prefix + "/share/keystrider/" + name));
}

void InstallTest::portablecopyusesitsownfolder() {
    const QString portable = scratch.path() + "/portable";
    QVERIFY(QDir().mkpath(portable));
    QVERIFY(QFile::copy(prefix + "/games/keystrider", portable + "/keystrider"));
    for (const QString& name : words)
        QVERIFY(QFile::copy(prefix + "/share/keystrider/" + name, portable + "/" + name));
    const QString datahome = scratch.path() + "/unused";
    QVERIFY(startgame(portable + "/keystrider", datahome));
    QVERIFY(!QFile::exists(datahome));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "install_test.moc"
