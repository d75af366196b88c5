#include "career/frmstart.h"

#include "career/form1.h"
#include "common/controls.h"
#include "common/layout.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>

namespace {

// Each button runs the File menu's own item, so it does exactly what the menu does.
QPushButton* choice(QWidget* window, const char* name, const QString& caption, int left,
                    QAction* Form1::*item) {
    auto* button = placed(new QPushButton(caption, window), name, left, 120, 1215, 375);
    QObject::connect(button, &QPushButton::clicked, window, [item] {
        if (Form1* main = Form1::instance())
            (main->*item)->trigger();
    });
    return button;
}

} // namespace

frmstart::frmstart() {
    setupsidewindow(this, "frmstart", QStringLiteral("Keystrider"));
    cmdnew = choice(this, "cmdnew", QStringLiteral("New"), 120, &Form1::newer);
    cmdload = choice(this, "cmdload", QStringLiteral("Load"), 1455, &Form1::loader);
    cmdexit = choice(this, "cmdexit", QStringLiteral("Exit"), 2790, &Form1::bye);
    setFixedSize(twips(4125), twips(615));
    centreonscreen(this);
}

void frmstart::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (Form1* main = Form1::instance())
        main->bye->trigger();
}
