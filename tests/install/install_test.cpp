// Installs the build into a temporary prefix, as `cmake --install` does for a player, and runs
// the installed game the way a menu entry would.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

#include <optional>

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

// An element of the metainfo: the names and attributes of the elements from <component> down
// to it, and its text with that of every element inside it, blanks simplified.
struct Element {
    QList<std::pair<QString, QXmlStreamAttributes>> chain;
    QString text;
};

QList<Element> elementsof(const QByteArray& xml) {
    QList<Element> found;
    QList<qsizetype> open;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            Element element;
            if (!open.isEmpty())
                element.chain = found[open.last()].chain;
            element.chain.append({reader.name().toString(), reader.attributes()});
            found.append(element);
            open.append(found.size() - 1);
        } else if (reader.isEndElement()) {
            open.removeLast();
        } else if (reader.isCharacters()) {
            for (qsizetype at : open)
                found[at].text += reader.text();
        }
    }
    for (Element& element : found)
        element.text = element.text.simplified();
    return found;
}

// A PNG file's width and height, or nothing when it is no PNG file.
std::optional<QSize> pngsize(const QString& path) {
    const QByteArray head = contents(path).left(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR")
        return std::nullopt;
    auto number = [&](int at) {
        return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(head.constData()) + at);
    };
    return QSize(int(number(16)), int(number(20)));
}

// Whether the element is the one a path below <component> names, as "url[type=homepage]" or
// "content_rating/content_attribute[id!=money-gambling]": names by step, "*" for any, each
// bracket an attribute's value it has or has not.
bool isat(const Element& element, const QString& path) {
    const QStringList steps = path.split(QLatin1Char('/'));
    if (element.chain.size() != steps.size() + 1 || element.chain[0].first != "component")
        return false;
    static const QRegularExpression step(QStringLiteral(R"(^([\w*]+)((?:\[\w+!?=[^\]]*\])*)$)"));
    static const QRegularExpression filter(QStringLiteral(R"(\[(\w+)(!?)=([^\]]*)\])"));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const auto& [name, attributes] = element.chain[i + 1];
        const QRegularExpressionMatch parts = step.match(steps[i]);
        if (!parts.hasMatch())
            qFatal("not a path: %s", qPrintable(path));
        if (parts.captured(1) != "*" && parts.captured(1) != name)
            return false;
        for (const QRegularExpressionMatch& f : filter.globalMatch(parts.captured(2)))
            if ((attributes.value(f.captured(1)) == f.captured(3)) != f.captured(2).isEmpty())
                return false;
    }
    return true;
}

// The language of a translated element, or of the one it lies in: empty in the English page.
QString languageof(const Element& element) {
    for (const auto& [name, attributes] : element.chain)
        if (attributes.hasAttribute(QLatin1String("xml:lang")))
            return attributes.value(QLatin1String("xml:lang")).toString();
    return QString();
}

// Whether a checker's report line is one to let stand: the note that the id has capitals, which
// reverse-DNS names keep, and from a checker older than AppStream 1.0, its not knowing
// <developer>, the element that took the place of <developer_name> there.
bool lettingstand(const QString& line, bool olderchecker) {
    return line.contains(QLatin1String("cid-contains-uppercase-letter")) ||
           (olderchecker && line.contains(QLatin1String("unknown-tag developer")));
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
    void storepage_data();
    void storepage();
    void translatedpage_data();
    void translatedpage();
    void picturesofthegame();
    void checkersfindnothing_data();
    void checkersfindnothing();

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
    for (const char* language : {"de", "en", "es", "fr", "it", "pt"})
        expected.append(QStringLiteral("share/keystrider/keystrider_%1.qm").arg(language));
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
    QTest::addColumn<QString>("language"); // the desktop's; English when empty
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << "keystrider " KEYSTRIDER_VERSION "\n"
                             << QString();
    QTest::newRow("short version")
        << QStringList{"-v"} << 0 << "keystrider " KEYSTRIDER_VERSION "\n"
        << QString();
    QTest::newRow("help") << QStringList{"--help"} << 0
                          << "Keystrider " KEYSTRIDER_VERSION ", a typing game" << QString();
    QTest::newRow("unknown option")
        << QStringList{"--fast"} << 1 << "Unknown option 'fast'." << QString();
    QTest::newRow("a file name") << QStringList{"career.kvr"} << 1 << "takes no arguments"
                                 << QString();
    // The installed catalogues found: Qt's own options in German.
    QTest::newRow("help in German") << QStringList{"--help"} << 0 << "Zeigt Versionsinformation an."
                                    << "de";
}

void InstallTest::answersontheterminal() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitcode);
    QFETCH(QString, answer);
    QFETCH(QString, language);
    QProcess game;
    QProcessEnvironment env = environment(scratch.path() + "/terminal");
    env.insert("LANGUAGE", language);
    if (!language.isEmpty())
        env.insert("LANG", language + ".UTF-8");
    game.setProcessEnvironment(env);
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

void InstallTest::storepage_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("pattern"); // an element's whole text
    QTest::addColumn<int>("least");       // elements whose text matches
    QTest::addColumn<int>("most");
    QTest::addColumn<bool>("every"); // every element at the path matches, or some among them
    const QString release = QStringLiteral("releases/release[version=" KEYSTRIDER_VERSION "]");
    // clang-format off
    QTest::newRow("summary, short, no full stop")   << "summary" << R"(.{10,35}(?<![.]))" << 1 << 1 << true;
    QTest::newRow("developer")                      << "developer[id=org.keystrider]/name" << ".+" << 1 << 1 << true;
    QTest::newRow("brand colour, light")            << "branding/color[type=primary][scheme_preference=light]" << "#[0-9a-f]{6}" << 1 << 1 << true;
    QTest::newRow("brand colour, dark")             << "branding/color[type=primary][scheme_preference=dark]" << "#[0-9a-f]{6}" << 1 << 1 << true;
    QTest::newRow("homepage")                       << "url[type=homepage]" << R"(https://[^\s#]+/)" << 1 << 1 << true;
    QTest::newRow("bug tracker")                    << "url[type=bugtracker]" << R"(https://\S+)" << 1 << 1 << true;
    QTest::newRow("source")                         << "url[type=vcs-browser]" << R"(https://\S+)" << 1 << 1 << true;
    QTest::newRow("help, the play section")         << "url[type=help]" << R"(https://\S+#how-to-play)" << 1 << 1 << true;
    QTest::newRow("menu entry")                     << "launchable[type=desktop-id]" << id + ".desktop" << 1 << 1 << true;
    QTest::newRow("command")                        << "provides/binary" << "keystrider" << 1 << 1 << true;
    QTest::newRow("a display of 768 pixels")        << "requires/display_length[compare=ge]" << "768" << 1 << 1 << true;
    QTest::newRow("played by keyboard")             << "recommends/control" << "keyboard" << 1 << 1 << true;
    QTest::newRow("pointer too, and no touch")      << "*/control" << "keyboard|pointing" << 2 << 2 << true;
    QTest::newRow("every rating attribute")         << "content_rating[type=oars-1.1]/content_attribute" << "none|moderate" << 28 << 28 << true;
    QTest::newRow("gambling with play money")       << "content_rating/content_attribute[id=money-gambling]" << "moderate" << 1 << 1 << true;
    QTest::newRow("nothing else")                   << "content_rating/content_attribute[id!=money-gambling]" << "none" << 27 << 27 << true;
    QTest::newRow("the whole game told")            << "description" << "(?=.*five countries)(?=.*battle disk)(?=.*time machine)(?=.*tic-tac-toe)(?=.*coach)(?=.*keyboard layout)(?=.*letter pairs)(?=.*texts of your own)(?=.*statistics)(?=.*calendar)(?=.*goal)(?=.*streak)(?=.*ghost)(?=.*[Ss]ounds)(?=.*keyboard alone)(?=.*screen reader).*" << 1 << 1 << true;
    QTest::newRow("main window first")              << "screenshots/screenshot[type=default]/image" << R"(https://\S+/Form1\.png)" << 1 << 1 << true;
    QTest::newRow("screenshots, light theme")       << "screenshots/screenshot/image" << R"(https://\S+/(?!dark/)[\w-]+\.png)" << 5 << 10 << true;
    QTest::newRow("captions, a sentence, no stop")  << "screenshots/screenshot/caption" << R"([A-Z][^.!?]{10,80})" << 5 << 10 << true;
    QTest::newRow("coach, ghost, calendar, disk")   << "screenshots/screenshot/image" << ".*/(frmcoach[\\w-]*|frmcars-ghost|frmstats-calendar|frmdisk[\\w-]*)\\.png" << 4 << 4 << false;
    QTest::newRow("this version's release")         << release << ".+" << 1 << 1 << true;
    QTest::newRow("what is new in it")             << release + "/description/ul/li" << ".{10,}" << 3 << 12 << true;
    // clang-format on
}

// The software centres' page as installed, against the stores' rules.
void InstallTest::storepage() {
    QFETCH(QString, path);
    QFETCH(QString, pattern);
    QFETCH(int, least);
    QFETCH(int, most);
    QFETCH(bool, every);
    const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern),
                                   QRegularExpression::DotMatchesEverythingOption);
    QVERIFY(whole.isValid());
    int matched = 0;
    for (const Element& element :
         elementsof(contents(prefix + "/share/metainfo/" + id + ".metainfo.xml"))) {
        if (!isat(element, path) || !languageof(element).isEmpty())
            continue;
        const bool matches = whole.match(element.text).hasMatch();
        QVERIFY2(matches || !every, qPrintable(element.text));
        matched += matches ? 1 : 0;
    }
    QVERIFY2(matched >= least && matched <= most, qPrintable(QString::number(matched)));
}

void InstallTest::translatedpage_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es", "it", "pt"})
        QTest::newRow(language) << language;
}

// The page and the menu entry in each language: as much of the page as in English, the summary
// as short, and the menu entry's texts; the release notes stay English, as the changelog is.
void InstallTest::translatedpage() {
    QFETCH(QString, language);
    QMap<QString, int> english, translated;
    for (const Element& element :
         elementsof(contents(prefix + "/share/metainfo/" + id + ".metainfo.xml"))) {
        QStringList path;
        for (const auto& step : element.chain)
            path.append(step.first);
        const QString at = path.join(QLatin1Char('/'));
        const QString of = languageof(element);
        if (of.isEmpty())
            ++english[at];
        else if (of == language)
            ++translated[at];
        if (of == language && at == QLatin1String("component/summary"))
            QVERIFY2(element.text.size() <= 35, qPrintable(element.text));
    }
    for (const char* at :
         {"component/summary", "component/description/p", "component/description/ul/li",
          "component/screenshots/screenshot/caption", "component/keywords/keyword"})
        QCOMPARE(translated.value(at), english.value(at));
    QCOMPARE(translated.value("component/name"), 0);
    QCOMPARE(translated.value("component/releases/release/description/p"), 0);
    const QByteArray entry = contents(prefix + "/share/applications/" + id + ".desktop");
    for (const char* key : {"GenericName", "Comment", "Keywords"})
        QVERIFY2(entry.contains(QStringLiteral("\n%1[%2]=").arg(key, language).toUtf8()), key);
    QVERIFY(!entry.contains("\nName[" + language.toUtf8() + "]="));
}

// The stores show pictures of at most 1000 by 700 pixels; each is the one docs/screenshots/
// holds, as the web folder serves it. The brand colours are the icon's, the dark theme's darker.
void InstallTest::picturesofthegame() {
    const QList<Element> page =
        elementsof(contents(prefix + "/share/metainfo/" + id + ".metainfo.xml"));
    int checked = 0;
    for (const Element& element : page) {
        if (!isat(element, "screenshots/screenshot/image"))
            continue;
        const QString file = SOURCE_FOLDER "/docs/screenshots/" + element.text.section('/', -1);
        const std::optional<QSize> size = pngsize(file);
        QVERIFY2(size, qPrintable(file));
        QVERIFY2(size->width() <= 1000 && size->height() <= 700, qPrintable(file));
        ++checked;
    }
    QVERIFY(checked >= 5);
    const QByteArray icon =
        contents(prefix + "/share/icons/hicolor/scalable/apps/" + id + ".svg").toLower();
    QMap<QString, int> lightness;
    for (const Element& element : page)
        if (isat(element, "branding/color")) {
            QVERIFY2(icon.contains(element.text.toLower().toLatin1()), qPrintable(element.text));
            const QString scheme =
                element.chain.last().second.value("scheme_preference").toString();
            lightness[scheme] = element.text.mid(1, 2).toInt(nullptr, 16) +
                                element.text.mid(3, 2).toInt(nullptr, 16) +
                                element.text.mid(5, 2).toInt(nullptr, 16);
        }
    QVERIFY(lightness.value("light") > lightness.value("dark"));
    // The help is the README's section of that name.
    QVERIFY(contents(SOURCE_FOLDER "/README.md").contains("\n## How to play\n"));
}

void InstallTest::checkersfindnothing_data() {
    QTest::addColumn<QString>("checker");
    QTest::addColumn<QStringList>("arguments");
    const QString share = prefix + "/share/";
    const QStringList appstream{"--pedantic", "--no-net"};
    QTest::newRow("metainfo") << "appstreamcli"
                              << QStringList{"validate"} + appstream +
                                     QStringList{share + "metainfo/" + id + ".metainfo.xml"};
    // The metainfo with the menu entry and the icons it names.
    QTest::newRow("installed tree")
        << "appstreamcli" << QStringList{"validate-tree"} + appstream + QStringList{prefix};
    QTest::newRow("menu entry") << "desktop-file-validate"
                                << QStringList{share + "applications/" + id + ".desktop"};
}

// The freedesktop checkers, pedantic, have nothing to say of what is installed.
void InstallTest::checkersfindnothing() {
    QFETCH(QString, checker);
    QFETCH(QStringList, arguments);
    const QString program = QStandardPaths::findExecutable(checker);
    if (program.isEmpty())
        QSKIP("the checker is not installed (./build.sh installs it)");
    bool older = false;
    if (checker == "appstreamcli") {
        QProcess version;
        version.start(program, {"--version"});
        QVERIFY(version.waitForFinished(30000));
        older = QString::fromUtf8(version.readAll()).contains(QLatin1String("version: 0."));
    }
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(program, arguments);
    QVERIFY(check.waitForFinished(60000));
    const QString said = QString::fromUtf8(check.readAll());
    QCOMPARE(check.exitCode(), 0);
    // appstreamcli reports an issue as "E: ", "W: ", "I: " or "P: " and the issue, under the
    // file's name and over a sum; desktop-file-validate says nothing when it finds nothing.
    static const QRegularExpression issue(QStringLiteral("^\\s*[EWIP]: "));
    for (const QString& line : said.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (checker != "appstreamcli" || issue.match(line).hasMatch())
            QVERIFY2(lettingstand(line, older), qPrintable(said));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "install_test.moc"
