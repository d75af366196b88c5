#include "keyboard/keyboardlayout.h"

#include "keyboard/keyboardphysical.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <clocale>
#include <memory>

namespace {

template <auto release> struct Releaser {
    template <typename T> void operator()(T* p) const { release(p); }
};
template <typename T, auto release> using Owned = std::unique_ptr<T, Releaser<release>>;
using Context = Owned<xkb_context, xkb_context_unref>;
using Keymap = Owned<xkb_keymap, xkb_keymap_unref>;
using State = Owned<xkb_state, xkb_state_unref>;
using ComposeTable = Owned<xkb_compose_table, xkb_compose_table_unref>;
using ComposeState = Owned<xkb_compose_state, xkb_compose_state_unref>;

// The player's environment must not change which layout a name compiles to.
Context newcontext() {
    return Context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
}

bool isdeadsym(xkb_keysym_t keysym) {
    char name[64];
    return xkb_keysym_get_name(keysym, name, sizeof name) > 0 &&
           QByteArrayView(name).startsWith("dead_");
}

// A text a key cap can show: no control characters (Tab, Enter, Backspace and Escape type
// those, and their caps carry their names instead).
QString printable(const char* utf8, int size) {
    if (size <= 0)
        return {};
    QString text = QString::fromUtf8(utf8, size);
    for (QChar c : text)
        if (c.category() == QChar::Other_Control)
            return {};
    return text;
}

// What a dead key and the next key make, by the compose rules of the player's locale (and
// their own ~/.XCompose), with the common English rules when the locale has none.
class Composer {
public:
    explicit Composer(xkb_context* context) {
        const char* locale = std::setlocale(LC_CTYPE, nullptr);
        table.reset(xkb_compose_table_new_from_locale(context, locale ? locale : "C",
                                                      XKB_COMPOSE_COMPILE_NO_FLAGS));
        if (!table)
            table.reset(xkb_compose_table_new_from_locale(context, "en_US.UTF-8",
                                                          XKB_COMPOSE_COMPILE_NO_FLAGS));
        if (table)
            state.reset(xkb_compose_state_new(table.get(), XKB_COMPOSE_STATE_NO_FLAGS));
    }
    QString compose(xkb_keysym_t dead, xkb_keysym_t base) {
        if (!state)
            return {};
        xkb_compose_state_reset(state.get());
        xkb_compose_state_feed(state.get(), dead);
        xkb_compose_state_feed(state.get(), base);
        if (xkb_compose_state_get_status(state.get()) != XKB_COMPOSE_COMPOSED)
            return {};
        char utf8[64];
        const int size = xkb_compose_state_get_utf8(state.get(), utf8, sizeof utf8);
        return printable(utf8, std::min<int>(size, sizeof utf8 - 1));
    }

private:
    ComposeTable table;
    ComposeState state;
};

} // namespace

// Reads a keymap once into a KeyboardLayout, by pressing Shift and AltGr on a simulated
// keyboard, so the keymap's own key types decide what each level is.
class LayoutCompiler {
public:
    static KeyboardLayout compile(xkb_context* context, xkb_keymap* keymap,
                                  xkb_layout_index_t group) {
        KeyboardLayout layout;
        const char* name = xkb_keymap_layout_get_name(keymap, group);
        layout.description_ = name && *name ? QString::fromUtf8(name) : QStringLiteral("Keyboard");
        layout.altgr = findaltgr(keymap, group);
        const int levels = layout.altgr ? KeyboardLayout::levels : 2;
        for (int level = 0; level < levels; ++level) {
            State state = pressed(keymap, group, level, layout.altgr);
            if (!state)
                return {};
            for (const PhysicalKey& key : physicalkeys())
                readkey(layout, state.get(), key.code, level);
        }
        Composer composer(context);
        for (const PhysicalKey& key : physicalkeys())
            for (int level = 0; level < levels; ++level) {
                KeyboardLayout::Symbol& symbol = layout.symbols[key.code][level];
                if (symbol.dead)
                    symbol.text = composer.compose(symbol.keysym, XKB_KEY_space);
            }
        buildindex(layout, levels, composer);
        return layout;
    }

private:
    static State pressed(xkb_keymap* keymap, xkb_layout_index_t group, int level, int altgr) {
        State state(xkb_state_new(keymap));
        if (!state)
            return state;
        xkb_state_update_mask(state.get(), 0, 0, 0, 0, 0, group);
        if (level & 1)
            xkb_state_update_key(state.get(), keycode::leftshift + 8, XKB_KEY_DOWN);
        if (level & 2)
            xkb_state_update_key(state.get(), altgr + 8, XKB_KEY_DOWN);
        return state;
    }

    // The right Alt key on most layouts that have a third level, else any key that gives it.
    static int findaltgr(xkb_keymap* keymap, xkb_layout_index_t group) {
        State state = pressed(keymap, group, 0, 0);
        if (!state)
            return 0;
        auto gives = [&](int code) {
            return xkb_state_key_get_one_sym(state.get(), code + 8) == XKB_KEY_ISO_Level3_Shift;
        };
        if (gives(keycode::rightalt))
            return keycode::rightalt;
        for (const PhysicalKey& key : physicalkeys())
            if (gives(key.code))
                return key.code;
        return 0;
    }

    static void readkey(KeyboardLayout& layout, xkb_state* state, int code, int level) {
        const xkb_keysym_t keysym = xkb_state_key_get_one_sym(state, code + 8);
        if (keysym == XKB_KEY_NoSymbol)
            return;
        KeyboardLayout::Symbol& symbol = layout.symbols[code][level];
        symbol.keysym = keysym;
        symbol.dead = isdeadsym(keysym);
        if (!symbol.dead) {
            char utf8[64];
            const int size = xkb_state_key_get_utf8(state, code + 8, utf8, sizeof utf8);
            symbol.text = printable(utf8, std::min<int>(size, sizeof utf8 - 1));
        }
    }

    static KeyPress press(const KeyboardLayout& layout, const PhysicalKey& key, int level) {
        KeyPress p;
        p.code = key.code;
        if (level & 1)
            p.shiftcode = lefthand(key.finger) ? keycode::rightshift : keycode::leftshift;
        if (level & 2)
            p.altgrcode = layout.altgr;
        return p;
    }

    // Each character's easiest way: a key of the typing block before the keypad, fewer
    // modifiers before more, one key before a dead key and its base.
    static void buildindex(KeyboardLayout& layout, int levels, Composer& composer) {
        QHash<QString, int> costs;
        auto offer = [&](const QString& text, const QList<KeyPress>& presses, int cost) {
            auto known = costs.constFind(text);
            if (text.isEmpty() || (known != costs.cend() && *known <= cost))
                return;
            costs.insert(text, cost);
            layout.index.insert(text, presses);
        };
        const std::span<const PhysicalKey> keys = physicalkeys();
        for (const PhysicalKey& key : keys)
            for (int level = 0; level < levels; ++level) {
                const KeyboardLayout::Symbol& symbol = layout.symbols[key.code][level];
                if (!symbol.dead)
                    offer(symbol.text, {press(layout, key, level)},
                          level + (typingkey(key) ? 0 : 100));
            }
        for (const PhysicalKey& dead : keys)
            for (int deadlevel = 0; deadlevel < levels; ++deadlevel) {
                const KeyboardLayout::Symbol& accent = layout.symbols[dead.code][deadlevel];
                if (!accent.dead || !typingkey(dead))
                    continue;
                for (const PhysicalKey& base : keys)
                    for (int level = 0; level < levels; ++level) {
                        const KeyboardLayout::Symbol& symbol = layout.symbols[base.code][level];
                        if (symbol.keysym == XKB_KEY_NoSymbol || symbol.dead || !typingkey(base))
                            continue;
                        offer(composer.compose(accent.keysym, symbol.keysym),
                              {press(layout, dead, deadlevel), press(layout, base, level)},
                              10 + deadlevel + level);
                    }
            }
    }
};

KeyboardLayout KeyboardLayout::fromnames(const QString& layout, const QString& variant) {
    Context context = newcontext();
    if (!context || layout.isEmpty())
        return {};
    // An unknown name is an answer, not a fault: the caller falls back to another layout.
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    const QByteArray name = layout.toUtf8();
    const QByteArray variantname = variant.toUtf8();
    const xkb_rule_names names{"evdev", "pc105", name.constData(), variantname.constData(), ""};
    Keymap keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return {};
    return LayoutCompiler::compile(context.get(), keymap.get(), 0);
}

KeyboardLayout KeyboardLayout::fromkeymap(xkb_keymap* keymap, std::uint32_t group) {
    Context context = newcontext();
    if (!context || !keymap)
        return {};
    return LayoutCompiler::compile(context.get(), keymap, group);
}

QString KeyboardLayout::text(int code, int level) const {
    if (code < 0 || code >= codes || level < 0 || level >= levels)
        return {};
    return symbols[code][level].text;
}

bool KeyboardLayout::isdead(int code, int level) const {
    return code >= 0 && code < codes && level >= 0 && level < levels && symbols[code][level].dead;
}

QList<KeyPress> KeyboardLayout::presses(const QString& character) const {
    return index.value(character);
}

int KeyboardLayout::level(const KeyPress& press) {
    return (press.shiftcode ? 1 : 0) + (press.altgrcode ? 2 : 0);
}
