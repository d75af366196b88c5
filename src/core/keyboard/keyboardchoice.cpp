#include "keyboard/keyboardchoice.h"
#include "common/filewriting.h"

#include "common/programfolder.h"
#include "common/textfile.h"
#include "keyboard/systemkeyboard.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace {

// A layout's name as the chooser makes it: "de", "us(intl)", or empty for the system keyboard,
// in plain characters with no blank.
bool layoutkey(const QString& key) {
    const qsizetype open = key.indexOf(QLatin1Char('('));
    if (open >= 0 && (open == 0 || !key.endsWith(QLatin1Char(')')) || key.size() - open < 3 ||
                      key.indexOf(QLatin1Char('('), open + 1) >= 0 ||
                      key.indexOf(QLatin1Char(')')) != key.size() - 1))
        return false;
    if (open < 0 && key.contains(QLatin1Char(')')))
        return false;
    return std::all_of(key.cbegin(), key.cend(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7f && c != QLatin1Char('"') &&
               c != QLatin1Char(',');
    });
}

} // namespace

const SettingsFile& keyboardfile() {
    static const SettingsFile file{
        keyboardfilename, largestkeyboardfile,
        QLatin1String(QT_TRANSLATE_NOOP("SettingsFile", "the keyboard chosen is not kept")),
        judgeby(readkeyboardchoice)};
    return file;
}

std::optional<QString> keptkeyboard(QString& trouble) {
    QByteArray bytes;
    const FileRead read = readfile(::apppath() + keyboardfilename, largestkeyboardfile, bytes);
    trouble = read.ok() || read.missing() ? QString() : read.message(keyboardfilename);
    std::optional<QString> key;
    if (read.ok())
        readkeyboardchoice(bytes, key);
    return key;
}

std::optional<QString> loadkeyboard(QString& said, bool& unkept) {
    std::optional<QString> key;
    const SettingsRead read = readsettings(
        keyboardfile(), [&key](QByteArrayView bytes) { return readkeyboardchoice(bytes, key); },
        // With nothing left of a damaged file, an empty one: as if none had been chosen.
        [&key] { return key ? LineWriter().text(*key).line() : QByteArray(); });
    said = read.said;
    unkept = read.unkept;
    return key;
}

Reading readkeyboardchoice(QByteArrayView bytes, std::optional<QString>& key) {
    key.reset();
    Reading how = Reading::Whole;
    // A layout name is short; anything longer is no choice of ours.
    const QStringList fields = settingsfields(bytes, 200, how);
    if (fields.size() != 1)
        how = worse(how, Reading::Damaged);
    const QString first = fields.value(0).trimmed();
    if (!fields.isEmpty() && layoutkey(first))
        key = first;
    else
        how = worse(how, Reading::Damaged);
    return how;
}

bool keepkeyboard(const QString& key) {
    return keepsettings(keyboardfile(), LineWriter().text(key).line()).written;
}

KeyboardLayout layoutofchoice(const QString& key) {
    KeyboardLayout layout;
    if (key.isEmpty()) {
        if (SystemKeyboard::current()->available())
            layout = SystemKeyboard::current()->layout();
    } else {
        // "layout(variant)", as the chooser writes a variant.
        const qsizetype open = key.indexOf(QLatin1Char('('));
        if (open > 0 && key.endsWith(QLatin1Char(')')))
            layout = KeyboardLayout::fromnames(key.first(open),
                                               key.sliced(open + 1, key.size() - open - 2));
        else
            layout = KeyboardLayout::fromnames(key);
    }
    if (layout.isempty())
        layout = KeyboardLayout::fromnames(QStringLiteral("us"));
    return layout;
}

KeyboardChoiceNews* KeyboardChoiceNews::instance() {
    // Made on first use and gone with the application.
    static QPointer<KeyboardChoiceNews> news;
    if (!news)
        news = new KeyboardChoiceNews(QCoreApplication::instance());
    return news;
}
