// The game's start against a bare Qt window (bench/barewindow.cpp: a label and a line edit), on
// one X server, each ending right after its first window is painted
// (KEYSTRIDER_EXIT_AT_FIRST_WINDOW, common/firstwindow.h): the instructions from exec to that
// moment as valgrind's callgrind counts them, the same on every run however busy the machine,
// then the resident memory there and the time by the clock, the two taking turns.
//
// The X server is the one DISPLAY names, or else an Xvfb of its own. The game runs as a player's
// portable copy, in a temporary folder with its word files and modules. The bench fails only when
// it cannot measure: no valgrind, no X server, or a program that never showed its window.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct Start {
    double instructions = 0; // callgrind's count of the run
    double residentkib = 0;  // at the first window
    double milliseconds = 0; // from exec to the process's end
};

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// Runs `program` until it ends at its first window; what it said on the standard error, or
// nothing when it did not get there.
std::optional<QByteArray> run(const QString& program, const QStringList& arguments,
                              const QProcessEnvironment& env, double* milliseconds = nullptr,
                              qint64* pid = nullptr) {
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return std::nullopt;
    if (pid)
        *pid = process.processId();
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (milliseconds)
        *milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const QByteArray said = process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !said.contains("first window: resident")) {
        std::fprintf(stderr, "%s did not reach its first window:\n%s\n", qPrintable(program),
                     said.constData());
        return std::nullopt;
    }
    return said;
}

double resident(const QByteArray& said) {
    static const QRegularExpression kb(QStringLiteral("first window: resident (\\d+) kB"));
    return kb.match(QString::fromLatin1(said)).captured(1).toDouble();
}

// Callgrind's count for the program's own process (a helper it starts, such as D-Bus's
// autolaunch, is counted apart and left out).
std::optional<double> instructions(const QString& program, const QProcessEnvironment& env) {
    qint64 pid = 0;
    const std::optional<QByteArray> said =
        run(QStringLiteral("valgrind"),
            {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=/dev/null"),
             program},
            env, nullptr, &pid);
    if (!said)
        return std::nullopt;
    const QRegularExpression collected(QStringLiteral("==%1== Collected : (\\d+)").arg(pid));
    const QRegularExpressionMatch found = collected.match(QString::fromLatin1(*said));
    if (!found.hasMatch())
        return std::nullopt;
    return found.captured(1).toDouble();
}

// An X server for the runs: DISPLAY's, or an Xvfb started here and ended with the bench.
class XServer {
public:
    bool start() {
        if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
            display = qEnvironmentVariable("DISPLAY");
            std::printf("X server: %s\n", qPrintable(display));
            return true;
        }
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return false;
        // Xvfb picks a free display and writes its number once it takes connections.
        xvfbprocess = std::make_unique<QProcess>();
        xvfbprocess->start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                  QStringLiteral("-screen"), QStringLiteral("0"),
                                  QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                  QStringLiteral("tcp")});
        QByteArray number;
        QElapsedTimer clock;
        clock.start();
        while (!number.contains('\n') && clock.elapsed() < 20000 &&
               xvfbprocess->state() != QProcess::NotRunning) {
            xvfbprocess->waitForReadyRead(100);
            number += xvfbprocess->readAllStandardOutput();
        }
        if (!number.contains('\n'))
            return false;
        display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
        std::printf("X server: Xvfb on %s\n", qPrintable(display));
        return true;
    }
    ~XServer() {
        if (xvfbprocess) {
            xvfbprocess->terminate();
            xvfbprocess->waitForFinished(5000);
        }
    }

    QString display;

private:
    std::unique_ptr<QProcess> xvfbprocess;
};

// The game as a player's portable copy: the executable, its word files and its modules.
bool copygame(const QString& build, const QString& to) {
    const QStringList names = QDir(build).entryList(
        {QStringLiteral("*.txt"), QStringLiteral("*.so"), QStringLiteral("keystrider")},
        QDir::Files);
    if (!names.contains(QStringLiteral("keystrider")))
        return false;
    for (const QString& name : names)
        if (!QFile::copy(build + QLatin1Char('/') + name, to + QLatin1Char('/') + name))
            return false;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int clockruns = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    if (QStandardPaths::findExecutable(QStringLiteral("valgrind")).isEmpty()) {
        std::fprintf(stderr, "cannot measure: valgrind is not installed (./build.sh startup "
                             "installs it)\n");
        return 1;
    }
    XServer server;
    if (!server.start()) {
        std::fprintf(stderr, "cannot measure: no X server (set DISPLAY, or install xvfb)\n");
        return 1;
    }
    const QString build = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    QTemporaryDir scratch;
    const QString portable = scratch.filePath(QStringLiteral("game"));
    if (!QDir().mkpath(portable) || !copygame(build, portable)) {
        std::fprintf(stderr, "cannot measure: the game is not built beside the bench\n");
        return 1;
    }
    const QString game = portable + QStringLiteral("/keystrider");
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/barewindow");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), server.display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("KEYSTRIDER_EXIT_AT_FIRST_WINDOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), scratch.filePath(QStringLiteral("data")));
    // Without a session bus D-Bus would start a helper to look for one, at every start.
    if (!env.contains(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")))
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + scratch.filePath(QStringLiteral("nobus")));

    const std::optional<double> barecount = instructions(bare, env);
    const std::optional<double> gamecount = instructions(game, env);
    if (!barecount || !gamecount) {
        std::fprintf(stderr, "cannot measure: callgrind gave no count\n");
        return 1;
    }
    std::printf("from exec to the first window painted, counted by callgrind: bare Qt window "
                "%.1f M instructions, game %.1f M: %.2f times (goal 1.2)\n",
                *barecount / 1e6, *gamecount / 1e6, *gamecount / *barecount);

    QList<double> baretimes, gametimes, bareresident, gameresident;
    for (int r = 0; r < clockruns; ++r) {
        double took = 0;
        const std::optional<QByteArray> baresaid = run(bare, {}, env, &took);
        if (!baresaid)
            return 1;
        baretimes.append(took);
        bareresident.append(resident(*baresaid));
        const std::optional<QByteArray> gamesaid = run(game, {}, env, &took);
        if (!gamesaid)
            return 1;
        gametimes.append(took);
        gameresident.append(resident(*gamesaid));
    }
    const double bareres = median(bareresident) / 1024;
    const double gameres = median(gameresident) / 1024;
    std::printf("resident at the first window (median of %d): bare Qt window %.1f MiB, game "
                "%.1f MiB: %.2f MiB more (goal 3)\n",
                clockruns, bareres, gameres, gameres - bareres);
    std::printf("by the clock, from start to the first window painted (median of %d, taking "
                "turns): bare Qt window %.0f ms, game %.0f ms: %.2f times\n",
                clockruns, median(baretimes), median(gametimes),
                median(gametimes) / median(baretimes));
    return 0;
}
