// The sound module: the game's recordings mixed into one Qt Multimedia audio sink.
//
// Qt 6.4's QSoundEffect keeps each sound's stream running with about a second queued ahead of
// it on PulseAudio, so a click came 1.2 s after its key; one sink of our own, fed as sounds
// come with no more than 40 ms queued, brings it to the server at once.
#include "sound/sounddevice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

constexpr int rate = 22050;
constexpr qsizetype queuedbytes = rate * 2 * 40 / 1000;
constexpr qint64 retrymilliseconds = 2000;

// The samples of a recording as tools/makesounds.py writes it: 16-bit mono PCM at `rate`.
// Anything else is no recording of ours and stays silent.
QList<qint16> samplesof(const QString& source) {
    QFile file(source.startsWith(QLatin1String("qrc:")) ? source.mid(3) : source);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = file.readAll();
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return {};
    bool pcm = false;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        const qsizetype body = at + 8;
        if (size > static_cast<quint32>(wav.size() - body))
            return {};
        if (id == "fmt " && size >= 16) {
            const char* f = wav.constData() + body;
            pcm = qFromLittleEndian<quint16>(f) == 1 && qFromLittleEndian<quint16>(f + 2) == 1 &&
                  qFromLittleEndian<quint32>(f + 4) == rate &&
                  qFromLittleEndian<quint16>(f + 14) == 16;
        } else if (id == "data" && pcm) {
            QList<qint16> samples(size / 2);
            for (qsizetype i = 0; i < samples.size(); ++i)
                samples[i] = qFromLittleEndian<qint16>(wav.constData() + body + 2 * i);
            return samples;
        }
        at = body + size + (size & 1);
    }
    return {};
}

class QtSoundDevice : public QObject, public SoundDevice {
public:
    explicit QtSoundDevice(const QList<Recording>& recordings) {
        for (const Recording& recording : recordings) {
            samples.append(samplesof(recording.source));
            voicelimits.append(std::max(1, recording.voices));
        }
        format.setSampleRate(rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        feeder.setInterval(5);
        connect(&feeder, &QTimer::timeout, this, &QtSoundDevice::feed);
        connect(&devices, &QMediaDevices::audioOutputsChanged, this, &QtSoundDevice::opensink);
        opensink();
    }

    void play(int recording, float volume) override {
        if (recording < 0 || recording >= samples.size() || samples[recording].isEmpty())
            return;
        // A server that went away may be back: the sink is opened afresh, though not at every
        // key, as each try costs the server's reconnection.
        if ((!sink || sink->error() != QAudio::NoError) && lastopen.elapsed() >= retrymilliseconds)
            opensink();
        if (!output)
            return;
        // A sound heard again starts over; the click and the tick overlap up to their limit.
        const auto same = [recording](const Voice& v) { return v.recording == recording; };
        if (std::count_if(voices.cbegin(), voices.cend(), same) >= voicelimits[recording])
            voices.erase(std::find_if(voices.begin(), voices.end(), same));
        voices.append({recording, 0, volume});
        feed();
        feeder.start();
    }

private:
    struct Voice {
        int recording;
        qsizetype at;
        float volume;
    };

    void opensink() {
        lastopen.start();
        delete sink;
        sink = nullptr;
        output = nullptr;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format))
            return;
        sink = new QAudioSink(device, format, this);
        sink->setBufferSize(queuedbytes);
        output = sink->start();
    }

    // Fills what the sink has room for, the sounds mixed and silence after them: the server
    // starts a stream only once its buffer is full. With nothing left to play the sink runs dry
    // and waits.
    void feed() {
        // A server gone takes the sounds playing with it.
        if (!output || voices.isEmpty() || sink->error() != QAudio::NoError) {
            voices.clear();
            feeder.stop();
            return;
        }
        const qsizetype frames = sink->bytesFree() / 2;
        if (frames <= 0)
            return;
        QList<float> mix(frames, 0.0f);
        for (Voice& voice : voices) {
            const QList<qint16>& from = samples[voice.recording];
            const qsizetype n = std::min(frames, from.size() - voice.at);
            for (qsizetype i = 0; i < n; ++i)
                mix[i] += from[voice.at + i] * voice.volume;
            voice.at += n;
        }
        voices.removeIf([this](const Voice& v) { return v.at >= samples[v.recording].size(); });
        QByteArray bytes(frames * 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < frames; ++i)
            qToLittleEndian<qint16>(
                static_cast<qint16>(std::clamp(std::lround(mix[i]), -32768L, 32767L)),
                bytes.data() + 2 * i);
        output->write(bytes);
    }

    QList<QList<qint16>> samples;
    QList<int> voicelimits;
    QAudioFormat format;
    QMediaDevices devices;
    QAudioSink* sink = nullptr;
    QIODevice* output = nullptr;
    QList<Voice> voices;
    QTimer feeder;
    QElapsedTimer lastopen;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundDevice*
keystrider_opensounddevice(const QList<Recording>& recordings) {
    return new QtSoundDevice(recordings);
}
