#pragma once

#include <QListWidget>

#include <functional>

// Every key the coach teaches, in the order they join: each key in play named above a bar of its
// confidence, the keys still to come greyed, a held key (one that no longer holds the next back)
// named in italics over a hatched bar. Choosing a key in play, by a click or by the arrow keys,
// asks for it as the focus key.
class KeyLadder : public QListWidget {
    Q_OBJECT
public:
    explicit KeyLadder(QWidget* parent);
    // `confidence` gives a key's, from 0 to 1; `held` describes a held key, and is empty for
    // any other.
    void showkeys(const QList<QChar>& order, const QString& inplay, QChar focus,
                  const std::function<double(QChar)>& confidence,
                  const std::function<QString(QChar)>& held = {});
    QChar keyat(int row) const;

signals:
    void chosen(QChar key);

private:
    bool filling = false; // the program fills or selects; nobody chose
};
