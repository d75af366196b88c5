// The windows' language: which one a desktop and the player's choice give, how the choice is
// kept, and which catalogues are loaded for it.
#include "language/catalogues.h"
#include "language/languagechoice.h"
#include "language/languages.h"

#include <QCoreApplication>
#include <QTest>

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void windowlanguage_data();
    void windowlanguage();
    void choicefile_data();
    void choicefile();
    void catalogues_data();
    void catalogues();
};

void LanguagesTest::windowlanguage_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("language");
    // clang-format off
    QTest::newRow("German desktop") << "" << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Brazilian desktop") << "" << QStringList{"pt-BR"} << "pt";
    QTest::newRow("a locale's whole name") << "" << QStringList{"fr_CA.UTF-8"} << "fr";
    QTest::newRow("upper case") << "" << QStringList{"IT"} << "it";
    QTest::newRow("English first, German second") << "" << QStringList{"en-GB", "de"} << "en";
    QTest::newRow("Dutch first, Spanish second") << "" << QStringList{"nl-NL", "es-ES"} << "es";
    QTest::newRow("none spoken") << "" << QStringList{"ja-JP", "nl"} << "en";
    QTest::newRow("no desktop language") << "" << QStringList{} << "en";
    QTest::newRow("chosen over the desktop") << "it" << QStringList{"de-DE"} << "it";
    QTest::newRow("English chosen on a French desktop") << "en" << QStringList{"fr"} << "en";
    QTest::newRow("a choice not spoken") << "nl" << QStringList{"de"} << "de";
    // clang-format on
}

void LanguagesTest::windowlanguage() {
    QFETCH(QString, choice);
    QFETCH(QStringList, desktop);
    QTEST(::windowlanguage(choice, desktop), "language");
}

void LanguagesTest::choicefile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("reading");
    const int whole = int(Reading::Whole), damaged = int(Reading::Damaged);
    // clang-format off
    QTest::newRow("German") << QByteArray("\"keystrider-language\",1,\"language\",\"de\"\r\n") << "de" << whole;
    QTest::newRow("System") << QByteArray("\"keystrider-language\",1,\"language\",\"system\"\r\n") << "" << whole;
    QTest::newRow("LF alone") << QByteArray("\"keystrider-language\",1,\"language\",\"pt\"\n") << "pt" << whole;
    QTest::newRow("a name not known skipped") << QByteArray("\"keystrider-language\",1,\"font\",\"big\",\"language\",\"es\"\r\n") << "es" << whole;
    QTest::newRow("a language not spoken") << QByteArray("\"keystrider-language\",1,\"language\",\"xx\"\r\n") << "" << damaged;
    QTest::newRow("a name without its value") << QByteArray("\"keystrider-language\",1,\"language\"\r\n") << "" << damaged;
    QTest::newRow("another file's line") << QByteArray("\"keystrider-sound\",1,\"volume\",75\r\n") << "" << damaged;
    QTest::newRow("a newer copy's") << QByteArray("\"keystrider-language\",2,\"language\",\"fr\"\r\n") << "fr" << int(Reading::Newer);
    // clang-format on
}

void LanguagesTest::choicefile() {
    QFETCH(QByteArray, bytes);
    QString choice = QStringLiteral("unset");
    QTEST(int(readlanguagechoice(bytes, choice)), "reading");
    QTEST(choice, "choice");
    // What is read is written back the same, and reads whole.
    QString again;
    QCOMPARE(readlanguagechoice(languagechoiceline(choice), again), Reading::Whole);
    QCOMPARE(again, choice);
}

void LanguagesTest::catalogues_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("own");       // the language's own catalogue was found
    QTest::addColumn<QString>("loaded"); // what was loaded in its place
    QTest::newRow("English") << "en" << false << "en";
    QTest::newRow("German") << "de" << true << "de";
    QTest::newRow("Portuguese") << "pt" << true << "pt";
    QTest::newRow("the pseudo-language") << "en_XA" << true << "en_XA";
    QTest::newRow("no catalogue") << "nl" << false << "en";
}

void LanguagesTest::catalogues() {
    QFETCH(QString, language);
    Catalogues catalogues;
    QTEST(catalogues.load(language, {QStringLiteral("/nonexistent"), QStringLiteral(BUILD_FOLDER)}),
          "own");
    QTEST(catalogues.language(), "loaded");
    // Installed, a text reads as the catalogue has it; taken away, as the source has it.
    const char* source = "keystrider: the game takes no arguments; see keystrider --help";
    catalogues.install();
    const QString said = QCoreApplication::translate("main", source);
    QCOMPARE(said.startsWith(QLatin1Char('[')), language == QLatin1String("en_XA"));
    catalogues.remove();
    QCOMPARE(QCoreApplication::translate("main", source), QLatin1String(source));
}

QTEST_GUILESS_MAIN(LanguagesTest)
#include "languages_test.moc"
