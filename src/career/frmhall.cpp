#include "career/frmhall.h"

#include "common/layout.h"
#include "common/program.h"
#include "common/programfolder.h"
#include "common/textfile.h"
#include "common/twips.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QPointer>

frmhall::frmhall(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmhall", QStringLiteral("Vivo Re Zazede"));
    setFixedSize(twips(4680), twips(3015));
    List1 = placed(new QListWidget(this), "List1", 0, 0, 4695, 2985);
}

void frmhall::load() {
    QByteArray bytes;
    if (!readwholefile(apppath() + QStringLiteral("hall.dat"), bytes))
        return;
    FieldReader reader(std::move(bytes));
    QPointer<frmhall> self(this);
    QElapsedTimer sincepump;
    sincepump.start();
    QString entry;
    while (reader.next(entry)) {
        // Keep other windows usable through a long file, without pumping per entry.
        if (sincepump.elapsed() > 30) {
            doevents();
            if (!self)
                return;
            sincepump.restart();
        }
        List1->addItem(entry);
    }
}
