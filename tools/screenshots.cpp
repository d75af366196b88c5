// Renders each window of the game to a PNG without a display, so anyone can look at every
// window without playing.
#include "career/form1.h"
#include "career/frmhall.h"
#include "common/program.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

namespace {
QString outdir;

void save(QWidget* w, const QString& name) {
    w->grab().save(outdir + QLatin1Char('/') + name + QStringLiteral(".png"));
}
void hallwindow() {
    frmhall hall;
    hall.List1->addItems({QStringLiteral("Ace scored 4500 points!"),
                          QStringLiteral("Quick Fingers scored 1250000 points!")});
    save(&hall, QStringLiteral("frmhall"));
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    outdir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outdir);
    setendprogram([] {});

    Form1 form;
    form.playername = QStringLiteral("Ace");
    form.money = 250;
    form.updatelog(QStringLiteral("Objectives: To raise to Typist Rank 8 so that"));
    form.updatelog(QStringLiteral("you will be hired by QuendleSoft as a typist or"));
    form.loaded();
    form.Timer1_Timer();
    save(&form, QStringLiteral("Form1"));
    for (QMenu* menu : {form.asd, form.coun, form.tpl, form.fasdfasfas, form.sdfasdfasfasf}) {
        menu->adjustSize();
        save(menu, QStringLiteral("Form1-menu-") + menu->objectName());
    }
    hallwindow();
    return 0;
}
