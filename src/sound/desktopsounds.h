#pragma once

#include "sound/sounds.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;
class SoundWorker;

// The desktop's sound, as the game installs it. The sound module is loaded and played on a
// thread of its own: a play only posts the sound there, so a keystroke never waits on the
// device, the sound server, or the module loading. Without the module, an output or a server,
// nothing is heard and nothing is said.
class DesktopSounds : public QObject, public Sounds {
public:
    // `modules`: where the sound module may lie, the first that loads is taken.
    explicit DesktopSounds(QStringList modules, QObject* parent = nullptr);
    ~DesktopSounds() override;

    // Loads the module, away from the windows; the first sound does it too.
    void start();
    void play(Sound sound, double volume) override;

private:
    QStringList modules;
    // Set once it is known that nothing can be heard (no module), so a play costs nothing.
    std::shared_ptr<std::atomic<bool>> silent;
    QThread* thread = nullptr;
    SoundWorker* worker = nullptr;
    QElapsedTimer clock;
};
