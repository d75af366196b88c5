#include "keyboard/keyboardchoice.h"

#include "common/bytelines.h"
#include "common/programfolder.h"
#include "common/textfile.h"

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
