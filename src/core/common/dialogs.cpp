#include "common/dialogs.h"

namespace {

// Answers as Enter would, so a program that installed no boxes never waits on one.
class UnansweredDialogs : public Dialogs {
public:
    MsgResult message(const QString&, const QString&, MsgIcon, MsgButtons buttons) override {
        return isyesno(buttons) ? MsgResult::No : MsgResult::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

Dialogs* current = nullptr;

Dialogs& dialogs() {
    static UnansweredDialogs none;
    return current ? *current : none;
}

QString titleor(const QString& title) {
    return title.isEmpty() ? defaulttitle : title;
}

} // namespace

void setdialogs(Dialogs* d) {
    current = d;
}

MsgResult msgbox(const QString& text, MsgIcon icon, const QString& title, MsgButtons buttons) {
    return dialogs().message(text, titleor(title), icon, buttons);
}

QString inputbox(const QString& prompt, const QString& title, const QString& defaulttext) {
    return askinput(prompt, title, defaulttext).value_or(QString());
}

std::optional<QString> askinput(const QString& prompt, const QString& title,
                                const QString& defaulttext) {
    return dialogs().input(prompt, titleor(title), defaulttext);
}

bool isyesno(MsgButtons buttons) {
    return buttons != MsgButtons::Ok;
}

QString savefilebox(const QString& title, const QString& suggested, const QString& filter) {
    return dialogs().savefile(title, suggested, filter);
}

QString folderbox(const QString& prompt, const QString& title, const QString& defaulttext) {
    return dialogs().folderinput(prompt, titleor(title), defaulttext).value_or(QString());
}

QString choosefolderbox(const QString& title, const QString& start) {
    return dialogs().choosefolder(titleor(title), start);
}
