// A finished language, as a new player under that desktop meets it: the name prompt, the main
// window's buttons and Qt's own standard buttons speak it; and no label or button of any window
// the screenshot tool's tour reaches is narrower than its text needs. Run once for each
// finished language, its catalogues installed (tests/CMakeLists.txt).
#include "support/form1fixture.h"
#include "support/testlanguage.h"
#include "support/windowtexts.h"
#include "windowtour.h"

#include <QDialogButtonBox>
#include <QMultiMap>
#include <QPushButton>
#include <QTest>

class FinishedLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void firstwindows();
    void layouts();
};

namespace {

// The captions of the main window's buttons, by name.
QMap<QString, QString> buttons(Form1& form) {
    QMap<QString, QString> captions;
    for (const QPushButton* button : form.findChildren<QPushButton*>())
        if (!button->text().isEmpty())
            captions.insert(button->objectName(), button->text());
    return captions;
}

} // namespace

namespace {

// Captions a language writes as English does.
const QMultiMap<QString, QString> alike{{QStringLiteral("de"), QStringLiteral("Training")},
                                        {QStringLiteral("fr"), QStringLiteral("Services")}};

} // namespace

void FinishedLanguageTest::firstwindows() {
    QVERIFY2(!testlanguage().isEmpty(), "run under a finished language");
    QString englishprompt;
    QMap<QString, QString> english;
    {
        InEnglish meanwhile;
        Form1Fixture fixture(Form1Fixture::Fresh);
        fixture.form.startnewgame();
        QVERIFY(!fixture.dialogs.shown.isEmpty());
        englishprompt = fixture.dialogs.shown.first().text;
        english = buttons(fixture.form);
    }
    Form1Fixture fixture(Form1Fixture::Fresh);
    fixture.form.startnewgame();
    QVERIFY(!fixture.dialogs.shown.isEmpty());
    const QString prompt = fixture.dialogs.shown.first().text;
    QVERIFY2(prompt != englishprompt, qPrintable(prompt));
    const QMap<QString, QString> spoken = buttons(fixture.form);
    QCOMPARE(spoken.keys(), english.keys());
    QStringList same;
    for (auto caption = spoken.cbegin(); caption != spoken.cend(); ++caption)
        if (caption.value() == english.value(caption.key()) &&
            !alike.contains(testlanguage(), caption.value()))
            same.append(caption.key() + QStringLiteral(": ") + caption.value());
    QVERIFY2(same.isEmpty(), qPrintable(same.join(QLatin1Char('\n'))));

    QDialogButtonBox standard(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    const QString cancel = standard.button(QDialogButtonBox::Cancel)->text();
    QVERIFY2(QString(cancel).remove(QLatin1Char('&')) != QLatin1String("Cancel"),
             qPrintable(cancel));
}

namespace {

// Every label and button of the tour cut short, each as "picture › window: control", with what
// it needs and has.
QMap<QString, QString> tourcuts() {
    GameFixture fixture;
    preparetour();
    QMap<QString, QString> cut;
    tourwindows([&cut](const TourStop& stop) {
        for (QWidget* window : stop.windows)
            for (const QString& control : cuttexts(window))
                cut.insert(stop.name + QStringLiteral(" › ") +
                               control.section(QLatin1Char(' '), 0, 2),
                           control);
    });
    return cut;
}

} // namespace

// The language's longer texts cut nothing that English does not: what English itself cuts is
// a fault of the window, not of the translation.
void FinishedLanguageTest::layouts() {
    QMap<QString, QString> english;
    {
        InEnglish meanwhile;
        english = tourcuts();
    }
    QStringList cut;
    const QMap<QString, QString> spoken = tourcuts();
    for (auto control = spoken.cbegin(); control != spoken.cend(); ++control)
        if (!english.contains(control.key()))
            cut.append(control.key().section(QLatin1String(" › "), 0, 0) + QStringLiteral(" › ") +
                       control.value());
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("cut under %1:\n").arg(testlanguage()) +
                                       cut.join(QLatin1Char('\n'))));
}

QTEST_MAIN(FinishedLanguageTest)
#include "finishedlanguage_test.moc"
