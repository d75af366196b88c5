#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// Tells when a dead key goes down in a typing box, whose text does not change for it. Qt reports
// one as a key press of a Qt::Key_Dead_* key, or an input method shows it as a preedit with
// nothing committed; but where Qt's own compose support takes the key on X11, the box hears
// nothing, so the X server's key press is read too, before Qt takes it.
class DeadKeyWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // isdead tells whether the key of an evdev code is a dead key on the layout in use.
    DeadKeyWatcher(QWidget* box, std::function<bool(int)> isdead);

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

signals:
    void deadkey();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> box;
    std::function<bool(int)> isdead;
};
