// A sound module whose device does not answer, as Qt Multimedia does on a frozen sound server:
// opening it waits until the test releases it, and at the end of the process an exit handler
// of its own waits on the same lock, as Qt Multimedia's does.
#include "sound/sounddevice.h"

#include <QtGlobal>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

std::mutex held; // kept by the opening while it waits
std::mutex waiting;
std::condition_variable released;
bool answers = false;
std::atomic<bool> entered = false;
std::atomic<bool> opened = false;
std::mutex playedlock;
QList<int> playedrecordings;

struct ExitHandler {
    ~ExitHandler() { const std::lock_guard<std::mutex> tidy(held); }
};

class RecordingDevice : public SoundDevice {
public:
    void play(int recording, float) override {
        const std::lock_guard<std::mutex> noted(playedlock);
        playedrecordings.append(recording);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT SoundDevice* keystrider_opensounddevice(const QList<Recording>&) {
    static ExitHandler atexit;
    const std::lock_guard<std::mutex> keep(held);
    entered = true;
    std::unique_lock<std::mutex> wait(waiting);
    released.wait(wait, [] { return answers; });
    opened = true;
    return new RecordingDevice;
}

extern "C" Q_DECL_EXPORT bool stucksound_entered() {
    return entered;
}

extern "C" Q_DECL_EXPORT bool stucksound_opened() {
    return opened;
}

// The device answers at last.
extern "C" Q_DECL_EXPORT void stucksound_release() {
    {
        const std::lock_guard<std::mutex> wait(waiting);
        answers = true;
    }
    released.notify_all();
}

extern "C" Q_DECL_EXPORT QList<int> stucksound_played() {
    const std::lock_guard<std::mutex> noted(playedlock);
    return playedrecordings;
}
