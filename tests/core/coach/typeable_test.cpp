#include "coach/owntext.h"
#include "coach/typeable.h"
#include "keyboard/keyboardlayout.h"

#include <QTest>

class TypeableTest : public QObject {
    Q_OBJECT
private slots:
    void readable_data();
    void readable();
    void entries_data();
    void entries();
};

void TypeableTest::readable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("sentences");
    // clang-format off
    QTest::newRow("curly quotes")    << QString::fromUtf8("\u201cHi,\u201d she said. It\u2019s \u2018fine\u2019.")
                                     << QStringList{"\"Hi,\" she said.", "It's 'fine'."};
    QTest::newRow("dashes")          << QString::fromUtf8("Wait \u2014 now \u2013 then\u2011there.")
                                     << QStringList{"Wait - now - then-there."};
    QTest::newRow("ellipsis")        << QString::fromUtf8("So\u2026what? Fine.")
                                     << QStringList{"So...what?", "Fine."};
    QTest::newRow("no-break spaces") << QString::fromUtf8("10\u00a0km and 5\u202fm\u2009away.")
                                     << QStringList{"10 km and 5 m away."};
    QTest::newRow("guillemets")      << QString::fromUtf8("\u00ab Oui \u00bb.")
                                     << QStringList{"\" Oui \"."};
    // clang-format on
}

void TypeableTest::readable() {
    QFETCH(QString, text);
    QTEST(splitsentences(readabletext(text)), "sentences");
}

void TypeableTest::entries_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("skipped");
    QTest::addColumn<QString>("typed");    // what the player types
    QTest::addColumn<QString>("accepted"); // what the coach takes it for
    // clang-format off
    QTest::newRow("é on us: typed as e")      << "us" << "café" << "café" << "" << "cafe" << "café";
    QTest::newRow("É on us: typed as E")      << "us" << "École" << "École" << "" << "Ecole" << "École";
    QTest::newRow("é itself on fr")           << "fr" << "café" << "café" << "" << "cafe" << "cafe";
    // A letter with no base letter is spelled as its language spells it without.
    QTest::newRow("ß on us: ss")              << "us" << "süß" << "süss" << "" << "suss" << "süss";
    QTest::newRow("œ on us: oe")              << "us" << QString::fromUtf8("l'œuvre") << "l'oeuvre" << "" << "l'oeuvre" << "l'oeuvre";
    QTest::newRow("Æ on us: Ae")              << "us" << QString::fromUtf8("Æsir") << "Aesir" << "" << "Aesir" << "Aesir";
    QTest::newRow("arrow skipped, one blank") << "us" << QString::fromUtf8("a \u2192 b") << "a b" << QString::fromUtf8("\u2192") << "a b" << "a b";
    QTest::newRow("emoji, a pair, skipped")   << "us" << QString::fromUtf8("ok \U0001F600") << "ok" << QString::fromUtf8("\U0001F600") << "ok" << "ok";
    QTest::newRow("nothing typeable")         << "us" << QString::fromUtf8("\u2192\u2190") << "" << QString::fromUtf8("\u2192\u2190") << "" << "";
    QTest::newRow("ü on de types itself")     << "de" << "süß" << "süß" << "" << "süß" << "süß";
    // clang-format on
}

void TypeableTest::entries() {
    QFETCH(QString, layout);
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    const KeyboardLayout keyboard = KeyboardLayout::fromnames(layout);
    QVERIFY(!keyboard.isempty());
    const TypeableEntry got = typeableentry(
        entry, [&](const QString& character) { return !keyboard.presses(character).isEmpty(); });
    QTEST(got.entry, "shown");
    QTEST(got.skipped, "skipped");
    QTEST(got.accepted(typed), "accepted");
}

QTEST_GUILESS_MAIN(TypeableTest)
#include "typeable_test.moc"
