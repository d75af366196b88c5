#pragma once

#include <QListWidget>

#include <functional>

// Every key the coach teaches, in the order they join: each key in play named above a bar of its
// confidence, the keys still to come greyed. Choosing a key in play, by a click or by the arrow
// keys, asks for it as the focus key.
class KeyLadder : public QListWidget {
    Q_OBJECT
public:
    explicit KeyLadder(QWidget* parent);
    // `confidence` gives a key's, from 0 to 1.
    void showkeys(const QList<QChar>& order, const QString& inplay, QChar focus,
                  const std::function<double(QChar)>& confidence);
    QChar keyat(int row) const;

signals:
    void chosen(QChar key);

private:
    bool filling = false; // the program fills or selects; nobody chose
};
