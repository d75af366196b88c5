#include "keyboard/learnchoices.h"

#include <QCoreApplication>

namespace {

QString keyof(const KeyboardLayoutName& name) {
    return name.variant.isEmpty() ? name.layout : name.layout + '(' + name.variant + ')';
}

// The alternatives asked for most, in this order.
const char* const favourites[] = {"us(dvorak)",  "us(colemak)", "us(colemak_dh)",
                                  "us(workman)", "fr(bepo)",    "de(neo)"};

} // namespace

QList<LearnChoice> learnchoices(const QList<KeyboardLayoutName>& names) {
    QList<LearnChoice> choices{
        {QString(), QCoreApplication::translate("frmcoach", "As the desktop types")}};
    QList<LearnChoice> rest;
    QList<LearnChoice> dvoraks;
    QList<LearnChoice> first(std::size(favourites));
    for (const KeyboardLayoutName& name : names) {
        const QString key = keyof(name);
        const LearnChoice choice{key, name.description};
        qsizetype favourite = 0;
        while (favourite < first.size() && key != QLatin1String(favourites[favourite]))
            ++favourite;
        if (favourite < first.size())
            first[favourite] = choice;
        else if (name.variant.contains(QLatin1String("dvorak")))
            dvoraks.append(choice);
        else
            rest.append(choice);
    }
    for (const LearnChoice& choice : std::as_const(first))
        if (!choice.key.isEmpty())
            choices.append(choice);
    return choices + dvoraks + rest;
}

int learnrow(const QList<LearnChoice>& choices, const QString& key) {
    for (qsizetype row = 0; row < choices.size(); ++row)
        if (choices[row].key == key)
            return int(row);
    return -1;
}
