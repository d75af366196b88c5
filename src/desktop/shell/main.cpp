#include "coach/pairweighting.h"
#include "common/desktopdialogs.h"
#include "common/firstwindow.h"
#include "common/program.h"
#include "common/programfolder.h"
#include "keyboard/x11keyboard.h"
#include "language/catalogues.h"
#include "language/languagechoice.h"
#include "language/languages.h"
#include "shell/mainwindow.h"
#include "sound/desktopsounds.h"
#include "sound/sounddevice.h"
#include "statsmodule/statsopener.h"
#include "typing/levels.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {
const QString desktopid = QStringLiteral("org.keystrider.Keystrider");

// --help and --version answer before any window system is touched, so they work on a bare
// terminal; the strict pass, after the window system has taken its own options (-platform,
// -style, ...), refuses anything else.
void readcommandline(const QStringList& arguments, bool strict) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Keystrider %1, a typing game: build a typist's "
                                            "career through practice, races and duels.")
            .arg(QStringLiteral(KEYSTRIDER_VERSION)));
    parser.addHelpOption();
    parser.addVersionOption();
    if (!strict) {
        parser.parse(arguments);
        if (parser.isSet(QStringLiteral("help")))
            parser.showHelp();
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        return;
    }
    parser.process(arguments);
    if (!parser.positionalArguments().isEmpty()) {
        std::fputs(QCoreApplication::translate(
                       "main", "keystrider: the game takes no arguments; see keystrider --help")
                       .toLocal8Bit()
                       .append('\n')
                       .constData(),
                   stderr);
        std::exit(EXIT_FAILURE);
    }
}

QIcon gameicon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(desktopid));
    return icon;
}

// Where a module of the game lies: beside it in a build folder, or where it was installed.
QStringList modulepaths(const char* name) {
    const QString bin = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return {bin + QLatin1String(name),
            bin + QStringLiteral(KEYSTRIDER_SOUND_FROM_BIN "/") + QLatin1String(name)};
}

QStringList wordfiles() {
    QStringList names;
    for (const PracticeLevel& level : practicelevels())
        names.append(level.file);
    return names;
}

QString installeddata() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" KEYSTRIDER_DATA_FROM_BIN);
}

// The language the player chose (Others, Language) or the desktop's. The program folder is
// only looked into: it is made, if need be, once the windows start.
void loadlanguage(Catalogues& catalogues) {
    SettingsRead unused;
    const QString chosen = keptlanguage(unused, chooseprogramfolder(runningsetting(wordfiles())));
    const QString language = windowlanguage(chosen, QLocale::system().uiLanguages());
    setcataloguefolders({QCoreApplication::applicationDirPath(), installeddata()});
    catalogues.load(language, cataloguefolders());
}

int rungame(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("keystrider"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEYSTRIDER_VERSION));
    // Before --help, which speaks the player's language too.
    Catalogues catalogues;
    {
        QCoreApplication terminal(argc, argv);
        loadlanguage(catalogues);
        catalogues.install();
        readcommandline(terminal.arguments(), false);
    }
    QApplication app(argc, argv);
    catalogues.install();
    exitatfirstwindowifasked();
    readcommandline(QApplication::arguments(), true);
    QGuiApplication::setDesktopFileName(desktopid);
    // Decoding the icon's pictures waits until the first window (the pop-up at start, which
    // shows no icon) is on screen.
    afterfirstwindow(&app, [] { QApplication::setWindowIcon(gameicon()); });

    // The rules reach the desktop through these: its boxes, its way of ending, its events.
    DesktopDialogs boxes;
    setdialogs(&boxes);
    setendprogram([] {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        QCoreApplication::exit(0);
    });
    setdoevents([] { QCoreApplication::processEvents(); });
    // The statistics weigh letter pairs by the words the coach drills.
    setpairweigher(coachpairweights);
    X11Keyboard keyboard;
    SystemKeyboard::install(&keyboard);
    DesktopSounds sounds(modulepaths(soundmodulename));
    setsounds(&sounds);
    setstatsmodules(modulepaths(statsmodulename));

    const QString problem = settleprogramfolder(wordfiles(), installeddata());
    if (!problem.isEmpty()) {
        msgbox(problem, MsgIcon::Error, QStringLiteral("Keystrider"));
        return EXIT_FAILURE;
    }
    // The main window stays hidden until a game is started or loaded, so the last window
    // closing must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt reads the menu bar's one built-in picture only after loading every image plugin
    // installed, to ask each whether it reads PNG: while the main window is built and the first
    // window shown, no plugin is looked for. The desktop's style, a plugin too, is taken first.
    QApplication::style();
    const QStringList pluginfolders = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    afterfirstwindow(&app, [pluginfolders] { QCoreApplication::setLibraryPaths(pluginfolders); });
    const std::unique_ptr<QWidget> game = startmainwindow();
    // Loaded half a second after the first window is up, so the start never waits on the
    // desktop's sound.
    afterfirstwindow(&sounds,
                     [&sounds] { QTimer::singleShot(500, &sounds, &DesktopSounds::start); });
    const int exitcode = QApplication::exec();
    setsounds(nullptr);
    return exitcode;
}

} // namespace

int main(int argc, char* argv[]) {
    return endprocess(rungame(argc, argv));
}
