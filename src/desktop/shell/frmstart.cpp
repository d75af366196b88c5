#include "shell/frmstart.h"

#include "common/controls.h"
#include "common/layout.h"

#include <QCloseEvent>
#include <QPushButton>

namespace {

QPushButton* choice(QWidget* window, const char* name, const QString& caption, int left,
                    std::function<void()> action) {
    auto* button = placed(new QPushButton(caption, window), name, left, 120, 1215, 375);
    QObject::connect(button, &QPushButton::clicked, window, std::move(action));
    return button;
}

} // namespace

frmstart::frmstart(std::function<void()> newgame, std::function<void()> loadgame,
                   std::function<void()> exitgame)
    : exitgame(exitgame) {
    setupsidewindow(this, "frmstart", QStringLiteral("Keystrider"));
    cmdnew = choice(this, "cmdnew", tr("New"), 120, std::move(newgame));
    cmdload = choice(this, "cmdload", tr("Load"), 1455, std::move(loadgame));
    cmdexit = choice(this, "cmdexit", tr("Exit"), 2790, std::move(exitgame));
    setFixedSize(twips(4125), twips(615));
    centreonscreen(this);
}

void frmstart::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (exitgame)
        exitgame();
}
