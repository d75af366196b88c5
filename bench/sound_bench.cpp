// The game's sound at work: the start of the game with and without the sound module beside it,
// against a bare Qt window; a keystroke in the practice box with clicks and ticks on, through
// the sound module, against a bare QLineEdit; and, where the machine has a sound output, how
// long a sound posted from a keystroke takes to start playing on the sound thread.
#include "benchsetup.h"
#include "sound/desktopsounds.h"
#include "sound/sounddevice.h"
#include "sound/soundsettings.h"
#include "typing/frmp.h"

#include <QAudioDevice>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QProcess>
#include <QPushButton>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cstdio>

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
    for (int run = 0; run < 15; ++run) {
        bare.append(starttime(self, {"--bare-window"}, "bare"));
        QFile::copy(module, copy.filePath(soundmodulename));
        with.append(starttime(copy.filePath("keystrider"), {}, "asd"));
        QFile::remove(copy.filePath(soundmodulename));
        without.append(starttime(copy.filePath("keystrider"), {}, "asd"));
    }
    std::printf("start to the first window painted (median of 15): bare Qt window %.1f ms, game "
                "%.1f ms with the sound module (%.2f times), %.1f ms without it\n",
                median(bare), median(with), median(with) / median(bare), median(without));
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
    constexpr int rounds = 15;
    constexpr int keysperround = 1000;
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
    for (int p = 0; p < 200; ++p) {
        clock.restart();
        sounds.play(Sound::KeyClick, 0.5);
        plays.append(milliseconds(clock.nsecsElapsed()) * 1000);
        // Apart, as keys are, so each play wakes the sound thread as a key's does.
        QThread::msleep(2);
    }
    std::printf("one sound posted from the window's thread (median of 200): %.2f us\n",
                median(plays));
    setsounds(nullptr);
}

// The module's way: a sound effect made on a thread of its own, a play posted to it.
void measurelatency() {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        std::printf("latency: no sound output on this machine, not measured\n");
        return;
    }
    QThread thread;
    thread.start();
    QSoundEffect* effect = nullptr;
    QMetaObject::invokeMethod(
        &thread,
        [&] {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(SOUNDS_FOLDER "/click.wav"));
        },
        Qt::BlockingQueuedConnection);
    QThread::msleep(500); // loaded
    QList<double> latencies;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        std::atomic<qint64> playing{-1};
        QMetaObject::invokeMethod(effect, [&] {
            QObject::connect(effect, &QSoundEffect::playingChanged, effect, [&] {
                if (effect->isPlaying() && playing < 0)
                    playing = clock.nsecsElapsed();
            });
            effect->play();
        });
        while (playing < 0 && clock.elapsed() < 1000)
            QThread::msleep(1);
        latencies.append(milliseconds(playing));
        QMetaObject::invokeMethod(
            effect, [&] { QObject::disconnect(effect, nullptr, effect, nullptr); },
            Qt::BlockingQueuedConnection);
        QThread::msleep(50);
    }
    std::printf("latency from the keystroke to the sound playing (median of 20): %.1f ms\n",
                median(latencies));
    QMetaObject::invokeMethod(
        effect, [&] { delete effect; }, Qt::BlockingQueuedConnection);
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
    measurestart(QCoreApplication::applicationFilePath());
    measurekeystroke(setup);
    measurelatency();
    return 0;
}
