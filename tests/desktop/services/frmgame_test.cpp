#include "samples/careerstaging.h"
#include "services/frmgame.h"
#include "support/careerfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class FrmgameTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new CareerFixture; }
    void cleanup() { delete fixture; }
    void stakeandclaim();
    void threewonroundsthenclaim();
    void alosscoststhestake();

private:
    void open(qint32 money) {
        staged(fixture->career).changemoney(money);
        fixture->window(game)->starter();
        fixture->open(game);
    }
    void bet(const QString& amount) {
        game->betmoney->setCurrentIndex(game->betmoney->findText(amount));
        game->play->click();
    }
    // Exactly one of the two frames at the one place shows: the given one.
    bool showing(const QGroupBox* frame) const {
        const QGroupBox* other = frame == game->startframe ? game->gamblingframe : game->startframe;
        return frame->isVisible() && !other->isVisible() && frame->geometry() == other->geometry();
    }

    CareerFixture* fixture = nullptr;
    QPointer<frmgame> game;
};

void FrmgameTest::stakeandclaim() {
    open(49);
    QVERIFY(game->isVisible() && game->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(game->cash->text(), QStringLiteral("49"));
    QCOMPARE(game->betmoney->currentText(), QString());
    game->play->click();
    QVERIFY(fixture->dialogs.shown.isEmpty());
    bet("50");
    QCOMPARE(fixture->dialogs.texts(), QStringList{"You do not have enough money!"});
    QCOMPARE(fixture->dialogs.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(fixture->career.money(), 49);
    QVERIFY(showing(game->startframe));

    open(50);
    bet("50");
    QCOMPARE(fixture->career.money(), 0);
    QCOMPARE(game->cash->text(), QStringLiteral("0"));
    QCOMPARE(game->winmoney->text(), QStringLiteral("50"));
    QVERIFY(showing(game->gamblingframe));
    game->claim->click();
    QCOMPARE(fixture->career.money(), 50);
    QCOMPARE(game->cash->text(), QStringLiteral("50"));
    QCOMPARE(game->betmoney->currentIndex(), -1);
    QVERIFY(showing(game->startframe));
    QCOMPARE(fixture->dialogs.shown.size(), 1);
}

void FrmgameTest::threewonroundsthenclaim() {
    open(100);
    fixture->clock.seconds = 3600;
    fixture->random.draws << 0.5 << 0.5 << 0.5;
    bet("10");
    for (int round = 0; round < 3; ++round)
        game->continuebetting->click();
    QCOMPARE(game->winmoney->text(), QStringLiteral("80"));
    QCOMPARE(fixture->random.reseeds, QList<double>(3, 3600));
    game->claim->click();
    QCOMPARE(fixture->career.money(), 170);
    QVERIFY(fixture->dialogs.shown.isEmpty());
}

void FrmgameTest::alosscoststhestake() {
    open(100);
    fixture->random.draws << 0.5 << 0.0;
    bet("20");
    game->continuebetting->click();
    game->continuebetting->click();
    QCOMPARE(fixture->dialogs.texts(), QStringList{"You lost! All your bet money is gone!"});
    QCOMPARE(fixture->dialogs.shown[0].title, QStringLiteral("Too bad!"));
    QCOMPARE(fixture->career.money(), 80);
    QVERIFY(showing(game->startframe));
}

QTEST_MAIN(FrmgameTest)
#include "frmgame_test.moc"
