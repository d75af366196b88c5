// The game's sound at work: the start of the game with and without the sound module beside it,
// against a bare Qt window; a keystroke in the practice box with clicks and ticks on, through
// the sound module, against a bare QLineEdit; and, where the machine has a sound output, how
// long a sound takes from a keystroke to the sound server.
#include "benchsetup.h"
#include "sound/desktopsounds.h"
#include "sound/sounddevice.h"
#include "sound/soundsettings.h"
#include "typing/frmp.h"

#include <QAudioDevice>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMediaDevices>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>

namespace {

double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// From the process's start to Qt reporting the paint of the widget named `painted`, as the
// install test sees the game's start.
double starttime(const QString& program, const QStringList& arguments, const QByteArray& painted) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "qt.widgets.painting=true");
    env.insert("XDG_DATA_HOME", QDir::tempPath() + "/keystrider-sound-bench");
    process.setProcessEnvironment(env);
    QByteArray said;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    while (!said.contains("name=\"" + painted + "\"") && clock.elapsed() < 20000 &&
           process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(5);
        said += process.readAllStandardError();
    }
    const qint64 took = clock.nsecsElapsed();
    process.kill();
    process.waitForFinished();
    return milliseconds(took);
}

void typekey(QWidget* box, QChar c) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(box, &press);
}

void measurestart(const QString& self) {
    // The game as a portable copy, once with the sound module beside it and once without.
    QTemporaryDir copy;
    const QString build = QCoreApplication::applicationDirPath() + "/..";
    for (const QString& name : QDir(build).entryList({"*.txt", "keystrider"}, QDir::Files))
        QFile::copy(build + "/" + name, copy.filePath(name));
    const QString module = build + "/" + QLatin1String(soundmodulename);
    QList<double> bare, with, without;
    const int runs = repeats(15, 1);
    for (int run = 0; run < runs; ++run) {
        bare.append(starttime(self, {"--bare-window"}, "bare"));
        QFile::copy(module, copy.filePath(soundmodulename));
        with.append(starttime(copy.filePath("keystrider"), {}, "asd"));
        QFile::remove(copy.filePath(soundmodulename));
        without.append(starttime(copy.filePath("keystrider"), {}, "asd"));
    }
    std::printf("start to the first window painted (median of %d): bare Qt window %.1f ms, game "
                "%.1f ms with the sound module (%.2f times), %.1f ms without it\n",
                runs, median(bare), median(with), median(with) / median(bare), median(without));
}

void measurekeystroke(const BenchSetup& setup) {
    SoundSettings settings;
    settings.wrongkey = settings.clicks = true;
    setsoundsettings(settings);
    DesktopSounds sounds(
        {QCoreApplication::applicationDirPath() + "/../" + QLatin1String(soundmodulename)});
    setsounds(&sounds);
    sounds.start();
    QThread::msleep(500); // the module loaded, as it is once the game has started

    writesynced(setup.filepath("easy.txt"), "\"abcdefghij\"\r\n");
    frmp window(nullptr);
    window.show();
    window.startrestart->click();
    QLineEdit bare;
    bare.setFont(window.typingbox->font());
    bare.resize(window.typingbox->size());
    bare.show();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    // Rounds taking turns, so all three see the same machine; the median round of each counts.
    // Keys come 50 ms apart, as at 120 words a minute: the sound thread and the sound server
    // then do what typing asks of them, not a thousand sounds a second.
    const int rounds = repeats(9, 1);
    constexpr int keysperround = 30;
    const auto pause = [] {
        QCoreApplication::processEvents();
        QThread::msleep(50);
        QCoreApplication::processEvents();
    };
    const auto perkey = [](qint64 nanoseconds) {
        return milliseconds(nanoseconds) * 1000 / keysperround;
    };
    // Every other key wrong, then taken back: a tick, a click, a click.
    auto typepractice = [&](bool heard) {
        setsounds(heard ? &sounds : nullptr);
        qint64 took = 0;
        for (int k = 0; k < keysperround; ++k) {
            QLineEdit* box = window.typingbox;
            if (box->text().size() >= 4)
                box->clear();
            const QChar key = k % 2 ? QChar(u'z') : window.target->text().at(box->text().size());
            pause();
            clock.restart();
            typekey(box, key);
            QCoreApplication::processEvents();
            took += clock.nsecsElapsed();
        }
        return perkey(took);
    };
    auto typebare = [&] {
        qint64 took = 0;
        for (int k = 0; k < keysperround; ++k) {
            if (bare.text().size() >= 4)
                bare.clear();
            pause();
            clock.restart();
            typekey(&bare, QLatin1Char('a' + k % 26));
            QCoreApplication::processEvents();
            took += clock.nsecsElapsed();
        }
        return perkey(took);
    };
    QList<double> heard, silent, barekeys;
    for (int round = 0; round < rounds; ++round) {
        heard.append(typepractice(true));
        silent.append(typepractice(false));
        barekeys.append(typebare());
    }
    std::printf("keystroke (median of %d rounds): practice with clicks and ticks on %.1f us, "
                "silent %.1f us, bare QLineEdit %.1f us; ratio heard to bare %.2f (goal 1.1), "
                "silent to bare %.2f\n",
                rounds, median(heard), median(silent), median(barekeys),
                median(heard) / median(barekeys), median(silent) / median(barekeys));

    // What a play itself costs the window's thread: posting the sound to the sound thread.
    QList<double> plays;
    const int posts = repeats(200, 10);
    for (int p = 0; p < posts; ++p) {
        clock.restart();
        sounds.play(Sound::KeyClick, 0.5);
        plays.append(milliseconds(clock.nsecsElapsed()) * 1000);
        // Apart, as keys are, so each play wakes the sound thread as a key's does.
        QThread::msleep(2);
    }
    std::printf("one sound posted from the window's thread (median of %d): %.2f us\n", posts,
                median(plays));
    setsounds(nullptr);
}

// The sound module as the game's sound thread holds it: the time from a keystroke's post to the
// sound written into the sound server's stream, and where the server is PulseAudio (pactl at
// hand), how much sound the server keeps queued ahead of it and its output's own delay.
void measurelatency(const QString& module) {
    QThread thread;
    thread.start();
    auto* context = new QObject;
    context->moveToThread(&thread);
    QLibrary library(module);
    std::unique_ptr<SoundDevice> device;
    bool output = false;
    QMetaObject::invokeMethod(
        context,
        [&] {
            output = !QMediaDevices::audioOutputs().isEmpty();
            if (auto opener =
                    reinterpret_cast<OpenSoundDevice>(library.resolve(opensounddevicename))) {
                QList<Recording> recordings;
                for (int r = 0; r < recordingcount; ++r)
                    recordings.append(
                        {QStringLiteral("qrc:/sounds/%1.wav").arg(recordingname(r)), voicesof(r)});
                device.reset(opener(recordings));
            }
        },
        Qt::BlockingQueuedConnection);
    if (!output || !device) {
        std::printf("latency: no sound output on this machine, not measured\n");
    } else {
        QList<double> tothestream;
        const int clicks = repeats(20, 2);
        for (int i = 0; i < clicks; ++i) {
            QElapsedTimer clock;
            clock.start();
            std::atomic<qint64> written{-1};
            QMetaObject::invokeMethod(context, [&] {
                device->play(recordingof(Sound::KeyClick), 0.5f);
                written = clock.nsecsElapsed();
            });
            while (written < 0)
                QThread::usleep(100);
            tothestream.append(milliseconds(written));
            QThread::msleep(100);
        }
        std::printf("latency from a keystroke to the click in the sound server's stream (median "
                    "of %d): %.2f ms, to which the game's queue adds at most 2 ms\n",
                    clicks, median(tothestream));
        QMetaObject::invokeMethod(context,
                                  [&] { device->play(recordingof(Sound::RaceWon), 0.5f); });
        QThread::msleep(300);
        QProcess pactl;
        pactl.start("pactl", {"list", "sink-inputs"});
        if (pactl.waitForFinished(5000) && pactl.exitCode() == 0)
            for (const QByteArray& line : pactl.readAll().split('\n'))
                if (line.contains("Latency"))
                    std::printf("while a sound plays, the server says: %s\n",
                                line.trimmed().constData());
    }
    QMetaObject::invokeMethod(
        context,
        [&] {
            device.reset();
            delete context;
        },
        Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--bare-window") {
        QApplication app(argc, argv);
        QWidget window;
        window.setObjectName("bare");
        window.show();
        return QApplication::exec();
    }
    BenchSetup setup(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    measurestart(QCoreApplication::applicationFilePath());
    measurekeystroke(setup);
    measurelatency(QCoreApplication::applicationDirPath() + "/../" +
                   QLatin1String(soundmodulename));
    return 0;
}
