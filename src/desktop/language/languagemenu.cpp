#include "language/languagemenu.h"

#include "common/checkableitems.h"
#include "common/dialogs.h"
#include "language/catalogues.h"
#include "language/languagechoice.h"
#include "language/languages.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>

namespace {

const char* const context = "LanguageMenu";
const char* const followsdesktop =
    QT_TRANSLATE_NOOP("LanguageMenu", "From the next start, Keystrider speaks the language of "
                                      "your desktop.");
//: %1 is the language's own name: English, Deutsch, Français, …
const char* const speakschosen =
    QT_TRANSLATE_NOOP("LanguageMenu", "From the next start, Keystrider speaks %1.");

QString nameof(const QString& code) {
    for (const WindowLanguage& language : windowlanguages)
        if (code == QLatin1String(language.code))
            return QString::fromUtf8(language.name);
    return code;
}

} // namespace

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(tr("&Language"), parent) {
    setObjectName(QStringLiteral("language"));
    // Read as radio buttons, on or off, as every choice of the game's menus is.
    readcheckableitems();
    auto* group = new QActionGroup(this);
    auto add = [this, group](const QString& caption, const QString& code) {
        QAction* item = addAction(caption);
        item->setObjectName(QStringLiteral("language-") +
                            (code.isEmpty() ? QStringLiteral("system") : code));
        item->setCheckable(true);
        item->setData(code);
        group->addAction(item);
        items.append(item);
    };
    add(tr("System", "the language of the desktop"), QString());
    addSeparator();
    for (const WindowLanguage& language : windowlanguages)
        add(QString::fromUtf8(language.name), QLatin1String(language.code));
    kept = keptlanguage(filestate);
    showchoice(kept);
    connect(group, &QActionGroup::triggered, this,
            [this](QAction* item) { choose(item->data().toString()); });
}

void LanguageMenu::showchoice(const QString& choice) {
    for (QAction* item : std::as_const(items))
        item->setChecked(item->data().toString() == choice);
}

QString LanguageMenu::nextstartmessage(const QString& choice) {
    const char* source = choice.isEmpty() ? followsdesktop : speakschosen;
    Catalogues said;
    said.load(windowlanguage(choice, QLocale::system().uiLanguages()), cataloguefolders());
    QString text = said.game().translate(context, source);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    return choice.isEmpty() ? text : text.arg(nameof(choice));
}

void LanguageMenu::choose(const QString& choice) {
    if (choice == kept)
        return;
    // A file that must not be written over is left alone, and as the choice would not hold
    // at the next start it is not taken: the player hears why each time. A damaged file set
    // aside is told as it happens.
    const SettingsWrite write =
        filestate.unkept ? SettingsWrite{false, filestate.said} : keeplanguage(choice);
    if (!write.written) {
        showchoice(kept);
        msgbox(write.said, MsgIcon::Exclamation);
        return;
    }
    kept = choice;
    if (!write.said.isEmpty())
        msgbox(write.said, MsgIcon::Exclamation);
    msgbox(nextstartmessage(choice), MsgIcon::Information);
}
