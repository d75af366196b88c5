#include "support/gamelist.h"

#include "saves/savesdialog.h"

#include <QListWidget>
#include <QTest>

QStringList listedgames(const SavesDialog* dialog) {
    QStringList rows;
    for (int i = 0; i < dialog->games->count(); ++i)
        rows << dialog->games->item(i)->text();
    return rows;
}

void pickgame(SavesDialog* dialog, const QString& name, bool twice) {
    dialog->games->doItemsLayout();
    const QListWidgetItem* row = dialog->games->item(listedgames(dialog).indexOf(name));
    const QPoint at = dialog->games->visualItemRect(row).center();
    QTest::mouseClick(dialog->games->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(dialog->games->viewport(), Qt::LeftButton, {}, at);
}
