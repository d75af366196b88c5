#include "keyboard/layoutlanguage.h"

#include <QHash>

#include <xkbcommon/xkbregistry.h>

#include <memory>

namespace {

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

QString firstlanguage(rxkb_layout* layout) {
    rxkb_iso639_code* code = rxkb_layout_get_iso639_first(layout);
    return code ? shortcode(QString::fromUtf8(rxkb_iso639_code_get_code(code))) : QString();
}

// Every layout's language by its description; a variant without languages of its own takes its
// layout's.
QHash<QString, QString> readregistry() {
    QHash<QString, QString> languages;
    const std::unique_ptr<rxkb_context, decltype(&rxkb_context_unref)> context(
        rxkb_context_new(RXKB_CONTEXT_NO_FLAGS), &rxkb_context_unref);
    if (!context)
        return languages;
    rxkb_context_set_log_level(context.get(), RXKB_LOG_LEVEL_CRITICAL);
    if (!rxkb_context_parse_default_ruleset(context.get()))
        return languages;
    QHash<QString, QString> oflayout;
    for (rxkb_layout* l = rxkb_layout_first(context.get()); l; l = rxkb_layout_next(l))
        if (!rxkb_layout_get_variant(l))
            oflayout.insert(QString::fromUtf8(rxkb_layout_get_name(l)), firstlanguage(l));
    for (rxkb_layout* l = rxkb_layout_first(context.get()); l; l = rxkb_layout_next(l)) {
        QString language = firstlanguage(l);
        if (language.isEmpty())
            language = oflayout.value(QString::fromUtf8(rxkb_layout_get_name(l)));
        const QString description = QString::fromUtf8(rxkb_layout_get_description(l));
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
