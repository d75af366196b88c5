#include "battledisk/frmdisk.h"
#include "career/frmhall.h"
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "competition/frmcomp.h"
#include "samples/careerstaging.h"
#include "saves/loa.h"
#include "saves/sav.h"
#include "services/frmgame.h"
#include "shell/form1.h"
#include "shell/frmstart.h"
#include "support/careerfixture.h"
#include "support/gamelist.h"
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

private:
    QByteArray filebytes(const QString& name) const;
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

void SavesTest::saveandloadback() {
    Career& career = fixture->career;
    staged(career).updatelog("Won $100, then $50, in Singapore");
    staged(career).setstate({QStringLiteral("Ace"), 1, 700, 5, 20});

    QVERIFY(fixture->open(save)->isVisible());
    QTest::keyClicks(save->filename, "career");
    save->button->click();
    QCOMPARE(lastbox().text, QStringLiteral("File saved!"));
    QCOMPARE(lastbox().title, QStringLiteral("Saved."));
    QCOMPARE(lastbox().icon, MsgIcon::Exclamation);
    QVERIFY(!save->isVisible());
    QCOMPARE(listedgames(save), QStringList{"career.kvr"});
    QVERIFY(filebytes("career.kvr").startsWith("\"Ace\",700,1,5,\" Won $100, then $50"));

    // Money won since is saved, and the career's own file is replaced without a question.
    staged(career).changemoney(900);
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
    pickgame(load, "career.kvr");
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
    pickgame(save, "x.kvr.kvr", true);
    QCOMPARE(save->filename->text(), QStringLiteral("x"));
    QCOMPARE(lastbox().text, QStringLiteral("File saved!"));
    QVERIFY(filebytes("x.kvr").startsWith("\"Ace\",250,0,0,"));
    QCOMPARE(filebytes("x.kvr.kvr"), QByteArray("other"));
    QCOMPARE(listedgames(save), (QStringList{"x.kvr", "x.kvr.kvr"}));

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
        pickgame(fixture->open(load), "bee.kvr");
        load->button->click();
    } else if (own == "saved") {
        fixture->dialogs.answers << MsgResult::Yes;
        pickgame(save, "bee.kvr", true);
    }
    staged(fixture->career).changemoney(1234);
    fixture->open(save);
    // From the keyboard: the list's first row picked, Enter saves there.
    pickgame(save, "bee.kvr");
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

QTEST_MAIN(SavesTest)
#include "saves_test.moc"
