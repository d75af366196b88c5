#include "common/desktopdialogs.h"

#include "common/folderprompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
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

} // namespace

MsgResult DesktopDialogs::message(const QString& text, const QString& title, MsgIcon icon,
                                  MsgButtons buttons) {
    const std::unique_ptr<QMessageBox> box = messagebox(text, title, icon, buttons);
    const int answer = box->exec();
    if (!isyesno(buttons))
        return MsgResult::Ok;
    return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}

std::optional<QString> DesktopDialogs::input(const QString& prompt, const QString& title,
                                             const QString& defaulttext) {
    const std::unique_ptr<QInputDialog> box = inputdialog(prompt, title, defaulttext);
    if (box->exec() != QDialog::Accepted)
        return std::nullopt;
    return box->textValue();
}

QString DesktopDialogs::savefile(const QString& title, const QString& suggested,
                                 const QString& filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter);
}

std::optional<QString> DesktopDialogs::folderinput(const QString& prompt, const QString& title,
                                                   const QString& defaulttext) {
    FolderPrompt box(prompt, title, defaulttext, QApplication::activeWindow());
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.answer->text();
}

QString DesktopDialogs::choosefolder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start);
}

int titlewidth(const QString& title) {
    // Window managers draw titles in a bold face somewhat larger than the text's, and keep room
    // for their own buttons beside it.
    QFont titlefont = QApplication::font();
    titlefont.setBold(true);
    titlefont.setPointSizeF(titlefont.pointSizeF() * 1.2);
    constexpr int buttonsroom = 144;
    return QFontMetrics(titlefont).horizontalAdvance(title) + buttonsroom;
}

std::unique_ptr<QMessageBox> messagebox(const QString& text, const QString& title, MsgIcon icon,
                                        MsgButtons buttons) {
    auto box = std::make_unique<QMessageBox>(qtIcon(icon), title, text,
                                             isyesno(buttons) ? QMessageBox::Yes | QMessageBox::No
                                                              : QMessageBox::Ok,
                                             QApplication::activeWindow());
    // Messages can carry a player's name or a path: never markup.
    box->setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNoDefaultNo) {
        box->setDefaultButton(QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
    }
    // A message box sizes itself to its text; a spacer across its grid is the one way to
    // widen it.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(
            new QSpacerItem(titlewidth(title), 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
            grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

std::unique_ptr<QInputDialog> inputdialog(const QString& prompt, const QString& title,
                                          const QString& defaulttext) {
    auto box = std::make_unique<QInputDialog>(QApplication::activeWindow());
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->setTextValue(defaulttext);
    // The dialog's layout sets its size from what it holds, so the prompt is what widens it.
    if (auto* label = box->findChild<QLabel*>()) {
        const QMargins margins = box->layout() ? box->layout()->contentsMargins() : QMargins();
        label->setMinimumWidth(titlewidth(title) - margins.left() - margins.right());
    }
    return box;
}
