// The sound module: the game's recordings played through Qt Multimedia.
#include "sound/sounddevice.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtSoundDevice : public QObject, public SoundDevice {
public:
    explicit QtSoundDevice(const QList<Recording>& recordings) : recordings(recordings) {
        connect(&devices, &QMediaDevices::audioOutputsChanged, this, &QtSoundDevice::follow);
        follow();
    }

    void play(int recording, float volume) override {
        if (recording < 0 || recording >= effects.size() || effects[recording].isEmpty())
            return;
        // The voices take turns, so a click never cuts the one before it short.
        QList<QSoundEffect*>& voices = effects[recording];
        QSoundEffect* voice = voices[turns[recording]++ % voices.size()];
        voice->setVolume(volume);
        voice->play();
    }

private:
    // Without an output a sound effect has nowhere to play and only complains, so none is made
    // until one appears; when the default output changes, every effect moves to it.
    void follow() {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull())
            return;
        if (effects.isEmpty()) {
            for (const Recording& recording : recordings) {
                QList<QSoundEffect*> voices;
                for (int v = 0; v < recording.voices; ++v) {
                    auto* effect = new QSoundEffect(output, this);
                    effect->setSource(QUrl(recording.source));
                    voices.append(effect);
                }
                effects.append(voices);
                turns.append(0);
            }
            return;
        }
        for (const QList<QSoundEffect*>& voices : std::as_const(effects))
            for (QSoundEffect* effect : voices)
                effect->setAudioDevice(output);
    }

    QList<Recording> recordings;
    QMediaDevices devices;
    QList<QList<QSoundEffect*>> effects;
    QList<unsigned> turns;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundDevice*
keystrider_opensounddevice(const QList<Recording>& recordings) {
    return new QtSoundDevice(recordings);
}
