#pragma once

#include <QListWidget>

#include <functional>

// Every key the coach teaches, in the order they join: each key in play named above a bar of its
// confidence, the keys still to come greyed, a held key (one that no longer holds the next back)
// named in italics over a hatched bar, a key left out of the drills struck through, the focus
// chosen underlined. Moving to a key in play, by a click or by the arrow keys, asks for it as the
// focus key of the next drill; Space or a click keeps it as the focus of the drills until Space
// or a click on it again clears it. The context menu (or its key) also chooses and leaves out.
class KeyLadder : public QListWidget {
    Q_OBJECT
public:
    explicit KeyLadder(QWidget* parent);
    // `confidence` gives a key's, from 0 to 1; `held` describes a held key, and is empty for
    // any other. `chosen` is the focus the player keeps, `leftout` the keys left out of drills.
    void showkeys(const QList<QChar>& order, const QString& inplay, QChar focus,
                  const std::function<double(QChar)>& confidence,
                  const std::function<QString(QChar)>& held = {}, QChar kept = {},
                  const QString& leftout = {});
    QChar keyat(int row) const;
    // The key the ladder is at, in play or not; none while it is at none.
    QChar currentkey() const { return keyat(currentRow()); }
    bool isleftout(QChar key) const { return left.contains(key); }

signals:
    void chosen(QChar key);
    // Space or a click: the focus of the drills from now on, or no longer.
    void keptfocus(QChar key);
    void leaveout(QChar key, bool out);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool filling = false; // the program fills or selects; nobody chose
    QString left;         // the keys left out, as last shown
    QChar keptkey;
};
