#pragma once

#include <QObject>

class QWidget;

// Key-released notifications of a typing box, one per keystroke however long a key is held.
// Under X11 a held key can arrive as release-and-press pairs sharing one timestamp that Qt does
// not always flag as repeats; such a press shows that the release just reported was not the real
// one, and the owner is told to take it back. A disabled box reports nothing.
class KeyUpWatcher : public QObject {
    Q_OBJECT
public:
    explicit KeyUpWatcher(QWidget* box);

signals:
    void keyup(int key);
    void keyupretracted(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box;
    int reportedkey = 0;
    quint64 reportedstamp = 0;
};
