#include "career/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVR"));
    // The main window stays hidden until a game is started or loaded, so the last window
    // closing must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
