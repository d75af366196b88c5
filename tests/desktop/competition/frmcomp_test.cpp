#include "competition/competitiondraw.h"
#include "competition/frmcars.h"
#include "competition/frmcomp.h"
#include "samples/careerstaging.h"
#include "support/careerfixture.h"
#include "support/keyboardwalk.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <set>

class FrmcompTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sizesandpricesovermanydraws();
    void generatefillsthelisthidden();
    void pricesfollowtheselection();
    void listclosedduringitsdraw();
    void wrongcountryisrefused();
    void entryneedsthefee();
    void firstrowofthecurrentcountryisjoined();
    void keyboardjoinsthefirstrow();

private:
    void showlist(Country place, const QStringList& countries, const QStringList& prices);
    QStringList rows(const QListWidget* column) const;

    CareerFixture* fixture = nullptr;
    QPointer<frmcomp> list;
    QPointer<frmcars> race;
};

void FrmcompTest::init() {
    fixture = new CareerFixture;
    // As the main window does it: the fee paid, the race starts.
    connect(fixture->window(list), &frmcomp::joined, &fixture->career,
            [this](std::int32_t prize) { fixture->window(race)->startgame(prize); });
}

void FrmcompTest::cleanup() {
    delete fixture;
}

void FrmcompTest::showlist(Country place, const QStringList& countries, const QStringList& prices) {
    staged(fixture->career).setcountry(place);
    QList<Competition> day;
    for (qsizetype row = 0; row < countries.size(); ++row)
        day << Competition{countries[row], prices[row].mid(1).toInt()};
    list->competitions.setrows(day);
    list->showrows();
    QCOMPARE(rows(list->firstprice), prices);
    fixture->open(list);
}

QStringList FrmcompTest::rows(const QListWidget* column) const {
    QStringList texts;
    for (int row = 0; row < column->count(); ++row)
        texts << column->item(row)->text();
    return texts;
}

void FrmcompTest::sizesandpricesovermanydraws() {
    setrandomsource(nullptr);
    std::set<qsizetype> sizes;
    int rows = 0;
    int singapore = 0;
    for (int day = 0; day < 3000; ++day) {
        fixture->clock.seconds = day;
        const QList<Competition> drawn = drawcompetitions([] {});
        sizes.insert(drawn.size());
        for (const Competition& row : drawn) {
            QVERIFY2(row.price >= 100 && row.price <= 899, qPrintable(pricetext(row.price)));
            singapore += row.country == QStringLiteral("Singapore");
            ++rows;
        }
    }
    setrandomsource(&fixture->random);
    QCOMPARE(sizes, (std::set<qsizetype>{1, 2, 3, 4, 5}));
    // Two chances in six.
    QVERIFY(singapore > rows * 0.29 && singapore < rows * 0.38);
}

void FrmcompTest::generatefillsthelisthidden() {
    QVERIFY(list && !list->isVisible());
    fixture->clock.seconds = 4321;
    fixture->random.reseeds.clear();
    fixture->random.draws << 0.9999999 << 0.0 << 0.2 << 0.34 << 0.5 << 0.7 << 0.4 << 0.0 << 0.5
                          << 0.25 << 0.9999999;
    list->generate();
    // A fresh seed from the clock before every single draw.
    QCOMPARE(fixture->random.reseeds, QList<double>(11, 4321));
    QCOMPARE(rows(list->country),
             (QStringList{"Singapore", "Malaysia", "China", "America", "Japan"}));
    QCOMPARE(rows(list->firstprice), (QStringList{"$420", "$100", "$500", "$300", "$899"}));
    QVERIFY(!list->isVisible());
}

void FrmcompTest::pricesfollowtheselection() {
    showlist(Country::China, {"China", "Japan", "China"}, {"$200", "$300", "$400"});
    list->country->setCurrentRow(2);
    QCOMPARE(list->firstprice->currentRow(), 2);
    list->country->setCurrentRow(-1);
    QCOMPARE(list->firstprice->currentRow(), 2);
    // Focus coming in puts the current row on one it does not select: no price moves.
    list->country->setCurrentRow(1);
    list->country->clearSelection();
    list->country->selectionModel()->setCurrentIndex(list->country->model()->index(0, 0),
                                                     QItemSelectionModel::NoUpdate);
    QCOMPARE(list->firstprice->currentRow(), 1);
}

void FrmcompTest::listclosedduringitsdraw() {
    // The window goes while the draw lets pending events run; the draw must not follow it.
    QTimer::singleShot(0, list, [this] { delete list; });
    list->generate();
    QVERIFY(!list);
}

void FrmcompTest::wrongcountryisrefused() {
    showlist(Country::Malaysia, {"Singapore", "Malaysia"}, {"$700", "$200"});
    list->country->setCurrentRow(0);
    list->country_DblClick();
    QCOMPARE(fixture->dialogs.texts(), QStringList{"You are at the wrong country!"});
    QCOMPARE(fixture->dialogs.shown.last().title, QStringLiteral("Error"));
    QCOMPARE(fixture->dialogs.shown.last().icon, MsgIcon::Error);
    QCOMPARE(fixture->career.money(), 250);
    QVERIFY(list->isVisible() && !race);
}

// Double-clicked as the player does it: the first click selects the row.
void FrmcompTest::entryneedsthefee() {
    staged(fixture->career).changemoney(99);
    showlist(Country::Singapore, {"Japan", "Singapore"}, {"$800", "$523"});
    list->country->doItemsLayout();
    const QPoint second = list->country->visualItemRect(list->country->item(1)).center();
    QTest::mouseClick(list->country->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->country->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{"You do not have enough money to join the competition!"});
    QCOMPARE(fixture->dialogs.shown.last().title, QStringLiteral("KVR"));
    QCOMPARE(fixture->dialogs.shown.last().icon, MsgIcon::None);
    QCOMPARE(fixture->career.money(), 99);
    QVERIFY(list->isVisible() && !race);

    staged(fixture->career).changemoney(100);
    QTest::mouseDClick(list->country->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(fixture->career.money(), 0);
    QVERIFY(!list->isVisible() && race->isVisible());
    QCOMPARE(race->currentprize(), 523);
}

void FrmcompTest::firstrowofthecurrentcountryisjoined() {
    showlist(Country::China, {"Singapore", "China", "Japan", "China"},
             {"$200", "$600", "$300", "$800"});
    list->country->setCurrentRow(3);
    // Return does from the keyboard what the double click does.
    QTest::keyClick(list->country, Qt::Key_Return);
    QVERIFY(fixture->dialogs.shown.isEmpty());
    QCOMPARE(race->currentprize(), 600);
    QCOMPARE(race->level(), RaceLevel::Hard);
    QCOMPARE(fixture->career.money(), 150);
}

// The list opens with the focus and its first row picked, so Enter joins at once; Tab has nowhere
// else to go, as the headings do nothing.
void FrmcompTest::keyboardjoinsthefirstrow() {
    showlist(Country::China, {"China"}, {"$200"});
    for (QWidget* visited : tabwalk(list, 3))
        QCOMPARE(visited, list->country);
    QCOMPARE(list->firstprice->currentRow(), 0);
    QTest::keyClick(list->country, Qt::Key_Return);
    QCOMPARE(fixture->career.money(), 150);
    QVERIFY(race && race->isVisible());
}

QTEST_MAIN(FrmcompTest)
#include "frmcomp_test.moc"
