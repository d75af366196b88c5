#include "saves/savesdialog.h"

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

SavesDialog::SavesDialog(const char* name, const QString& caption, int widthtwips,
                         const QString& buttoncaption)
    : folder(apppath()) {
    setupsidewindow(this, name, caption);
    // Both dialogs place the list and the box 4695 twips wide; the Load dialog is narrower, and
    // there they end at its edge rather than past it.
    const int right = std::min(4695, widthtwips);
    File1 = placed(new QListWidget(this), "File1", 0, 0, right, 2340);
    File1->setAccessibleName(QStringLiteral("Saved games"));
    Label1 = placed(new QLabel(QStringLiteral("Filename:"), this), "Label1", 0, 2400, 1335, 255);
    // Made after the label it overlaps, so it lies on top.
    txtpath = placed(new QLineEdit(this), "txtpath", 960, 2400, right - 960, 285);
    txtpath->setAccessibleName(QStringLiteral("Filename"));
    Label1->setBuddy(txtpath);
    Command1 = placed(new QPushButton(buttoncaption, this), "Command1", 120, 2760, 4455, 255);
    setFixedSize(twips(widthtwips), twips(3090));
    centreonscreen(this);

    // Choosing a row with the keys picks it as well as a click does.
    connect(File1, &QListWidget::itemSelectionChanged, this, &SavesDialog::File1_Click);
    connect(File1, &QListWidget::itemClicked, this, &SavesDialog::File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &SavesDialog::File1_DblClick);
    // Enter on a picked row does what a double click does; with no row picked it does nothing.
    onenterkey(File1, [this] {
        if (!currenttext(File1).isEmpty())
            File1_DblClick();
    });
    closeonescape(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    refresh();
}

void SavesDialog::refresh() {
    // Exact case, like the ending the dialogs take off and put back: a "X.KVR" listed here
    // could not be opened under the name it would be given.
    const QStringList names = QDir(folder).entryList({QStringLiteral("*") + ending},
                                                     QDir::Files | QDir::CaseSensitive, QDir::Name);
    const QSignalBlocker quiet(File1);
    File1->clear();
    File1->addItems(names);
}

void SavesDialog::File1_Click() {
    QString name = currenttext(File1);
    if (!name.isEmpty())
        txtpath->setText(name.remove(ending, Qt::CaseSensitive));
}

void SavesDialog::File1_DblClick() {
    File1_Click();
    Command1_Click();
}

QString SavesDialog::gamefile() const {
    return folder + txtpath->text() + ending;
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
