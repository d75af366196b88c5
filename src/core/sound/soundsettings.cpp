#include "sound/soundsettings.h"

#include "common/textfile.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

SoundSettings current;

constexpr char tag[] = "keystrider-sound";
// Names and values are a few characters; a field any longer is none of ours.
constexpr qsizetype longestfield = 64;

} // namespace

bool SoundSettings::on(SoundSwitch which) const {
    switch (which) {
    case SoundSwitch::Game:
        return game;
    case SoundSwitch::WrongKey:
        return wrongkey;
    case SoundSwitch::Clicks:
        return clicks;
    }
    return false;
}

void SoundSettings::set(SoundSwitch which, bool on) {
    switch (which) {
    case SoundSwitch::Game:
        game = on;
        break;
    case SoundSwitch::WrongKey:
        wrongkey = on;
        break;
    case SoundSwitch::Clicks:
        clicks = on;
        break;
    }
}

const SoundSettings& soundsettings() {
    return current;
}

void setsoundsettings(const SoundSettings& settings) {
    current = settings;
}

Reading readsoundsettings(QByteArrayView bytes, SoundSettings& settings) {
    settings = SoundSettings();
    SettingsLine line(bytes, QLatin1String(tag), 1, longestfield);
    const QStringList& fields = line.fields();
    // Names and values come in pairs after the tag and the version.
    if (fields.size() % 2 != 0)
        line.damaged();
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString& name = fields[i];
        const QString& value = fields[i + 1];
        if (name == QLatin1String("game"))
            line.flag(value, settings.game);
        else if (name == QLatin1String("wrongkey"))
            line.flag(value, settings.wrongkey);
        else if (name == QLatin1String("clicks"))
            line.flag(value, settings.clicks);
        else if (name == QLatin1String("mute"))
            line.flag(value, settings.muted);
        else if (name == QLatin1String("volume"))
            line.number(value, 0, 100, settings.volume);
        // A name this version does not know is skipped with its value.
    }
    return line.reading();
}

QByteArray soundsettingsline(const SoundSettings& settings) {
    return LineWriter()
        .text(QLatin1String(tag))
        .number(1)
        .text(QStringLiteral("game"))
        .number(settings.game ? 1 : 0)
        .text(QStringLiteral("wrongkey"))
        .number(settings.wrongkey ? 1 : 0)
        .text(QStringLiteral("clicks"))
        .number(settings.clicks ? 1 : 0)
        .text(QStringLiteral("volume"))
        .number(settings.volume)
        .text(QStringLiteral("mute"))
        .number(settings.muted ? 1 : 0)
        .line();
}

const SettingsFile& soundfile() {
    static const SettingsFile file{
        soundfilename, largestsoundfile,
        QLatin1String(QT_TRANSLATE_NOOP("SettingsFile", "the sound settings chosen are not kept")),
        judgeby(readsoundsettings)};
    return file;
}

SoundSettings keptsoundsettings(SettingsRead& read) {
    SoundSettings settings;
    read = readsettings(soundfile(), [&settings](QByteArrayView bytes) {
        return readsoundsettings(bytes, settings);
    });
    return settings;
}

SettingsWrite keepsoundsettings(const SoundSettings& settings) {
    return keepsettings(soundfile(), soundsettingsline(settings));
}
