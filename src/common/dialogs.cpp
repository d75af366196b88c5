#include "dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

class QtDialogs : public Dialogs {
public:
    MsgResult message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override {
        QMessageBox box(qtIcon(icon), title, text,
                        buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                        QApplication::activeWindow());
        // Messages can carry a player's name or a path: never markup.
        box.setTextFormat(Qt::PlainText);
        const int answer = box.exec();
        if (buttons == MsgButtons::Ok)
            return MsgResult::Ok;
        return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    }

    QString input(const QString& prompt, const QString& title,
                  const QString& defaulttext) override {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                   QLineEdit::Normal, defaulttext, &ok);
        return ok ? text : QString();
    }

    QString savefile(const QString& title, const QString& suggested,
                     const QString& filter) override {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter);
    }

private:
    static QMessageBox::Icon qtIcon(MsgIcon icon) {
        switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Error:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }
};

Dialogs* current = nullptr;

Dialogs& dialogs() {
    static QtDialogs real;
    if (current)
        return *current;
    return real;
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
    return dialogs().input(prompt, titleor(title), defaulttext);
}

QString savefilebox(const QString& title, const QString& suggested, const QString& filter) {
    return dialogs().savefile(title, suggested, filter);
}
