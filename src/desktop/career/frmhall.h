#pragma once

#include <QWidget>

class HallList;

// The Vivo re Zazede: every successful career, oldest first.
class frmhall : public QWidget {
    Q_OBJECT
public:
    explicit frmhall(QWidget* parent = nullptr);
    // Adds the file's entries below what the list already shows.
    void load();

    HallList* List1;
};
