#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QGridLayout;
class QLabel;
class QProgressBar;

// A row of keys, each named above a bar of its confidence.
class ConfidenceBars : public QWidget {
    Q_OBJECT
public:
    // Shows `most` keys at the most.
    ConfidenceBars(qsizetype most, QWidget* parent);
    // `confidence` gives a key's, from 0 to 1.
    void showkeys(const QList<QChar>& keys, const std::function<double(QChar)>& confidence);

private:
    qsizetype most;
    QGridLayout* grid;
    QList<QLabel*> names;
    QList<QProgressBar*> bars;
};
