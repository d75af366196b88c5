#include "common/typingtextsize.h"

#include "common/dialogs.h"
#include "typing/textsize.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Every window that types follows one size; the file is read when the first one opens.
class TextSizeNews : public QObject {
    Q_OBJECT
public:
    static TextSizeNews* instance() {
        static TextSizeNews news;
        return &news;
    }
    int percent() {
        if (!read) {
            read = true;
            size = kepttextsize(filestate);
        }
        return size;
    }
    void change(int to) {
        percent();
        if (to == size)
            return;
        size = to;
        emit changed(to);
        // As the sound settings: a file not to be written over is left alone, the player told
        // why once a run; a damaged one set aside is told as it happens.
        const SettingsWrite write =
            filestate.unkept ? SettingsWrite{false, filestate.said} : keeptextsize(to);
        if (write.said.isEmpty() || (!write.written && toldunkept))
            return;
        toldunkept = toldunkept || !write.written;
        msgbox(write.said, MsgIcon::Exclamation);
    }

signals:
    void changed(int percent);

private:
    bool read = false;
    SettingsRead filestate;
    bool toldunkept = false;
    int size = defaulttextsize;
};

int scaled(int length, double factor) {
    return static_cast<int>(std::lround(length * factor));
}

} // namespace

TypingTextSize::TypingTextSize(QWidget* window, QLabel* target, QLineEdit* box, QWidget* beside)
    : QObject(window), window(window), target(target), box(box), beside(beside),
      targetfont(target->font()), boxfont(box->font()) {
    fixed = window->minimumSize() == window->maximumSize();
    if (fixed) {
        windowsize = window->size();
        targetplace = target->geometry();
        boxplace = box->geometry();
        if (beside)
            besideplace = beside->geometry();
    }
    const auto shortcut = [this, window](const QKeySequence& keys, auto step) {
        auto* s = new QShortcut(keys, window);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [step] { change(step(percent())); });
    };
    const auto larger = [](int p) { return largertextsize(p); };
    shortcut(QKeySequence::ZoomIn, larger);
    // Ctrl+= is where the plus sign lies without Shift on many keyboards.
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), larger);
    shortcut(QKeySequence::ZoomOut, [](int p) { return smallertextsize(p); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [](int) { return defaulttextsize; });
    connect(TextSizeNews::instance(), &TextSizeNews::changed, this, &TypingTextSize::apply);
    if (percent() != defaulttextsize)
        apply(percent());
}

int TypingTextSize::percent() {
    return TextSizeNews::instance()->percent();
}

void TypingTextSize::change(int percent) {
    TextSizeNews::instance()->change(percent);
}

void TypingTextSize::apply(int percent) {
    const double factor = percent / 100.0;
    for (auto [control, font] : {std::pair<QWidget*, QFont>{target, targetfont}, {box, boxfont}}) {
        font.setPointSizeF(font.pointSizeF() * factor);
        control->setFont(font);
    }
    if (fixed) {
        // Smaller text leaves the places as they are; larger text takes more room, never less.
        const double grow = std::max(factor, 1.0);
        const QRect t(targetplace.topLeft(),
                      QSize(scaled(targetplace.width(), grow), scaled(targetplace.height(), grow)));
        const int gap = boxplace.top() - targetplace.bottom();
        const QRect b(QPoint(boxplace.left(), t.bottom() + gap),
                      QSize(scaled(boxplace.width(), grow), scaled(boxplace.height(), grow)));
        target->setGeometry(t);
        box->setGeometry(b);
        if (beside) {
            // It keeps to its row, the target's or the box's, and to its side of it.
            const bool boxrow = besideplace.center().y() >= boxplace.top();
            const QRect& was = boxrow ? boxplace : targetplace;
            const QRect& now = boxrow ? b : t;
            const int right = besideplace.left() > was.center().x() ? now.right() - was.right() : 0;
            beside->setGeometry(besideplace.left() + right, now.top(), besideplace.width(),
                                now.height());
        }
        window->setFixedSize(windowsize.width() + (b.width() - boxplace.width()),
                             windowsize.height() + (b.bottom() - boxplace.bottom()));
    }
    emit resized();
}

#include "typingtextsize.moc"
