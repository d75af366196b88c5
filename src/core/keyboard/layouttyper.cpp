#include "keyboard/layouttyper.h"

#include "keyboard/keyboardphysical.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <QHash>

#include <algorithm>
#include <clocale>
#include <utility>

namespace {

bool ismodifier(xkb_keysym_t sym) {
    // Shift, Control, Alt, Super and the level and group shifts (AltGr, Neo's Mod3 and Mod4).
    return (sym >= XKB_KEY_Shift_L && sym <= XKB_KEY_Hyper_R) ||
           (sym >= XKB_KEY_ISO_Lock && sym <= XKB_KEY_ISO_Level5_Lock) ||
           sym == XKB_KEY_Mode_switch || sym == XKB_KEY_Num_Lock;
}

bool isdead(xkb_keysym_t sym) {
    return sym >= XKB_KEY_dead_grave && sym <= XKB_KEY_dead_greek;
}

QString printable(const char* utf8, int size) {
    if (size <= 0)
        return {};
    QString text = QString::fromUtf8(utf8, std::min<int>(size, 63));
    for (QChar c : text)
        if (c.category() == QChar::Other_Control)
            return {};
    return text;
}

// The accents of the common dead keys, for a system without compose rules: the mark an accent
// puts on a letter, and the accent standing alone, as a dead key and Space type it.
struct Accent {
    char16_t combining;
    char16_t alone;
};
const QHash<xkb_keysym_t, Accent>& accents() {
    static const QHash<xkb_keysym_t, Accent> table = {
        {XKB_KEY_dead_grave, {0x300, u'`'}},      {XKB_KEY_dead_acute, {0x301, 0xB4}},
        {XKB_KEY_dead_circumflex, {0x302, u'^'}}, {XKB_KEY_dead_tilde, {0x303, u'~'}},
        {XKB_KEY_dead_macron, {0x304, 0xAF}},     {XKB_KEY_dead_breve, {0x306, 0x2D8}},
        {XKB_KEY_dead_abovedot, {0x307, 0x2D9}},  {XKB_KEY_dead_diaeresis, {0x308, 0xA8}},
        {XKB_KEY_dead_abovering, {0x30A, 0x2DA}}, {XKB_KEY_dead_doubleacute, {0x30B, 0x2DD}},
        {XKB_KEY_dead_caron, {0x30C, 0x2C7}},     {XKB_KEY_dead_cedilla, {0x327, 0xB8}},
        {XKB_KEY_dead_ogonek, {0x328, 0x2DB}},    {XKB_KEY_dead_belowdot, {0x323, u'.'}},
        {XKB_KEY_dead_stroke, {0x338, u'/'}},
    };
    return table;
}

// What a dead key and the text of the next key make by the table: one character, or nothing.
QString composedbytable(xkb_keysym_t dead, const QString& base) {
    const auto accent = accents().constFind(dead);
    if (accent == accents().cend())
        return {};
    if (base == QLatin1String(" "))
        return QString(QChar(accent->alone));
    const QString joined =
        (base + QChar(accent->combining)).normalized(QString::NormalizationForm_C);
    return joined.size() == 1 ? joined : QString();
}

} // namespace

struct LayoutTyper::Machine {
    xkb_context* context = nullptr;
    xkb_keymap* keymap = nullptr;
    xkb_state* state = nullptr;
    xkb_compose_table* table = nullptr;
    xkb_compose_state* compose = nullptr;
    xkb_keysym_t waiting = XKB_KEY_NoSymbol; // a dead key, when the table composes
    QList<int> down;

    ~Machine() {
        xkb_compose_state_unref(compose);
        xkb_compose_table_unref(table);
        xkb_state_unref(state);
        xkb_keymap_unref(keymap);
        xkb_context_unref(context);
    }

    // The compose rules of the player's locale, else the common English ones.
    void loadcompose() {
        const char* locale = std::setlocale(LC_CTYPE, nullptr);
        table = xkb_compose_table_new_from_locale(context, locale ? locale : "C",
                                                  XKB_COMPOSE_COMPILE_NO_FLAGS);
        if (!table)
            table = xkb_compose_table_new_from_locale(context, "en_US.UTF-8",
                                                      XKB_COMPOSE_COMPILE_NO_FLAGS);
        if (table)
            compose = xkb_compose_state_new(table, XKB_COMPOSE_STATE_NO_FLAGS);
    }

    TypedKey bycompose(xkb_keysym_t sym, const QString& text) {
        TypedKey typed{true, {}, false};
        if (xkb_compose_state_feed(compose, sym) == XKB_COMPOSE_FEED_IGNORED)
            return {true, text, false};
        switch (xkb_compose_state_get_status(compose)) {
        case XKB_COMPOSE_NOTHING:
            typed.text = text;
            break;
        case XKB_COMPOSE_COMPOSING:
            typed.dead = true;
            break;
        case XKB_COMPOSE_COMPOSED: {
            char utf8[64];
            typed.text = printable(utf8, xkb_compose_state_get_utf8(compose, utf8, sizeof utf8));
            xkb_compose_state_reset(compose);
            break;
        }
        case XKB_COMPOSE_CANCELLED:
            // As the desktop does: a dead key and a key it does not go with type nothing.
            xkb_compose_state_reset(compose);
            break;
        }
        return typed;
    }

    TypedKey bytable(xkb_keysym_t sym, const QString& text) {
        if (isdead(sym)) {
            waiting = sym;
            return {true, {}, true};
        }
        if (waiting == XKB_KEY_NoSymbol)
            return {true, text, false};
        const xkb_keysym_t dead = std::exchange(waiting, XKB_KEY_NoSymbol);
        return {true, composedbytable(dead, text), false};
    }
};

LayoutTyper::LayoutTyper(const QString& layoutkey, Compose compose)
    : machine(std::make_unique<Machine>()) {
    QString layout, variant;
    if (!splitlayoutkey(layoutkey, layout, variant))
        return;
    Machine& m = *machine;
    // The player's environment must not change which layout a name compiles to.
    m.context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!m.context)
        return;
    xkb_context_set_log_level(m.context, XKB_LOG_LEVEL_CRITICAL);
    const QByteArray name = layout.toUtf8();
    const QByteArray variantname = variant.toUtf8();
    const xkb_rule_names names{"evdev", "pc105", name.constData(), variantname.constData(), ""};
    m.keymap = xkb_keymap_new_from_names(m.context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!m.keymap)
        return;
    m.state = xkb_state_new(m.keymap);
    if (compose == Compose::Locale)
        m.loadcompose();
}

LayoutTyper::~LayoutTyper() = default;

bool LayoutTyper::isempty() const {
    return !machine->state;
}

TypedKey LayoutTyper::press(int code) {
    Machine& m = *machine;
    if (!m.state || code <= 0 || code > 247)
        return {};
    const xkb_keycode_t keycode = static_cast<xkb_keycode_t>(code) + 8;
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(m.state, keycode);
    char utf8[64];
    const QString text =
        printable(utf8, xkb_state_key_get_utf8(m.state, keycode, utf8, sizeof utf8));
    // A held key repeats: it is down once.
    if (!m.down.contains(code)) {
        m.down.append(code);
        xkb_state_update_key(m.state, keycode, XKB_KEY_DOWN);
    }
    const PhysicalKey* key = physicalkey(code);
    if (!key || !typingkey(*key) || ismodifier(sym))
        return {};
    // Ctrl and Alt make a shortcut of a key, whatever it types.
    if (xkb_state_mod_name_is_active(m.state, XKB_MOD_NAME_CTRL, XKB_STATE_MODS_EFFECTIVE) > 0 ||
        xkb_state_mod_name_is_active(m.state, XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE) > 0) {
        TypedKey shortcut;
        shortcut.shortcut = true;
        return shortcut;
    }
    if (text.isEmpty() && !isdead(sym))
        return {};
    return m.compose ? m.bycompose(sym, text) : m.bytable(sym, text);
}

void LayoutTyper::release(int code) {
    Machine& m = *machine;
    if (m.state && m.down.removeOne(code))
        xkb_state_update_key(m.state, static_cast<xkb_keycode_t>(code) + 8, XKB_KEY_UP);
}

void LayoutTyper::reset() {
    Machine& m = *machine;
    if (!m.state)
        return;
    xkb_state_unref(m.state);
    m.state = xkb_state_new(m.keymap);
    m.down.clear();
    m.waiting = XKB_KEY_NoSymbol;
    if (m.compose)
        xkb_compose_state_reset(m.compose);
}

bool splitlayoutkey(const QString& key, QString& layout, QString& variant) {
    const qsizetype open = key.indexOf(QLatin1Char('('));
    if (open > 0 && key.endsWith(QLatin1Char(')'))) {
        layout = key.first(open);
        variant = key.sliced(open + 1, key.size() - open - 2);
    } else {
        layout = key;
        variant.clear();
    }
    return !layout.isEmpty() && !layout.contains(QLatin1Char(')'));
}
