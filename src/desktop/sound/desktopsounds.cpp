#include "sound/desktopsounds.h"

#include "sound/sounddevice.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

// A sound that waited this long (the module still loading, the thread held up) would only
// come late, out of step with what it belongs to: it is dropped.
constexpr qint64 stalemilliseconds = 150;
// How often the sound thread looks at the queue while sounds come, and how long it keeps
// looking after the last one.
constexpr int lookmilliseconds = 2;
constexpr qint64 awakemilliseconds = 500;
// How long the end waits for the sound thread to finish what it does: a device that answers
// does so at once.
constexpr int endmilliseconds = 200;
// A sound thread was left running, held by its device.
std::atomic<bool> threadleft = false;

QList<Recording> recordings() {
    QList<Recording> all;
    for (int r = 0; r < recordingcount; ++r)
        all.append({QStringLiteral("qrc:/sounds/%1.wav").arg(recordingname(r)), voicesof(r)});
    return all;
}

// What the sound thread says is about the desktop's sound, missing or failing (no server, no
// device): the game plays on silent, and the player's terminal hears nothing of it either.
std::atomic<QThread*> quietthread = nullptr;
QtMessageHandler louderhandler = nullptr;

void keepquiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (QThread::currentThread() == quietthread.load() && type != QtCriticalMsg &&
        type != QtFatalMsg)
        return;
    louderhandler(type, context, message);
}

} // namespace

struct SoundQueue {
    struct Request {
        int recording;
        float volume;
        qint64 queued;
    };
    std::mutex lock;
    QList<Request> requests;
    // The sound thread takes what is queued without being woken.
    bool looking = false;
    // Nothing can be heard (no module): a play costs nothing.
    std::atomic<bool> silent = false;
    QElapsedTimer clock;
};

// Lives on the sound thread: the module, the device it opened, and the look at the queue.
class SoundWorker : public QObject {
public:
    explicit SoundWorker(std::shared_ptr<SoundQueue> queue) : queue(std::move(queue)) {}
    // The module stays loaded to the end: the device's code lives in it.
    ~SoundWorker() override { device.reset(); }

    void open(const QStringList& modules) {
        look = new QTimer(this);
        look->setInterval(lookmilliseconds);
        connect(look, &QTimer::timeout, this, &SoundWorker::takequeued);
        for (const QString& path : modules) {
            if (!QFileInfo::exists(path))
                continue;
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
        queue->silent = true;
    }

    // Woken by the first sound after a quiet spell: plays it and looks on.
    void wake() {
        lastsound = queue->clock.elapsed();
        look->start();
        takequeued();
    }

private:
    void takequeued() {
        QList<SoundQueue::Request> taken;
        const qint64 now = queue->clock.elapsed();
        {
            const std::lock_guard<std::mutex> held(queue->lock);
            taken.swap(queue->requests);
            if (taken.isEmpty() && now - lastsound > awakemilliseconds) {
                queue->looking = false;
                look->stop();
            }
        }
        if (taken.isEmpty())
            return;
        lastsound = now;
        for (const SoundQueue::Request& request : std::as_const(taken))
            if (device && now - request.queued <= stalemilliseconds)
                device->play(request.recording, request.volume);
    }

    std::shared_ptr<SoundQueue> queue;
    QLibrary library;
    std::unique_ptr<SoundDevice> device;
    QTimer* look = nullptr;
    qint64 lastsound = 0;
};

DesktopSounds::DesktopSounds(QStringList modules, qint64 deadline, QObject* parent)
    : QObject(parent), modules(std::move(modules)), deadline(deadline),
      queue(std::make_shared<SoundQueue>()) {
    queue->clock.start();
}

DesktopSounds::~DesktopSounds() {
    if (!thread)
        return;
    thread->quit();
    // A device that does not answer must not hold up the game's end: its thread is then left to
    // the end of the process, and keeps quiet to it.
    if (!thread->wait(QDeadlineTimer(endmilliseconds))) {
        threadleft = true;
        return;
    }
    qInstallMessageHandler(louderhandler);
    quietthread = nullptr;
    delete thread;
}

void DesktopSounds::start() {
    if (thread)
        return;
    thread = new QThread;
    thread->setObjectName(QStringLiteral("sound"));
    quietthread = thread;
    louderhandler = qInstallMessageHandler(keepquiet);
    worker = new SoundWorker(queue);
    worker->moveToThread(thread);
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
    QMetaObject::invokeMethod(worker,
                              [worker = worker, modules = modules] { worker->open(modules); });
}

void DesktopSounds::play(Sound sound, double volume) {
    if (queue->silent)
        return;
    start();
    bool wake = false;
    {
        const std::lock_guard<std::mutex> held(queue->lock);
        const qint64 now = queue->clock.elapsed();
        // A sound the sound thread has not taken for so long: its device does not answer.
        if (!queue->requests.isEmpty() && now - queue->requests.constFirst().queued >= deadline)
            return;
        queue->requests.append({recordingof(sound), static_cast<float>(volume), now});
        wake = !queue->looking;
        queue->looking = true;
    }
    if (wake)
        QMetaObject::invokeMethod(worker, [worker = worker] { worker->wake(); });
}

int endprocess(int exitcode) {
    if (threadleft) {
        std::fflush(nullptr);
        std::_Exit(exitcode);
    }
    return exitcode;
}
