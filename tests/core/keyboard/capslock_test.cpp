#include "keyboard/capslock.h"

#include <QTest>

// What a keystroke tells of Caps Lock, in one call.
class CapsLockTest : public QObject {
    Q_OBJECT
private slots:
    void fromkey_data();
    void fromkey();
};

void CapsLockTest::fromkey_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("command"); // Ctrl, Alt or Meta held
    QTest::addColumn<int>("hint");
    const int unknown = int(CapsLockHint::Unknown), on = int(CapsLockHint::On),
              off = int(CapsLockHint::Off);
    // clang-format off
    QTest::newRow("small letter")             << "a" << false << false << off;
    QTest::newRow("capital without Shift")    << "A" << false << false << on;
    QTest::newRow("capital with Shift")       << "A" << true  << false << off;
    QTest::newRow("small with Shift")         << "a" << true  << false << on;
    QTest::newRow("accented capital")         << "É" << false << false << on;
    QTest::newRow("sharp s has one case")     << "ß" << false << false << unknown;
    QTest::newRow("digit")                    << "1" << false << false << unknown;
    QTest::newRow("mark with Shift")          << "!" << true  << false << unknown;
    QTest::newRow("letter with no case")      << "あ" << false << false << unknown;
    QTest::newRow("Ctrl+A")                   << "A" << false << true  << unknown;
    QTest::newRow("no text: an arrow key")    << ""  << false << false << unknown;
    QTest::newRow("two characters at once")   << "Ab" << false << false << unknown;
    // clang-format on
}

void CapsLockTest::fromkey() {
    QFETCH(QString, text);
    QFETCH(bool, shift);
    QFETCH(bool, command);
    QTEST(int(capslockfromkey(text, shift, command)), "hint");
}

QTEST_GUILESS_MAIN(CapsLockTest)
#include "capslock_test.moc"
