#pragma once

#include <QWidget>

class HallList;

// A line a success; one of 10 MB (a name nobody types) still fits.
inline constexpr qint64 largesthall = 16 * 1024 * 1024;

// The Vivo re Zazede: every successful career, oldest first.
class frmhall : public QWidget {
    Q_OBJECT
public:
    explicit frmhall(QWidget* parent = nullptr);
    // Adds the file's entries below what the list already shows.
    void load();

    HallList* List1;
};
