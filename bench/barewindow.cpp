// The start-up bench's reference: the least a Qt Widgets program shows, a window with a label
// and a line edit. It ends after its first window as the game does (common/firstwindow.h).
#include "common/firstwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    exitatfirstwindowifasked();
    QWidget window;
    window.setObjectName(QStringLiteral("bare"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Type here:")));
    layout->addWidget(new QLineEdit);
    window.show();
    return QApplication::exec();
}
