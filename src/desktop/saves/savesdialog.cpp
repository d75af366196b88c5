#include "saves/savesdialog.h"

#include "career/career.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "common/programfolder.h"

#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

SavesDialog::SavesDialog(Career* career, const char* name, const QString& caption, int widthtwips,
                         const QString& buttoncaption)
    : savedgames(apppath()), career(career) {
    setupsidewindow(this, name, caption);
    // Both dialogs place the list and the box 4695 twips wide; the Load dialog is narrower, and
    // there they end at its edge rather than past it.
    const int right = std::min(4695, widthtwips);
    games = placed(new QListWidget(this), "File1", 0, 0, right, 2340);
    games->setAccessibleName(tr("Saved games"));
    filenamecaption = placed(new QLabel(tr("Filename:"), this), "Label1", 0, 2400, 1335, 255);
    // Made after the label it overlaps, so it lies on top.
    filename = placed(new QLineEdit(this), "txtpath", 960, 2400, right - 960, 285);
    filename->setAccessibleName(tr("Filename"));
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
    const QStringList names = savedgames.list();
    const QSignalBlocker quiet(games);
    games->clear();
    games->addItems(names);
}

void SavesDialog::pickgame() {
    const QString name = currenttext(games);
    if (!name.isEmpty())
        filename->setText(SavedGames::gamename(name));
}

void SavesDialog::pickgameandgo() {
    pickgame();
    go();
}

QString SavesDialog::gamefile() const {
    return savedgames.file(filename->text());
}

void SavesDialog::nonamegiven() {
    msgbox(tr("No path name given."), MsgIcon::Error, tr("Error"));
    hide();
}

void SavesDialog::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A minimised dialog is still there to come back to.
    if (!event->spontaneous())
        emit hidden();
}
