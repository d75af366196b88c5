#include "coach/keyladder.h"

#include "coach/confidence.h"
#include "keyboard/keyboardphysical.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int confidencerole = Qt::UserRole;
constexpr int keyrole = Qt::UserRole + 1;
constexpr int heldrole = Qt::UserRole + 2;
constexpr int leftrole = Qt::UserRole + 3;
constexpr int keptrole = Qt::UserRole + 4;

// A key's name, and under it its bar when it is in play.
class KeyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // Room for the longest name ("Space") over its bar; the icon view's own size has no bar.
    static QSize cell(const QFontMetrics& metrics) {
        return {metrics.horizontalAdvance(keyname(QLatin1Char(' '))) + 8, metrics.height() + 12};
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return cell(option.fontMetrics);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem look(option);
        initStyleOption(&look, index);
        const QRect box = option.rect.adjusted(1, 1, -1, -1);
        const bool inplay = index.flags() & Qt::ItemIsSelectable;
        const QPalette& palette = option.palette;
        if (option.state & QStyle::State_Selected)
            painter->fillRect(box, palette.brush(QPalette::Highlight));
        painter->setPen(palette.color(option.state & QStyle::State_Selected
                                          ? QPalette::HighlightedText
                                      : inplay ? QPalette::Text
                                               : QPalette::PlaceholderText));
        const QRect name(box.left(), box.top(), box.width(), box.height() - 7);
        // A held key is set apart by shape, not colour: it reads in any theme.
        const bool held = index.data(heldrole).toBool();
        QFont font = option.font;
        font.setItalic(held);
        font.setStrikeOut(index.data(leftrole).toBool());
        font.setUnderline(index.data(keptrole).toBool());
        painter->setFont(font);
        painter->drawText(name, Qt::AlignCenter, look.text);
        if (!inplay)
            return;
        const QRect bar(box.left() + 3, box.bottom() - 6, box.width() - 6, 5);
        painter->fillRect(bar, palette.brush(QPalette::Base));
        const double value = index.data(confidencerole).toDouble();
        QBrush fill = palette.brush(QPalette::Highlight); // as a progress bar fills
        if (held)
            fill.setStyle(Qt::Dense4Pattern);
        painter->fillRect(QRect(bar.left(), bar.top(), qRound(bar.width() * value), bar.height()),
                          fill);
        painter->setPen(palette.color(QPalette::Mid));
        painter->drawRect(bar.adjusted(0, 0, -1, -1));
    }
};

} // namespace

KeyLadder::KeyLadder(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("keyladder"));
    setAccessibleName(tr("Keys"));
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    const QSize cell = KeyDelegate::cell(fontMetrics());
    setGridSize(cell);
    setItemDelegate(new KeyDelegate(this));
    setFixedHeight(cell.height() * 3 + 2 * frameWidth() + 4);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling && row >= 0 && (item(row)->flags() & Qt::ItemIsSelectable))
            emit chosen(keyat(row));
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
        if (it->flags() & Qt::ItemIsSelectable)
            emit keptfocus(it->data(keyrole).value<QChar>());
    });
}

void KeyLadder::keyPressEvent(QKeyEvent* event) {
    const QListWidgetItem* it = currentItem();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && it &&
        (it->flags() & Qt::ItemIsSelectable)) {
        emit keptfocus(currentkey());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void KeyLadder::contextMenuEvent(QContextMenuEvent* event) {
    // By the mouse, the key under it; by the menu key, the key the ladder is at.
    QListWidgetItem* it =
        event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : currentItem();
    if (!it)
        return;
    setCurrentItem(it);
    const QChar key = it->data(keyrole).value<QChar>();
    QMenu menu(this);
    QAction* focus = menu.addAction(tr("Focus of the drills"));
    focus->setCheckable(true);
    focus->setChecked(key == keptkey);
    focus->setEnabled(it->flags() & Qt::ItemIsSelectable);
    QAction* out = menu.addAction(tr("Leave out"));
    out->setCheckable(true);
    out->setChecked(left.contains(key));
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
                          ? event->globalPos()
                          : viewport()->mapToGlobal(visualItemRect(it).center());
    QAction* picked = menu.exec(at);
    if (picked == focus)
        emit keptfocus(key);
    else if (picked == out)
        emit leaveout(key, out->isChecked());
}

QChar KeyLadder::keyat(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(keyrole).value<QChar>() : QChar();
}

void KeyLadder::showkeys(const QList<QChar>& order, const QString& inplay, QChar focus,
                         const std::function<double(QChar)>& confidence,
                         const std::function<QString(QChar)>& held, QChar kept,
                         const QString& leftout) {
    filling = true;
    left = leftout;
    keptkey = kept;
    // Items are made once per key and reused, so a drill's end does not rebuild the list.
    while (count() > order.size())
        delete takeItem(count() - 1);
    while (count() < order.size())
        addItem(new QListWidgetItem);
    int focusrow = -1;
    for (int row = 0; row < order.size(); ++row) {
        QListWidgetItem* it = item(row);
        const QChar key = order[row];
        const bool playing = inplay.contains(key);
        const int percent = playing ? confidencepercent(confidence(key)) : 0;
        const QString name = keyname(key);
        it->setText(name);
        it->setData(keyrole, QVariant::fromValue(key));
        it->setData(confidencerole, playing ? confidence(key) : 0.0);
        it->setFlags(playing ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
        const QString heldkey = playing && held ? held(key) : QString();
        it->setData(heldrole, !heldkey.isEmpty());
        it->setData(leftrole, leftout.contains(key));
        it->setData(keptrole, key == kept);
        QString spoken = !heldkey.isEmpty() ? heldkey
                         : playing ? tr("%1, confidence %2 %").arg(name).arg(percent)
                                   : tr("%1, not in play yet").arg(name);
        if (key == kept)
            spoken = tr("%1, the focus of the drills until you clear it").arg(spoken);
        if (leftout.contains(key))
            spoken = tr("%1, left out of the drills").arg(spoken);
        it->setData(Qt::AccessibleTextRole, spoken);
        it->setToolTip(it->data(Qt::AccessibleTextRole).toString());
        if (key == focus)
            focusrow = row;
    }
    setCurrentRow(focusrow);
    filling = false;
}
