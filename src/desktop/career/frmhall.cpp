#include "career/frmhall.h"

#include "career/hall.h"
#include "career/halllist.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/filereading.h"
#include "common/layout.h"
#include "common/program.h"
#include "common/programfolder.h"
#include "common/twips.h"

#include <QElapsedTimer>
#include <QPointer>

frmhall::frmhall(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmhall", QStringLiteral("Vivo Re Zazede"));
    setFixedSize(twips(4680), twips(3015));
    closeonescape(this);
    List1 = placed(new HallList(this), "List1", 0, 0, 4695, 2985);
    List1->setAccessibleName(QStringLiteral("Vivo Re Zazede"));
    // Every row is one line of text, and a long hall is laid out a slice at a time: the window
    // answers the player throughout, also while rows keep coming in.
    List1->setUniformItemSizes(true);
    List1->setLayoutMode(QListView::Batched);
    List1->setBatchSize(2000);
}

void frmhall::load() {
    QByteArray bytes;
    QPointer<frmhall> self(this);
    // A long hall comes in a part at a time, and the window answers between parts.
    const FileRead read = readfile(apppath() + hallfilename, largesthall, bytes, [&self] {
        doevents();
        return !self.isNull();
    });
    if (!self)
        return;
    if (!read.ok()) {
        // No file yet is an empty hall; one that is there and can't be read is said to be.
        if (!read.missing())
            msgbox(read.message(hallfilename), MsgIcon::Exclamation,
                   QStringLiteral("Vivo Re Zazede"));
        return;
    }
    HallEntries entries(std::move(bytes));
    QElapsedTimer sincepump;
    sincepump.start();
    QStringList batch;
    QString entry;
    while (entries.next(entry)) {
        batch.append(entry);
        // Keep other windows usable through a long file: rows go in a thousand at a time, and
        // pending events run every few milliseconds rather than per entry.
        const bool pumpdue = sincepump.elapsed() >= 10;
        if (batch.size() >= 1000 || pumpdue) {
            List1->addItems(batch);
            batch.clear();
        }
        if (pumpdue) {
            doevents();
            if (!self)
                return;
            sincepump.restart();
        }
    }
    List1->addItems(batch);
}
