#include "common/firstwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QWindow>

#include <unistd.h>

namespace {

// Sees every event of the program until the first window is exposed, then leaves; what waits
// for it runs in the order it was asked for.
class FirstExpose : public QObject {
public:
    static FirstExpose* instance() {
        static QPointer<FirstExpose> watch;
        if (!watch) {
            watch = new FirstExpose;
            watch->setParent(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(watch);
        }
        return watch;
    }

    void add(QObject* context, std::function<void()> then) {
        waiting.append({context, std::move(then)});
        if (exposed)
            runsoon();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (exposed || event->type() != QEvent::Expose || !watched->isWindowType() ||
            !static_cast<QWindow*>(watched)->isExposed())
            return false;
        exposed = true;
        QCoreApplication::instance()->removeEventFilter(this);
        // The window paints as this event is handled; what waits runs right after.
        runsoon();
        return false;
    }

private:
    struct Waiting {
        QPointer<QObject> context;
        std::function<void()> then;
    };

    void runsoon() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const QList<Waiting> due = std::exchange(waiting, {});
                for (const Waiting& w : due)
                    if (w.context)
                        w.then();
            },
            Qt::QueuedConnection);
    }

    bool exposed = false;
    QList<Waiting> waiting;
};

} // namespace

void afterfirstwindow(QObject* context, std::function<void()> then) {
    FirstExpose::instance()->add(context, std::move(then));
}

void exitatfirstwindowifasked() {
    if (qEnvironmentVariableIsEmpty("KEYSTRIDER_EXIT_AT_FIRST_WINDOW"))
        return;
    afterfirstwindow(QCoreApplication::instance(), [] {
        QByteArray said = "first window: resident ? kB\n";
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:"))
                    said = "first window: resident " + line.mid(6).trimmed().chopped(2).trimmed() +
                           " kB\n";
        // Ends here, so nothing after the first window is counted.
        const ssize_t written = ::write(STDERR_FILENO, said.constData(), said.size());
        ::_exit(written == said.size() ? 0 : 1);
    });
}
