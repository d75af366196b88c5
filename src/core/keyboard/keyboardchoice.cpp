#include "keyboard/keyboardchoice.h"
#include "common/filewriting.h"

#include "common/bytelines.h"
#include "common/programfolder.h"
#include "common/textfile.h"
#include "keyboard/systemkeyboard.h"

#include <QCoreApplication>
#include <QPointer>

std::optional<QString> keptkeyboard(QString& trouble) {
    QByteArray bytes;
    const FileRead read = readfile(::apppath() + keyboardfilename, largestkeyboardfile, bytes);
    trouble = read.ok() || read.missing() ? QString() : read.message(keyboardfilename);
    if (!read.ok())
        return std::nullopt;
    return readkeyboardchoice(bytes);
}

std::optional<QString> readkeyboardchoice(QByteArrayView bytes) {
    // The first line, whatever ends it, or the whole file when nothing does.
    QByteArrayView line;
    nextline(bytes, line);
    FieldReader reader(line.toByteArray());
    QString key;
    bool cut = false;
    // A layout name is short; anything longer is no choice of ours.
    if (!reader.next(key, 200, cut) || cut)
        return std::nullopt;
    return key.trimmed();
}

bool keepkeyboard(const QString& key) {
    return replacefile(::apppath() + keyboardfilename, LineWriter().text(key).line());
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
