#include "career/mainwindow.h"

#include "career/form1.h"

std::unique_ptr<QWidget> startmainwindow() {
    auto form = std::make_unique<Form1>();
    form->Form_Load();
    return form;
}
