#include "sound/soundsettings.h"

#include "common/filewriting.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/textfile.h"

#include <QStringList>

namespace {

SoundSettings current;

constexpr char tag[] = "keystrider-sound";
// Names and values are a few characters; a field any longer is none of ours.
constexpr qsizetype longestfield = 64;

bool flag(const QString& value, bool& out) {
    if (value != QLatin1String("0") && value != QLatin1String("1"))
        return false;
    out = value == QLatin1String("1");
    return true;
}

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

std::optional<SoundSettings> readsoundsettings(QByteArrayView bytes) {
    const std::optional<QStringList> pairs =
        versionedfields(bytes, QLatin1String(tag), longestfield);
    // Names and values come in pairs after the tag and the version.
    if (!pairs || pairs->size() % 2 != 0)
        return std::nullopt;
    const QStringList& fields = *pairs;
    SoundSettings settings;
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        const QString& name = fields[i];
        const QString& value = fields[i + 1];
        bool ok = true;
        if (name == QLatin1String("game"))
            ok = flag(value, settings.game);
        else if (name == QLatin1String("wrongkey"))
            ok = flag(value, settings.wrongkey);
        else if (name == QLatin1String("clicks"))
            ok = flag(value, settings.clicks);
        else if (name == QLatin1String("mute"))
            ok = flag(value, settings.muted);
        else if (name == QLatin1String("volume")) {
            std::int64_t volume = 0;
            ok = filenumber(value, 0, 100, volume) == FileNumber::Whole;
            settings.volume = static_cast<int>(volume);
        }
        // A name this version does not know is skipped with its value.
        if (!ok)
            return std::nullopt;
    }
    return settings;
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

SoundSettings keptsoundsettings(QString& trouble) {
    QByteArray bytes;
    const FileRead read = readfile(::apppath() + soundfilename, largestsoundfile, bytes);
    trouble = read.ok() || read.missing() ? QString() : read.message(soundfilename);
    if (!read.ok())
        return {};
    return readsoundsettings(bytes).value_or(SoundSettings());
}

bool keepsoundsettings(const SoundSettings& settings) {
    return replacefile(::apppath() + soundfilename, soundsettingsline(settings));
}
