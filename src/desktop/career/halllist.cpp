#include "career/halllist.h"

#include <QAbstractListModel>

class HallRows : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return rows.at(index.row());
        return {};
    }
    void append(const QStringList& more) {
        if (more.isEmpty())
            return;
        beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(more.size()) - 1);
        rows += more;
        endInsertRows();
    }
    void clear() {
        beginResetModel();
        rows.clear();
        endResetModel();
    }
    const QStringList& all() const { return rows; }

private:
    QStringList rows;
};

HallList::HallList(QWidget* parent) : QListView(parent), rows(new HallRows(this)) {
    setModel(rows);
}

void HallList::addItems(const QStringList& more) {
    rows->append(more);
}

int HallList::count() const {
    return rows->rowCount();
}

QString HallList::text(int row) const {
    return rows->all().value(row);
}

void HallList::clear() {
    rows->clear();
}
