#pragma once

#include <QListView>
#include <QStringList>

class HallRows;

// The hall's list: one line of text a row, and hundreds of thousands of them. A plain list of
// strings behind a view, rather than an item object a row, keeps filling it and letting it go
// quick.
class HallList : public QListView {
    Q_OBJECT
public:
    explicit HallList(QWidget* parent = nullptr);
    // Adds rows below those shown.
    void addItems(const QStringList& more);
    int count() const;
    QString text(int row) const;
    void clear();

private:
    HallRows* rows;
};
