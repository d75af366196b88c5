#include "sound/desktopsounds.h"

#include "sound/sounddevice.h"

#include <QLibrary>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// A sound that waited this long (the module still loading, the thread held up) would only
// come late, out of step with what it belongs to: it is dropped.
constexpr qint64 stalemilliseconds = 150;

QList<Recording> recordings() {
    QList<Recording> all;
    for (int r = 0; r < recordingcount; ++r)
        all.append({QStringLiteral("qrc:/sounds/%1.wav").arg(recordingname(r)), voicesof(r)});
    return all;
}

} // namespace

// Lives on the sound thread: the module, and the device it opened.
class SoundWorker : public QObject {
public:
    explicit SoundWorker(std::shared_ptr<std::atomic<bool>> silent) : silent(std::move(silent)) {}
    // The module stays loaded to the end: the device's code lives in it.
    ~SoundWorker() override { device.reset(); }

    void open(const QStringList& modules) {
        for (const QString& path : modules) {
            library.setFileName(path);
            if (!library.load())
                continue;
            if (auto opener =
                    reinterpret_cast<OpenSoundDevice>(library.resolve(opensounddevicename))) {
                device.reset(opener(recordings()));
                return;
            }
            library.unload();
        }
        *silent = true;
    }

    void play(int recording, float volume) {
        if (device)
            device->play(recording, volume);
    }

private:
    std::shared_ptr<std::atomic<bool>> silent;
    QLibrary library;
    std::unique_ptr<SoundDevice> device;
};

DesktopSounds::DesktopSounds(QStringList modules, QObject* parent)
    : QObject(parent), modules(std::move(modules)),
      silent(std::make_shared<std::atomic<bool>>(false)) {
    clock.start();
}

DesktopSounds::~DesktopSounds() {
    if (!thread)
        return;
    thread->quit();
    // A sound server that hangs must not hold up the game's end: its thread is then left to
    // the end of the process.
    if (thread->wait(QDeadlineTimer(1000)))
        delete thread;
}

void DesktopSounds::start() {
    if (thread)
        return;
    thread = new QThread;
    thread->setObjectName(QStringLiteral("sound"));
    worker = new SoundWorker(silent);
    worker->moveToThread(thread);
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
    QMetaObject::invokeMethod(worker,
                              [worker = worker, modules = modules] { worker->open(modules); });
}

void DesktopSounds::play(Sound sound, double volume) {
    if (*silent)
        return;
    start();
    const QElapsedTimer since = clock;
    const qint64 posted = clock.elapsed();
    QMetaObject::invokeMethod(worker, [worker = worker, since, posted, sound, volume] {
        if (since.elapsed() - posted <= stalemilliseconds)
            worker->play(recordingof(sound), static_cast<float>(volume));
    });
}
