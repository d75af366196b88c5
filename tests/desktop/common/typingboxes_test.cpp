#include "coach/frmcoach.h"
#include "common/typingtextsize.h"
#include "competition/frmcars.h"
#include "keyboard/capslocknotice.h"
#include "support/careerfixture.h"
#include "typing/frmp.h"
#include "typing/textsize.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// What every typing box has beside it: word of Caps Lock, and a text size the player sets.
class TypingBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void capslock();
    void textsize();
};

namespace {

// A key as the window system hands it, to the box even while it takes no typing.
void press(QLineEdit* box, int key, const QString& text,
           Qt::KeyboardModifiers held = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, held, text);
    QApplication::sendEvent(box, &down);
    QKeyEvent up(QEvent::KeyRelease, key, held, text);
    QApplication::sendEvent(box, &up);
}

QString spoken(QWidget* label) {
    return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
}

// Whether every visible child lies whole inside the window.
bool nothingcut(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(window) && !window->rect().contains(child->geometry()))
            return false;
    return true;
}

} // namespace

void TypingBoxesTest::capslock() {
    CareerFixture fixture;
    QPointer<frmp> practice;
    QPointer<frmcars> race;
    frmcoach coach;
    const QList<std::pair<QLineEdit*, CapsLockNotice*>> boxes = {
        {fixture.open(practice)->typingbox, practice->capslock},
        {fixture.window(race)->typingbox, race->capslock},
        {coach.txttype, coach.capslock}};
    for (auto [box, notice] : boxes) {
        const QString window = box->window()->objectName();
        QVERIFY2(notice->text().isEmpty(), qPrintable(window));
        // A capital without Shift: Caps Lock is on, and a screen reader hears so.
        press(box, Qt::Key_A, QStringLiteral("A"));
        QCOMPARE(notice->text(), QStringLiteral("Caps Lock is on"));
        QCOMPARE(spoken(notice), QStringLiteral("Caps Lock is on"));
        // Beside the box, in its window.
        QCOMPARE(notice->window(), box->window());
        QVERIFY2(notice->isVisibleTo(box->window()), qPrintable(window));
        // Digits and marks say nothing; a capital with Shift says it is off.
        press(box, Qt::Key_1, QStringLiteral("1"));
        QVERIFY(notice->on());
        press(box, Qt::Key_B, QStringLiteral("B"), Qt::ShiftModifier);
        QVERIFY2(notice->text().isEmpty(), qPrintable(window));
        QVERIFY(spoken(notice).isEmpty());
        // Where the desktop can't be asked, the key itself turns it over.
        press(box, Qt::Key_CapsLock, QString());
        QVERIFY(notice->on());
        press(box, Qt::Key_CapsLock, QString());
        QVERIFY(!notice->on());
    }
}

void TypingBoxesTest::textsize() {
    CareerFixture fixture;
    QPointer<frmp> practice;
    frmp* w = fixture.open(practice);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QSize window = w->size();
    const QRect box = w->typingbox->geometry();
    const qreal points = w->target->font().pointSizeF();
    const QString entry = QStringLiteral("Coming along well, faster still");
    w->target->setText(entry);

    // Ctrl++ twice: larger text, a taller and wider box, a window grown to hold them.
    QTest::keyClick(w->typingbox, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(w->typingbox, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(TypingTextSize::percent(), 125);
    QCOMPARE(w->target->font().pointSizeF(), points * 1.25);
    QCOMPARE(w->typingbox->font().pointSizeF(), points * 1.25);
    QVERIFY(w->typingbox->height() > box.height());
    QVERIFY(w->size().height() > window.height() && w->size().width() > window.width());
    QVERIFY(nothingcut(w));
    QVERIFY(w->target->fontMetrics().horizontalAdvance(entry) <= w->target->width());
    QVERIFY(w->typingbox->geometry().top() > w->target->geometry().bottom());
    // Kept for the next start, and every window that types opens at it.
    SettingsRead read;
    QCOMPARE(kepttextsize(read), 125);
    frmcoach coach;
    QCOMPARE(coach.lbltype->font().pointSizeF(), points * 1.25);
    QCOMPARE(coach.txttype->font().pointSizeF(), coach.lbltype->font().pointSizeF());
    QPointer<frmcars> race;
    frmcars* r = fixture.window(race);
    QVERIFY(nothingcut(r));
    QCOMPARE(r->typingbox->font().pointSizeF(), points * 1.25);
    QCOMPARE(r->capslock->geometry().top(), r->typingbox->geometry().top());

    // Ctrl+- is smaller than as drawn, in every window; the windows keep their own size then.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w->typingbox, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(coach.txttype->font().pointSizeF(), points * 0.9);
    QCOMPARE(TypingTextSize::percent(), 90);
    QCOMPARE(w->typingbox->font().pointSizeF(), points * 0.9);
    QCOMPARE(w->size(), window);
    QVERIFY(nothingcut(w));
    // Ctrl+0: back as drawn.
    QTest::keyClick(w->typingbox, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(w->target->font().pointSizeF(), points);
    QCOMPARE(w->typingbox->geometry(), box);
    QCOMPARE(w->size(), window);
    QCOMPARE(kepttextsize(read), 100);
}

QTEST_MAIN(TypingBoxesTest)
#include "typingboxes_test.moc"
