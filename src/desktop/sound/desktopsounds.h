#pragma once

#include "sound/sounds.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QThread;
class SoundWorker;
struct SoundQueue;

// The desktop's sound, as the game installs it. The sound module is loaded and played on a
// thread of its own, so a keystroke never waits on the device, the sound server or the module
// loading: a play only queues the sound. While sounds come, that thread looks at the queue
// every few milliseconds by itself, so a keystroke does not even have to wake it. Without the
// module, an output or a server, nothing is heard and nothing is said.
//
// A device that does not answer (a sound server frozen, which Qt Multimedia waits on for half
// a minute) is given up on after `deadline` milliseconds: until it answers again a play costs
// nothing and queues nothing. Nor does the end wait for it: its thread is left running, and the
// program ends through endprocess().
class DesktopSounds : public QObject, public Sounds {
public:
    // `modules`: where the sound module may lie, the first that loads is taken.
    explicit DesktopSounds(QStringList modules, qint64 deadline = 1000, QObject* parent = nullptr);
    ~DesktopSounds() override;

    // Loads the module, away from the windows; the first sound does it too.
    void start();
    void play(Sound sound, double volume) override;

private:
    QStringList modules;
    qint64 deadline;
    // Shared with the sound thread, which may outlive this (see the destructor).
    std::shared_ptr<SoundQueue> queue;
    QThread* thread = nullptr;
    SoundWorker* worker = nullptr;
};

// What main returns: `exitcode`; or, when a sound thread was left held by its device, the
// process ends here with it, without the exit handlers of the libraries, which would wait on
// that thread (Qt Multimedia's would, for as long as the sound server does).
int endprocess(int exitcode);
