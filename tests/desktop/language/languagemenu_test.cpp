// Others, Language: the choices as a screen reader meets them, the choice kept for the next
// start and said at once, and a file a newer copy wrote left alone.
#include "language/languagemenu.h"
#include "support/form1fixture.h"

#include <QAccessible>
#include <QAction>
#include <QTest>

class LanguageMenuTest : public QObject {
    Q_OBJECT
private slots:
    void choices();
    void choosing_data();
    void choosing();
};

namespace {

QStringList captions(const LanguageMenu& menu) {
    QStringList all;
    for (const QAction* item : menu.items)
        all.append(item->text());
    return all;
}

QAction* itemof(const LanguageMenu& menu, const QString& code) {
    for (QAction* item : menu.items)
        if (item->data().toString() == code)
            return item;
    return nullptr;
}

} // namespace

// Reached from the main window, each language in its own name, System chosen at first, and
// each read as one of a choice, on or off.
void LanguageMenuTest::choices() {
    Form1Fixture fixture;
    LanguageMenu* menu = fixture.form.languagemenu;
    QVERIFY(fixture.form.othersmenu->actions().contains(menu->menuAction()));
    QCOMPARE(captions(*menu), (QStringList{"System", "English", "Deutsch", "Français", "Español",
                                           "Italiano", "Português"}));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
    for (QAction* item : menu->items) {
        QAccessibleInterface* read = list->child(int(menu->actions().indexOf(item)));
        QVERIFY(read && read->object() == item);
        QCOMPARE(int(read->role()), int(QAccessible::RadioButton));
        QCOMPARE(bool(read->state().checked), item == menu->items.first());
    }
}

void LanguageMenuTest::choosing_data() {
    QTest::addColumn<QByteArray>("before"); // language.dat as the menu finds it
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("checked"); // what the menu shows chosen afterwards
    QTest::addColumn<QStringList>("said");
    const QByteArray german = "\"keystrider-language\",1,\"language\",\"de\"\r\n";
    const QByteArray newer = "\"keystrider-language\",2,\"language\",\"fr\"\r\n";
    const QString nextstart = QStringLiteral("From the next start, Keystrider speaks %1.");
    // clang-format off
    QTest::newRow("Deutsch") << QByteArray() << "de" << german << "de" << QStringList{nextstart.arg("Deutsch")};
    QTest::newRow("back to System") << german << "" << QByteArray("\"keystrider-language\",1,\"language\",\"system\"\r\n") << ""
        << QStringList{"From the next start, Keystrider speaks the language of your desktop."};
    QTest::newRow("English on a German choice") << german << "en" << QByteArray("\"keystrider-language\",1,\"language\",\"en\"\r\n") << "en" << QStringList{nextstart.arg("English")};
    QTest::newRow("the choice already kept") << german << "de" << german << "de" << QStringList{};
    QTest::newRow("a newer copy's file") << newer << "it" << newer << "fr"
        << QStringList{"language.dat was written by a newer copy of the game, so it is left as it is: the language chosen is not kept."};
    // clang-format on
}

void LanguageMenuTest::choosing() {
    QFETCH(QByteArray, before);
    QFETCH(QString, choice);
    GameFixture fixture;
    if (!before.isEmpty())
        fixture.writefile(QStringLiteral("language.dat"), before);
    LanguageMenu menu;
    QAction* item = itemof(menu, choice);
    QVERIFY(item);
    item->trigger();
    QByteArray kept;
    readwholefile(fixture.folder() + QStringLiteral("language.dat"), kept);
    QTEST(kept, "after");
    QTEST(fixture.dialogs.texts(), "said");
    QFETCH(QString, checked);
    QCOMPARE(itemof(menu, checked)->isChecked(), true);
    // At the next start the menu shows what was kept.
    LanguageMenu next;
    QCOMPARE(itemof(next, checked)->isChecked(), true);
}

QTEST_MAIN(LanguageMenuTest)
#include "languagemenu_test.moc"
