#include "battledisk/frmdisk.h"
#include "career/form1.h"
#include "career/frmhall.h"
#include "career/frmstart.h"
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "competition/frmcomp.h"
#include "saves/loa.h"
#include "saves/sav.h"
#include "services/frmgame.h"
#include "support/careerfixture.h"
#include "tictactoe/tictac.h"
#include "typing/frmp.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(MsgResult)

class SavesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveandloadback();
    void saverefusalsandfailures();
    void saveoveranothergame_data();
    void saveoveranothergame();
    void dialogsbykeyboard();
    // The main window's File flows.
    void loadatstartup();
    void abandoningthecareer_data();
    void abandoningthecareer();

private:
    QByteArray filebytes(const QString& name) const;
    QStringList listed(const SavesDialog* dialog) const;
    // Clicks the row of that name, or double-clicks it.
    void pick(SavesDialog* dialog, const QString& name, bool twice = false);
    ShownBox lastbox() const { return fixture->dialogs.shown.last(); }
    CareerFixture* fixture = nullptr;
    QPointer<sav> save;
    QPointer<loa> load;
};

void SavesTest::init() {
    fixture = new CareerFixture(QStringLiteral("Ace"));
}

void SavesTest::cleanup() {
    delete fixture;
}

QByteArray SavesTest::filebytes(const QString& name) const {
    QFile file(fixture->folder() + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList SavesTest::listed(const SavesDialog* dialog) const {
    QStringList rows;
    for (int i = 0; i < dialog->games->count(); ++i)
        rows << dialog->games->item(i)->text();
    return rows;
}

void SavesTest::pick(SavesDialog* dialog, const QString& name, bool twice) {
    dialog->games->doItemsLayout();
    const QListWidgetItem* row = dialog->games->item(listed(dialog).indexOf(name));
    const QPoint at = dialog->games->visualItemRect(row).center();
    // As the player does it: a double click's first click selects the row.
    QTest::mouseClick(dialog->games->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(dialog->games->viewport(), Qt::LeftButton, {}, at);
}

void SavesTest::saveandloadback() {
    Career& career = fixture->career;
    career.updatelog("Won $100, then $50, in Singapore");
    career.setstate({QStringLiteral("Ace"), 1, 700, 5, 20});

    QVERIFY(fixture->open(save)->isVisible());
    QTest::keyClicks(save->filename, "career");
    save->button->click();
    QCOMPARE(lastbox().text, QStringLiteral("File saved!"));
    QCOMPARE(lastbox().title, QStringLiteral("Saved."));
    QCOMPARE(lastbox().icon, MsgIcon::Exclamation);
    QVERIFY(!save->isVisible());
    QCOMPARE(listed(save), QStringList{"career.kvr"});
    QVERIFY(filebytes("career.kvr").startsWith("\"Ace\",700,1,5,\" Won $100, then $50"));

    // Money won since is saved, and the career's own file is replaced without a question.
    career.changemoney(900);
    fixture->open(save);
    QCOMPARE(save->filename->text(), QStringLiteral("career"));
    const int boxes = fixture->dialogs.shown.size();
    save->button->click();
    QCOMPARE(fixture->dialogs.shown.size(), boxes + 1);
    QVERIFY(filebytes("career.kvr").startsWith("\"Ace\",900,1,5,"));
    const QString savedlog = career.log();

    QVERIFY(fixture->open(load)->isVisible());
    QSignalSpy loaded(load, &loa::gameloaded);
    // Just saved, the career goes without a question, and only once a game is loaded.
    QVERIFY(!career.unsaved());
    QCOMPARE(career.shown().playername, QStringLiteral("Ace"));
    QVERIFY(load->filename->isReadOnly());
    pick(load, "career.kvr");
    QCOMPARE(load->filename->text(), QStringLiteral("career"));
    load->button->click();
    QCOMPARE(fixture->dialogs.texts().last(), QStringLiteral("File loaded!"));
    QCOMPARE(lastbox().title, QStringLiteral("Loaded."));
    QCOMPARE(lastbox().icon, MsgIcon::Exclamation);
    QVERIFY(!load->isVisible());
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(career.playername(), QStringLiteral("Ace"));
    QCOMPARE(career.money(), 900);
    QCOMPARE(career.rank(), qint16(1));
    QCOMPARE(career.days(), 6);
    QCOMPARE(career.training(), 20);
    QCOMPARE(career.log(), savedlog + "You travelled back to Singapore!\r\n");
}

void SavesTest::saverefusalsandfailures() {
    fixture->open(save);

    save->button->click();
    QCOMPARE(lastbox().text, QStringLiteral("No path name given."));
    QCOMPARE(lastbox().title, QStringLiteral("Error"));
    QCOMPARE(lastbox().icon, MsgIcon::Error);
    QVERIFY(!save->isVisible());

    // A name leading out of the folder writes nothing anywhere; the dialog stays to correct it.
    fixture->open(save);
    save->filename->setText("../escape");
    save->button->click();
    QCOMPARE(lastbox().icon, MsgIcon::Error);
    QVERIFY(lastbox().text.contains("../escape"));
    QVERIFY(save->isVisible());
    QVERIFY(!QFile::exists(fixture->folder() + "../escape.kvr"));
    // A name with a leading dot would be a hidden file the Load list never shows.
    save->filename->setText(".secret");
    save->button->click();
    QCOMPARE(lastbox().icon, MsgIcon::Error);
    QVERIFY(lastbox().text.contains("\".secret\": a name that begins with a dot"));
    QVERIFY(save->isVisible());
    QVERIFY(QDir(fixture->folder())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                .isEmpty());

    // Every ".kvr" comes off a picked name; a double click saves at once.
    fixture->writefile("x.kvr.kvr", "other");
    save->refresh();
    pick(save, "x.kvr.kvr", true);
    QCOMPARE(save->filename->text(), QStringLiteral("x"));
    QCOMPARE(lastbox().text, QStringLiteral("File saved!"));
    QVERIFY(filebytes("x.kvr").startsWith("\"Ace\",250,0,0,"));
    QCOMPARE(filebytes("x.kvr.kvr"), QByteArray("other"));
    QCOMPARE(listed(save), (QStringList{"x.kvr", "x.kvr.kvr"}));

    // A folder in the way: the save fails, says so, and leaves what was there whole.
    QVERIFY(QDir(fixture->folder()).mkdir("blocked.kvr"));
    fixture->writefile("blocked.kvr/inside", "keep");
    fixture->open(save);
    save->filename->setText("blocked");
    save->button->click();
    QCOMPARE(lastbox().icon, MsgIcon::Error);
    QVERIFY(lastbox().text.contains("could not be saved as blocked.kvr"));
    QVERIFY(save->isVisible());
    QCOMPARE(filebytes("blocked.kvr/inside"), QByteArray("keep"));
    QCOMPARE(QDir(fixture->folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"blocked.kvr", "x.kvr", "x.kvr.kvr"}));
}

// Save asks before it replaces another saved game, not the career's own file.
void SavesTest::saveoveranothergame_data() {
    QTest::addColumn<QString>("own"); // how "bee" became the career's own file, if it did
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("another game, kept") << "" << MsgResult::No << false;
    QTest::newRow("another game, replaced") << "" << MsgResult::Yes << true;
    QTest::newRow("saved there before") << "saved" << MsgResult::Ok << true;
    QTest::newRow("loaded from there") << "loaded" << MsgResult::Ok << true;
}

void SavesTest::saveoveranothergame() {
    QFETCH(QString, own);
    QFETCH(MsgResult, answer);
    QFETCH(bool, replaced);
    const QByteArray other = "\"Bee\",700,2,9,\"her log\",\"40\"\r\n";
    fixture->writefile("bee.kvr", other);
    fixture->open(save);
    if (own == "loaded") {
        pick(fixture->open(load), "bee.kvr");
        load->button->click();
    } else if (own == "saved") {
        fixture->dialogs.answers << MsgResult::Yes;
        pick(save, "bee.kvr", true);
    }
    fixture->career.changemoney(1234);
    fixture->open(save);
    // From the keyboard: the list's first row picked, Enter saves there.
    pick(save, "bee.kvr");
    const int boxes = fixture->dialogs.shown.size();
    fixture->dialogs.answers << answer;
    QTest::keyClick(save->games, Qt::Key_Return);
    const ShownBox asked = fixture->dialogs.shown.value(boxes);
    QCOMPARE(asked.text == "bee.kvr holds another saved game. Replace it?", own.isEmpty());
    QCOMPARE(asked.buttons, own.isEmpty() ? MsgButtons::YesNoDefaultNo : MsgButtons::Ok);
    QCOMPARE(filebytes("bee.kvr") == other, !replaced);
    QCOMPARE(save->isVisible(), !replaced);
}

void SavesTest::dialogsbykeyboard() {
    // The Save dialog opens in Filename: typed at once, Enter saves.
    fixture->open(save);
    QCOMPARE(save->focusWidget(), save->filename);
    QTest::keyClicks(save->focusWidget(), "keys");
    QTest::keyClick(save->focusWidget(), Qt::Key_Return);
    QCOMPARE(lastbox().text, QStringLiteral("File saved!"));
    QCOMPARE(filebytes("keys.kvr").left(6), QByteArray("\"Ace\","));

    // In the Load dialog Enter loads the picked row, and does nothing while none is picked; the
    // list picks its first row, the only one here, as the keyboard moves into it.
    fixture->open(load);
    const int boxes = fixture->dialogs.shown.size();
    QTest::keyClick(load->games, Qt::Key_Return);
    QCOMPARE(fixture->dialogs.shown.size(), boxes);
    QFocusEvent tabbedin(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(load->games, &tabbedin);
    QTest::keyClick(load->games, Qt::Key_Return);
    QCOMPARE(lastbox().text, QStringLiteral("File loaded!"));
    QCOMPARE(fixture->career.playername(), QStringLiteral("Ace"));

    // Both dialogs keep their controls inside their edges.
    for (const SavesDialog* dialog : std::initializer_list<SavesDialog*>{save, load})
        for (const QWidget* control : dialog->findChildren<QWidget*>())
            QVERIFY2(dialog->rect().contains(control->geometry()),
                     qPrintable(dialog->objectName()));

    // Escape closes each window as its close box does.
    QPointer<frmhall> hall;
    QPointer<frmp> practice;
    QPointer<frmcomp> list;
    QPointer<tictac> game;
    QPointer<frmgame> gamble;
    QPointer<frmdisk> disk;
    const QList<QPointer<QWidget>> windows = {save.data(),
                                              load.data(),
                                              sidewindow(hall, &fixture->career),
                                              fixture->window(practice),
                                              fixture->window(list),
                                              fixture->window(game),
                                              fixture->window(gamble),
                                              sidewindow(disk, &fixture->career)};
    for (QWidget* window : windows) {
        showtofront(window);
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(windows.count(nullptr), windows.size());
}

// The main window's File flows: at start-up, and the question before a career goes. They need
// the main window itself, with a career of its own.

void SavesTest::loadatstartup() {
    Form1 form;
    const QByteArray log = "Day one, quiet\r\n\r\n\r\nDay two\r\n";
    fixture->writefile("old.kvr", "\"Old Timer\",1500,0,3,\"" + log + "\",\"30\"\r\n");
    fixture->writefile("bad.kvr", "\"Old Timer\",lots,0,3,\"log\",\"30\"\r\n");
    form.Form_Load();
    form.countryitem(Country::Malaysia)->setChecked(true);
    form.countryitem(Country::Singapore)->setChecked(false);
    // "&Load" on the start-up menu: the dialog opens and nothing else comes up on top of it
    // while the main window is still hidden.
    QVERIFY(form.filemenu->isVisible());
    form.filemenu->hide();
    form.loadgame->trigger();
    QCoreApplication::processEvents();
    QVERIFY(form.loadwindow && form.loadwindow->isVisible());
    QVERIFY(!form.startwindow && !form.filemenu->isVisible() && !form.isVisible());
    // Leaving the dialog unused, by its button or its close box, gives way to the start window,
    // whose Load opens the dialog again.
    auto loadfromstartwindow = [&] {
        QCoreApplication::processEvents();
        if (!form.startwindow || !form.startwindow->isVisible())
            return false;
        form.startwindow->cmdload->click();
        return form.loadwindow && form.loadwindow->isVisible() && !form.startwindow->isVisible() &&
               !form.filemenu->isVisible() && !form.isVisible();
    };
    // The list picked its first game as it took the focus; with none picked, nothing loads.
    form.loadwindow->games->clearSelection();
    form.loadwindow->button->click();
    QCOMPARE(lastbox().text, QStringLiteral("No path name given."));
    QVERIFY(loadfromstartwindow());
    form.loadwindow->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form.loadwindow);

    // A damaged file is refused whole; the dialog stays for another pick.
    QVERIFY(loadfromstartwindow());
    loa* dialog = form.loadwindow;
    QCOMPARE(listed(dialog), (QStringList{"bad.kvr", "old.kvr"}));
    pick(dialog, "bad.kvr");
    dialog->button->click();
    QCOMPARE(lastbox().text,
             QStringLiteral("bad.kvr can't be loaded: its money is not a whole number."));
    QCOMPARE(lastbox().icon, MsgIcon::Error);
    QVERIFY(dialog->isVisible());
    QVERIFY(!form.isVisible());
    QCOMPARE(form.shownmoney->text(), QString());
    QCOMPARE(form.shownname->text(), QString());

    form.career->use(Activity::RewardBag);
    form.career->use(Activity::Competition);
    pick(dialog, "old.kvr");
    dialog->button->click();
    QCoreApplication::processEvents();
    QVERIFY(form.isVisible());
    QVERIFY(!form.filemenu->isVisible());
    QVERIFY(!form.startwindow || !form.startwindow->isVisible());
    QVERIFY(form.savegame->isEnabled());
    QCOMPARE(form.shownname->text(), QStringLiteral("Old Timer"));
    QCOMPARE(form.shownmoney->text(), QStringLiteral("1500"));
    QCOMPARE(form.showndays->text(), QStringLiteral("4"));
    QCOMPARE(form.showntraining->text(), QStringLiteral("30"));
    // The new day's switches and the promotion check ran as the labels were written.
    QVERIFY(form.rewardbag->isEnabled() && form.checkcompetition->isEnabled() &&
            form.competition->isEnabled());
    QCOMPARE(form.career->rank(), qint16(2));
    QCOMPARE(form.eventlog->text(), log + "You travelled back to Singapore!\r\n");
    QVERIFY(form.countryitem(Country::Singapore)->isChecked());
    QVERIFY(!form.countryitem(Country::Malaysia)->isChecked());
}

// New and Load ask before a career changed since it was begun, saved or loaded goes (Ok: not
// changed, nothing asked), and it stays until a new one is named or a game is really loaded.
void SavesTest::abandoningthecareer_data() {
    QTest::addColumn<QAction * Form1::*>("command");
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<QString>("then"); // a name, a null QString() to cancel, "load", "close"
    QTest::addColumn<QString>("career");
    QTest::newRow("new, unchanged") << &Form1::newgame << MsgResult::Ok << "Bee"
                                    << "Bee";
    QTest::newRow("new, kept") << &Form1::newgame << MsgResult::No << "Bee"
                               << "Ace";
    QTest::newRow("new, cancelled") << &Form1::newgame << MsgResult::Yes << QString() << "Ace";
    QTest::newRow("load, closed") << &Form1::loadgame << MsgResult::Yes << "close"
                                  << "Ace";
    QTest::newRow("load, kept") << &Form1::loadgame << MsgResult::No << "load"
                                << "Ace";
    QTest::newRow("load, loaded") << &Form1::loadgame << MsgResult::Yes << "load"
                                  << "Old";
}

void SavesTest::abandoningthecareer() {
    QFETCH(QAction * Form1::*, command);
    QFETCH(MsgResult, answer);
    QFETCH(QString, then);
    QFETCH(QString, career);
    Form1 form;
    fixture->writefile("old.kvr", "\"Old\",900,0,3,\"log\",\"0\"\r\n");
    fixture->dialogs.inputs << "Ace";
    form.startnewgame();
    if (answer != MsgResult::Ok)
        form.career->changemoney(300);
    fixture->dialogs.answers << answer;
    fixture->dialogs.inputs << then;
    const int boxes = fixture->dialogs.shown.size();
    (form.*command)->trigger();
    QCOMPARE(fixture->dialogs.shown.value(boxes).text ==
                 "Abandon Ace's career? It has not been saved since it changed.",
             answer != MsgResult::Ok);
    if (form.loadwindow && then == "close")
        form.loadwindow->close();
    if (form.loadwindow && then == "load") {
        pick(form.loadwindow, "old.kvr");
        form.loadwindow->button->click();
    }
    QCOMPARE(form.shownname->text(), career);
    QCOMPARE(form.career->unsaved(), career == "Ace" && answer != MsgResult::Ok);
}

QTEST_MAIN(SavesTest)
#include "saves_test.moc"
