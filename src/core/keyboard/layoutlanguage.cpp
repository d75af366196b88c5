#include "keyboard/layoutlanguage.h"

#include <QHash>
#include <QLibrary>

#include <xkbcommon/xkbregistry.h>

#include <memory>

namespace {

// libxkbregistry, loaded at the first question: it brings libxml2 with it, which a start of the
// game that asks nothing need not load. Without it no layout has a language.
struct Registry {
    decltype(&rxkb_context_new) context_new = nullptr;
    decltype(&rxkb_context_unref) context_unref = nullptr;
    decltype(&rxkb_context_set_log_level) set_log_level = nullptr;
    decltype(&rxkb_context_parse_default_ruleset) parse_default_ruleset = nullptr;
    decltype(&rxkb_layout_first) layout_first = nullptr;
    decltype(&rxkb_layout_next) layout_next = nullptr;
    decltype(&rxkb_layout_get_name) layout_get_name = nullptr;
    decltype(&rxkb_layout_get_variant) layout_get_variant = nullptr;
    decltype(&rxkb_layout_get_description) layout_get_description = nullptr;
    decltype(&rxkb_layout_get_iso639_first) layout_get_iso639_first = nullptr;
    decltype(&rxkb_iso639_code_get_code) iso639_code_get_code = nullptr;

    // Every function found, or none.
    bool load() {
        QLibrary library(QStringLiteral("xkbregistry"), 0);
        const auto find = [&library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        return find(context_new, "rxkb_context_new") && find(context_unref, "rxkb_context_unref") &&
               find(set_log_level, "rxkb_context_set_log_level") &&
               find(parse_default_ruleset, "rxkb_context_parse_default_ruleset") &&
               find(layout_first, "rxkb_layout_first") && find(layout_next, "rxkb_layout_next") &&
               find(layout_get_name, "rxkb_layout_get_name") &&
               find(layout_get_variant, "rxkb_layout_get_variant") &&
               find(layout_get_description, "rxkb_layout_get_description") &&
               find(layout_get_iso639_first, "rxkb_layout_get_iso639_first") &&
               find(iso639_code_get_code, "rxkb_iso639_code_get_code");
    }
};

// The registry gives ISO 639-2 or 639-3 codes; both forms of those with a shorter one.
QString shortcode(const QString& code) {
    static const QHash<QString, QString> codes = {
        {QStringLiteral("eng"), QStringLiteral("en")},
        {QStringLiteral("ger"), QStringLiteral("de")},
        {QStringLiteral("deu"), QStringLiteral("de")},
        {QStringLiteral("fre"), QStringLiteral("fr")},
        {QStringLiteral("fra"), QStringLiteral("fr")},
        {QStringLiteral("spa"), QStringLiteral("es")},
        {QStringLiteral("ita"), QStringLiteral("it")},
        {QStringLiteral("por"), QStringLiteral("pt")},
    };
    return codes.value(code, code);
}

QString firstlanguage(const Registry& rxkb, rxkb_layout* layout) {
    rxkb_iso639_code* code = rxkb.layout_get_iso639_first(layout);
    return code ? shortcode(QString::fromUtf8(rxkb.iso639_code_get_code(code))) : QString();
}

// Every layout's language by its description; a variant without languages of its own takes its
// layout's.
QHash<QString, QString> readregistry() {
    QHash<QString, QString> languages;
    Registry rxkb;
    if (!rxkb.load())
        return languages;
    const std::unique_ptr<rxkb_context, decltype(rxkb.context_unref)> context(
        rxkb.context_new(RXKB_CONTEXT_NO_FLAGS), rxkb.context_unref);
    if (!context)
        return languages;
    rxkb.set_log_level(context.get(), RXKB_LOG_LEVEL_CRITICAL);
    if (!rxkb.parse_default_ruleset(context.get()))
        return languages;
    QHash<QString, QString> oflayout;
    for (rxkb_layout* l = rxkb.layout_first(context.get()); l; l = rxkb.layout_next(l))
        if (!rxkb.layout_get_variant(l))
            oflayout.insert(QString::fromUtf8(rxkb.layout_get_name(l)), firstlanguage(rxkb, l));
    for (rxkb_layout* l = rxkb.layout_first(context.get()); l; l = rxkb.layout_next(l)) {
        QString language = firstlanguage(rxkb, l);
        if (language.isEmpty())
            language = oflayout.value(QString::fromUtf8(rxkb.layout_get_name(l)));
        const QString description = QString::fromUtf8(rxkb.layout_get_description(l));
        if (!languages.contains(description))
            languages.insert(description, language);
    }
    return languages;
}

} // namespace

QString layoutlanguage(const QString& description) {
    static const QHash<QString, QString> languages = readregistry();
    return languages.value(description);
}
