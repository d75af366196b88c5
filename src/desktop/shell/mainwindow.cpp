#include "shell/mainwindow.h"

#include "shell/form1.h"

std::unique_ptr<QWidget> startmainwindow() {
    auto form = std::make_unique<Form1>();
    form->Form_Load();
    return form;
}
