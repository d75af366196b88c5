#include "saves/savesdialog.h"

#include "career/career.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "common/programfolder.h"

#include <QDir>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {
const QString ending = QStringLiteral(".kvr");
}

SavesDialog::SavesDialog(Career* career, const char* name, const QString& caption,
                         int widthtwips, const QString& buttoncaption)
    : folder(apppath()), career(career) {
    setupsidewindow(this, name, caption);
    // Both dialogs place the list and the box 4695 twips wide; the Load dialog is narrower, and
    // there they end at its edge rather than past it.
    const int right = std::min(4695, widthtwips);
    games = placed(new QListWidget(this), "File1", 0, 0, right, 2340);
    games->setAccessibleName(QStringLiteral("Saved games"));
    filenamecaption = placed(new QLabel(QStringLiteral("Filename:"), this), "Label1", 0, 2400, 1335, 255);
    // Made after the label it overlaps, so it lies on top.
    filename = placed(new QLineEdit(this), "txtpath", 960, 2400, right - 960, 285);
    filename->setAccessibleName(QStringLiteral("Filename"));
    filenamecaption->setBuddy(filename);
    button = placed(new QPushButton(buttoncaption, this), "Command1", 120, 2760, 4455, 255);
    setFixedSize(twips(widthtwips), twips(3090));
    centreonscreen(this);

    // Choosing a row with the keys picks it as well as a click does.
    connect(games, &QListWidget::itemSelectionChanged, this, &SavesDialog::pickgame);
    connect(games, &QListWidget::itemClicked, this, &SavesDialog::pickgame);
    connect(games, &QListWidget::itemDoubleClicked, this, &SavesDialog::pickgameandgo);
    // Enter on a picked row does what a double click does; with no row picked it does nothing.
    onenterkey(games, [this] {
        if (!currenttext(games).isEmpty())
            pickgameandgo();
    });
    closeonescape(this);
    connect(button, &QPushButton::clicked, this, [this] { go(); });
    refresh();
}

void SavesDialog::refresh() {
    // Exact case, like the ending the dialogs take off and put back: a "X.KVR" listed here
    // could not be opened under the name it would be given.
    const QStringList names = QDir(folder).entryList({QStringLiteral("*") + ending},
                                                     QDir::Files | QDir::CaseSensitive, QDir::Name);
    const QSignalBlocker quiet(games);
    games->clear();
    games->addItems(names);
}

void SavesDialog::pickgame() {
    QString name = currenttext(games);
    if (!name.isEmpty())
        filename->setText(name.remove(ending, Qt::CaseSensitive));
}

void SavesDialog::pickgameandgo() {
    pickgame();
    go();
}

QString SavesDialog::gamefile() const {
    return folder + filename->text() + ending;
}

void SavesDialog::nonamegiven() {
    msgbox(QStringLiteral("No path name given."), MsgIcon::Error, QStringLiteral("Error"));
    hide();
}

void SavesDialog::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A minimised dialog is still there to come back to.
    if (!event->spontaneous())
        emit hidden();
}
