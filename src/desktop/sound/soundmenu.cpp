#include "sound/soundmenu.h"

#include "common/checkableitems.h"
#include "common/dialogs.h"

#include <QAction>
#include <QActionGroup>

namespace {

constexpr int volumesteps[] = {25, 50, 75, 100};

QAction* switchitem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(true);
    return item;
}

} // namespace

SoundMenu::SoundMenu(QWidget* parent) : QMenu(QStringLiteral("So&und"), parent) {
    setObjectName(QStringLiteral("sound"));
    // Its switches, and every other on/off item of the game's menus, read as on or off.
    readcheckableitems();
    gamesounds = switchitem(this, "gamesounds", QStringLiteral("&Game sounds"));
    wrongkeytick = switchitem(this, "wrongkeytick", QStringLiteral("&Wrong-key tick"));
    keyclicks = switchitem(this, "keyclicks", QStringLiteral("&Key clicks"));
    addSeparator();
    volumemenu = addMenu(QStringLiteral("&Volume"));
    volumemenu->setObjectName(QStringLiteral("volume"));
    auto* steps = new QActionGroup(this);
    for (int step : volumesteps) {
        QAction* item = volumemenu->addAction(QStringLiteral("%1 %").arg(step));
        item->setCheckable(true);
        item->setData(step);
        steps->addAction(item);
        volumes.append(item);
    }
    mute = switchitem(this, "mute", QStringLiteral("&Mute"));
    mute->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    // Heard in every window, so muted from every window.
    mute->setShortcutContext(Qt::ApplicationShortcut);

    setsoundsettings(keptsoundsettings(filestate));
    showsettings(soundsettings());

    for (auto [item, which] :
         {std::pair{gamesounds, SoundSwitch::Game}, std::pair{wrongkeytick, SoundSwitch::WrongKey},
          std::pair{keyclicks, SoundSwitch::Clicks}})
        connect(item, &QAction::toggled, this, [this, which = which](bool on) {
            SoundSettings settings = soundsettings();
            settings.set(which, on);
            change(settings);
        });
    connect(mute, &QAction::toggled, this, [this](bool on) {
        SoundSettings settings = soundsettings();
        settings.muted = on;
        change(settings);
    });
    connect(steps, &QActionGroup::triggered, this, [this](QAction* item) {
        SoundSettings settings = soundsettings();
        settings.volume = item->data().toInt();
        change(settings);
    });
}

void SoundMenu::showsettings(const SoundSettings& settings) {
    gamesounds->setChecked(settings.game);
    wrongkeytick->setChecked(settings.wrongkey);
    keyclicks->setChecked(settings.clicks);
    mute->setChecked(settings.muted);
    // A volume kept that is none of the steps checks none.
    for (QAction* item : std::as_const(volumes))
        item->setChecked(item->data().toInt() == settings.volume);
}

void SoundMenu::change(const SoundSettings& settings) {
    if (settings == soundsettings())
        return;
    setsoundsettings(settings);
    // A file that must not be written over is left alone, and the choice holds until the game
    // ends: the player hears why once a run. A damaged file set aside is told as it happens.
    const SettingsWrite write =
        filestate.unkept ? SettingsWrite{false, filestate.said} : keepsoundsettings(settings);
    if (write.said.isEmpty() || (!write.written && toldunkept))
        return;
    toldunkept = toldunkept || !write.written;
    msgbox(write.said, MsgIcon::Exclamation);
}
