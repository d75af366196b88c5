#include "career/career.h"
#include "career/form1.h"
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "support/fakes.h"

#include <QAction>
#include <QMenu>
#include <QTest>

class TravelTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void flights_data();
    void flights();
    void currentcountrydoesnothing();
    void noanswerchangesnothing();
    void tooLittleMoney();
    void flightonthelastdayendsthegame();
    void theftusesthemoneyleftafterthefare();
    void menuclickmovesthemark();

private:
    QList<QAction*> countries() const;
    QString checked() const;
    GameFixture* fixture = nullptr;
    Form1* form = nullptr;
};

void TravelTest::init() {
    fixture = new GameFixture;
    form = new Form1;
    form->startnewgame();
    fixture->dialogs.shown.clear();
    fixture->random.drawn = 0;
}

void TravelTest::cleanup() {
    delete form;
    delete fixture;
}

QList<QAction*> TravelTest::countries() const {
    return {form->countryitem(Country::Singapore), form->countryitem(Country::Malaysia), form->countryitem(Country::China), form->countryitem(Country::Japan), form->countryitem(Country::America)};
}

QString TravelTest::checked() const {
    QStringList marked;
    for (QAction* c : countries())
        if (c->isChecked())
            marked << c->objectName();
    return marked.join(",");
}

void TravelTest::flights_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("fare");
    QTest::addColumn<QString>("arrival");
    QTest::newRow("malaysia") << "malaysia" << 200 << "You arrived in malaysia!";
    QTest::newRow("china") << "china" << 560 << "You arrived in china!";
    QTest::newRow("japan") << "japan" << 700 << "You arrived in japan!";
    QTest::newRow("america") << "america" << 800 << "You arrived in america!";
}

void TravelTest::flights() {
    QFETCH(QString, country);
    QFETCH(int, fare);
    QFETCH(QString, arrival);
    QAction* item = form->findChild<QAction*>(country);
    const Country place = ::countries[form->countrymenu->actions().indexOf(item)].country;
    form->career->setmoney(fare); // exactly the fare is enough
    fixture->dialogs.answers << MsgResult::Yes;
    fixture->random.draws << 0.0; // a quiet day
    form->fly(place);
    QCOMPARE(fixture->dialogs.shown.first().text,
             QStringLiteral("Are you sure you want to fly there?"));
    QCOMPARE(fixture->dialogs.shown.first().title, QStringLiteral("Fly!"));
    QCOMPARE(fixture->dialogs.shown.first().buttons, MsgButtons::YesNo);
    QCOMPARE(form->career->money(), 0);
    QCOMPARE(form->career->days(), 1);
    QCOMPARE(checked(), country);
    QVERIFY(
        form->eventlog->text().endsWith("\r\n\r\n\r\nAnother day past...\r\n" + arrival + "\r\n"));
    // Flying home again is a Singapore arrival with its capital.
    form->career->setmoney(500);
    fixture->dialogs.answers << MsgResult::Yes;
    form->fly(Country::Singapore);
    QVERIFY(form->eventlog->text().endsWith("You arrived in Singapore!\r\n"));
    QCOMPARE(checked(), QStringLiteral("singapore"));
}

void TravelTest::currentcountrydoesnothing() {
    form->career->setmoney(10);
    form->fly(Country::Singapore);
    QVERIFY(fixture->dialogs.shown.isEmpty());
    QCOMPARE(form->career->money(), 10);
    QCOMPARE(checked(), QStringLiteral("singapore"));
}

void TravelTest::noanswerchangesnothing() {
    fixture->dialogs.answers << MsgResult::No;
    form->fly(Country::Japan);
    QCOMPARE(form->career->money(), 250);
    QCOMPARE(form->career->days(), 0);
    QCOMPARE(checked(), QStringLiteral("singapore"));
    QCOMPARE(fixture->random.drawn, 0);
}

void TravelTest::tooLittleMoney() {
    form->career->setmoney(199);
    form->fly(Country::Malaysia);
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(fixture->dialogs.shown.first().text, QStringLiteral("Not enough money!"));
    QCOMPARE(fixture->dialogs.shown.first().title, QStringLiteral("Pok Kia!"));
    QCOMPARE(fixture->dialogs.shown.first().icon, MsgIcon::Error);
    QCOMPARE(form->career->money(), 199);
    QCOMPARE(checked(), QStringLiteral("singapore"));
}

void TravelTest::flightonthelastdayendsthegame() {
    form->career->setdays(15);
    form->career->setmoney(1000);
    fixture->dialogs.answers << MsgResult::Yes;
    form->fly(Country::China);
    QCOMPARE(fixture->dialogs.texts(),
             (QStringList{"Are you sure you want to fly there?", "Game Over! Time's Up!",
                          "You failed your objectives! You are a loser!"}));
    QCOMPARE(fixture->endings, 1);
}

void TravelTest::theftusesthemoneyleftafterthefare() {
    form->career->setmoney(700);
    fixture->dialogs.answers << MsgResult::Yes;
    fixture->random.draws << (2.5 / 14.0) << 0.99; // theft, top of the range
    form->fly(Country::Malaysia);
    QVERIFY(form->eventlog->text().contains("You discovered that $50 is stolen!"));
    QCOMPARE(form->career->money(), 450);
    QCOMPARE(form->shownmoney->text(), QStringLiteral("450"));
}

void TravelTest::menuclickmovesthemark() {
    form->career->setmoney(900);
    fixture->dialogs.answers << MsgResult::No;
    form->countryitem(Country::America)->trigger();
    QCOMPARE(checked(), QStringLiteral("singapore"));
    fixture->dialogs.answers << MsgResult::Yes;
    form->countryitem(Country::America)->trigger();
    QCOMPARE(checked(), QStringLiteral("america"));
    form->countryitem(Country::America)->trigger();
    QCOMPARE(checked(), QStringLiteral("america"));
    QCOMPARE(form->career->money(), 100);
}

QTEST_MAIN(TravelTest)
#include "travel_test.moc"
