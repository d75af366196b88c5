#include "keyboard/keyboardchoice.h"

#include "common/programfolder.h"
#include "common/textfile.h"

std::optional<QString> keptkeyboard() {
    QByteArray bytes;
    if (!readwholefile(::apppath() + keyboardfilename, bytes))
        return std::nullopt;
    FieldReader reader(bytes.left(bytes.indexOf('\n')));
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
