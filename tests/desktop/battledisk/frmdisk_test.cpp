#include "battledisk/frmdisk.h"
#include "career/career.h"
#include "common/folderprompt.h"
#include "common/layout.h"
#include "common/sidewindow.h"
#include "common/watchlabel.h"
#include "competition/frmcars.h"
#include "competition/ghostcar.h"
#include "competition/replaysfile.h"
#include "samples/careerstaging.h"
#include "shell/form1.h"
#include "support/form1fixture.h"
#include "support/keyboardwalk.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString notfound = QStringLiteral("Diskette not found!");
const QString wrongdisk = QStringLiteral("Wrong KVR Battle Disk!");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The drive prompt as the desktop shows it, played by keys: Tab goes to "Browse...", `typed` goes
// into the box, Space presses Browse..., and Enter answers in the box. The chooser answers from
// `folders`.
class KeyedFolderPrompt : public ScriptedDialogs {
public:
    std::optional<QString> folderinput(const QString& prompt, const QString& title,
                                       const QString& defaulttext) override {
        shown.append({prompt, title, MsgIcon::None, MsgButtons::Ok, true});
        FolderPrompt box(prompt, title, defaulttext);
        if (tabwalk(&box, 1) != QList<QWidget*>{box.browse})
            qFatal("Browse... is not the next control after the box");
        QTest::keyClicks(box.answer, typed);
        QTest::keyClick(box.browse, Qt::Key_Space);
        filled = box.answer->text();
        names = QStringList{accessiblename(box.answer), accessiblename(box.browse)};
        // A folder chosen puts the focus back in the box; after a Cancel in the chooser it is
        // still on Browse..., and Shift+Tab goes back.
        backinbox = QApplication::focusWidget() == box.answer;
        if (!backinbox)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (box.result() != QDialog::Accepted)
            return std::nullopt;
        return box.answer->text();
    }
    static QString accessiblename(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }
    QString typed;
    // What Browse... left: the box's text, whether the focus went back to it, and how a screen
    // reader names the box and the button.
    QString filled;
    bool backinbox = false;
    QStringList names;
};
} // namespace

class FrmdiskTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void twocareersshareadisk();
    void stagedrace_data();
    void stagedrace();
    void adiskfromsomeoneelse_data();
    void adiskfromsomeoneelse();
    void racingthedisktypistsbest();
    void browsingforthedisk_data();
    void browsingforthedisk();

private:
    Form1* career(const QString& name, qint32 money, qint32 training);
    // Runs a disk command with the given answer at the drive prompt; returns the boxes after it.
    QStringList command(Form1* form, void (Form1::*handler)(), const QString& answer);

    Form1Fixture* fixture = nullptr;
};

void FrmdiskTest::init() {
    fixture = new Form1Fixture(Form1Fixture::Fresh);
}

void FrmdiskTest::cleanup() {
    delete fixture;
}

Form1* FrmdiskTest::career(const QString& name, qint32 money, qint32 training) {
    Form1* form = fixture->another();
    staged(form->career).setstate({name, 0, money, 0, training});
    return form;
}

QStringList FrmdiskTest::command(Form1* form, void (Form1::*handler)(), const QString& answer) {
    fixture->dialogs.shown.clear();
    fixture->dialogs.inputs << answer;
    (form->*handler)();
    const ShownBox asked = fixture->dialogs.shown.value(0);
    if (asked.text != QStringLiteral("Enter diskette drive letter (eg. a:\\) :") ||
        asked.title != QStringLiteral("Create KVR Competition Disk"))
        qFatal("no drive prompt");
    // Every outcome but success is an error.
    for (const ShownBox& box : fixture->dialogs.shown.mid(1))
        if (box.title != (box.icon == MsgIcon::Information ? "Done" : "Error") ||
            (box.icon != MsgIcon::Information && box.icon != MsgIcon::Error))
            qFatal("wrong title or icon for %s", qPrintable(box.text));
    return fixture->dialogs.texts().mid(1);
}

// One player creates a disk, another duels it, the first takes the money back. The owner's
// name has a double quote and a letter the code page lacks; the disk holds what it can.
void FrmdiskTest::twocareersshareadisk() {
    const QString shared = fixture->folder() + QStringLiteral("usb/");
    QVERIFY(QDir().mkpath(shared));
    const QString acename = QString::fromUtf8("Ace \"Łuk\"");
    Form1* ace = career(acename, 300, 40);
    Form1* bea = career("Bea", 100, 40);

    QCOMPARE(command(ace, &Form1::createbattledisk, shared),
             QStringList{"KVR Battle Disk Created!"});
    QCOMPARE(contents(shared + "battle.dat"), QByteArray("\"Ace '?uk'\"\r\n300\r\n40\r\n"));
    QCOMPARE(command(ace, &Form1::fightbattledisk, shared), QStringList{wrongdisk});
    QCOMPARE(command(bea, &Form1::updatefromdisk, shared), QStringList{wrongdisk});
    QCOMPARE(command(bea, &Form1::fightbattledisk, fixture->folder() + "nodisk/"),
             QStringList{notfound});
    QCOMPARE(bea->career->money(), 100);

    // Equal training, poorer player: Bea wins, and sees her money while the race runs.
    QCOMPARE(command(bea, &Form1::fightbattledisk, shared), QStringList{});
    QCOMPARE(bea->shownmoney->text(), QStringLiteral("125"));
    QCOMPARE(contents(shared + "battle.dat"), QByteArray("\"Ace '?uk'\"\r\n275\r\n40\r\n"));
    frmdisk* race = bea->diskwindow;
    QVERIFY(race && race->isVisible() && race->mewin1->isActive() && !race->diskwin1->isActive());

    // Ace's own money is replaced, his training since the disk kept.
    staged(ace->career).setstate({acename, 1, 999, 0, 90});
    QCOMPARE(command(ace, &Form1::updatefromdisk, shared), QStringList{"Status Updated!"});
    QCOMPARE(ace->shownmoney->text(), QStringLiteral("275"));
    QCOMPARE(ace->career->training(), 90);
    QCOMPARE(contents(shared + "battle.dat"), QByteArray("\"Ace '?uk'\"\r\n275\r\n40\r\n"));

    // Cancel at the prompt is the current folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(fixture->folder());
    QCOMPARE(command(ace, &Form1::createbattledisk, QString()),
             QStringList{"KVR Battle Disk Created!"});
    QDir::setCurrent(before);
    QCOMPARE(contents(fixture->folder() + "battle.dat"),
             QByteArray("\"Ace '?uk'\"\r\n275\r\n90\r\n"));

    // A folder that does not exist is no disk: nothing is written beside it.
    QCOMPARE(command(ace, &Form1::createbattledisk, fixture->folder() + "gone"),
             QStringList{notfound});
    QVERIFY(!QFile::exists(fixture->folder() + "gonebattle.dat"));
}

void FrmdiskTest::stagedrace_data() {
    QTest::addColumn<bool>("playerwins");
    QTest::newRow("player") << true;
    QTest::newRow("disk character") << false;
}

// The winner's lane fills every 100 ms, the loser's every 120 ms; the tick after the winner's
// 25th character ends the race, and a second race for the same winner ends at once.
void FrmdiskTest::stagedrace() {
    QFETCH(bool, playerwins);
    frmdisk window;
    frmdisk* race = &window;
    QLineEdit* winner = playerwins ? race->txtme : race->txtdisk;
    QLineEdit* loser = playerwins ? race->txtdisk : race->txtme;
    auto start = [&] { playerwins ? race->mewin() : race->diskwin(); };
    auto fast = [&] { playerwins ? race->mewin1_Timer() : race->diskwin1_Timer(); };
    auto slow = [&] { playerwins ? race->mewin2_Timer() : race->diskwin2_Timer(); };
    fixture->clock.seconds = 4242;
    fixture->random.draws << 0.32 << 0.0 << 0.999;
    fixture->random.reseeds.clear();

    start();
    QVERIFY(race->isVisible());
    for (int ms = 100; ms <= 2500; ms += 20) {
        if (ms % 100 == 0)
            fast();
        if (ms % 120 == 0)
            slow();
    }
    QCOMPARE(winner->text().size(), 25);
    QCOMPARE(loser->text().size(), 20);
    QCOMPARE(winner->text().left(2), QStringLiteral(u"A\u00C8"));
    QCOMPARE(loser->text().at(0), QChar(0x263A));
    QVERIFY(fixture->dialogs.shown.isEmpty());
    QCOMPARE(fixture->random.reseeds, QList<double>(45, 4242));

    slow();
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{playerwins ? "I won! Thanks for the $25, disk character!"
                                    : "Disk character won! Thanks for the $25!"});
    QCOMPARE(fixture->dialogs.shown.last().title, QStringLiteral("WOW!"));
    QCOMPARE(fixture->dialogs.shown.last().icon, MsgIcon::Exclamation);
    QVERIFY(!race->isVisible());
    QVERIFY(!race->mewin1->isActive() && !race->mewin2->isActive());
    QVERIFY(!race->diskwin1->isActive() && !race->diskwin2->isActive());
    QCOMPARE(loser->text().size(), 21);

    start();
    fast();
    QCOMPARE(fixture->dialogs.shown.size(), 2);
    QVERIFY(!race->isVisible());
    QCOMPARE(winner->text().size(), 26);
}

void FrmdiskTest::adiskfromsomeoneelse_data() {
    QTest::addColumn<QString>("lying"); // what the disk holds besides a good disk of Ace's
    QTest::addColumn<QString>("commandname");
    QTest::addColumn<QString>("said");
    const QString refused =
        notfound + "\n\nbattle.dat could not be read: it is a symbolic link, which the game "
                   "never follows on a battle disk.";
    // clang-format off
    QTest::newRow("create over a link")   << "link"          << "create" << notfound + "\n\nbattle.dat was not written: it is a symbolic link, which the game never follows on a battle disk.";
    QTest::newRow("update from a link")   << "link"          << "update" << refused;
    QTest::newRow("duel through a link")  << "link"          << "fight"  << refused;
    QTest::newRow("a pipe")               << "pipe"          << "update" << notfound + "\n\nbattle.dat could not be read: it is a folder, a device or a pipe, not a file.";
    QTest::newRow("a killed write's copy") << "partial"      << "update" << "Status Updated!";
    QTest::newRow("copy linked hard")     << "hard partial"  << "create" << "KVR Battle Disk Created!";
    QTest::newRow("copy as a link")       << "linked partial" << "create" << "KVR Battle Disk Created!";
    // clang-format on
}

// A disk comes from a friend: its links lead nowhere of the player's, and a copy a killed write
// left, the player's name and money, does not stay on it.
void FrmdiskTest::adiskfromsomeoneelse() {
    QFETCH(QString, lying);
    QFETCH(QString, commandname);
    QFETCH(QString, said);
    const QString disk = fixture->folder() + QStringLiteral("usb/");
    const QString mine = fixture->folder() + QStringLiteral("bashrc");
    const QString partial = disk + ".battle.dat.keystrider-partial";
    QVERIFY(QDir().mkpath(disk));
    const QByteArray kept = "\"Ace\"\r\n999\r\n0\r\n";
    fixture->writefile("bashrc", kept);
    QVERIFY(QFile::setPermissions(mine, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    if (lying == "link")
        QVERIFY(QFile::link(mine, disk + "battle.dat"));
    else if (lying == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(disk + "battle.dat").constData(), 0600), 0);
    else
        fixture->writefile("usb/battle.dat", "\"Ace\"\r\n300\r\n0\r\n");
    if (lying == "partial")
        fixture->writefile("usb/.battle.dat.keystrider-partial", "\"Ace\"\r\n12");
    else if (lying == "hard partial")
        QCOMPARE(
            ::link(QFile::encodeName(mine).constData(), QFile::encodeName(partial).constData()), 0);
    else if (lying == "linked partial")
        QVERIFY(QFile::link(mine, partial));

    Form1* ace = career("Ace", 250, 0);
    void (Form1::*handler)() = commandname == "create"   ? &Form1::createbattledisk
                               : commandname == "update" ? &Form1::updatefromdisk
                                                         : &Form1::fightbattledisk;
    QCOMPARE(command(ace, handler, disk), QStringList{said});
    QCOMPARE(contents(mine), kept);
    QCOMPARE(ace->career->money(), lying == "partial" ? 300 : 250);
    QVERIFY(!QFileInfo(partial).exists() && !QFileInfo(partial).isSymLink());
    QCOMPARE(QFileInfo(disk + "battle.dat").isSymLink(), lying == "link");
}

QTEST_MAIN(FrmdiskTest)
#include "frmdisk_test.moc"

// Ace's best race goes on his disk; Bea races it as a friendly race, which changes nothing of
// either career, nor the disk, nor her records, and says who was faster.
void FrmdiskTest::racingthedisktypistsbest() {
    const QString shared = fixture->folder() + QStringLiteral("usb/");
    QVERIFY(QDir().mkpath(shared));
    fixture->writefile("avg.txt", "alpha\r\n");
    Replay best{RaceLevel::Hard, 60000, {}};
    for (int entry = 1; entry <= 49; ++entry)
        best.moves.append({entry * 1000, track::startleft + entry * 175});
    QVERIFY(keepreplay(best).kept);
    Form1* ace = career("Ace", 300, 40);
    Form1* bea = career("Bea", 100, 40);

    QCOMPARE(command(bea, &Form1::racediskbest, shared), QStringList{notfound});
    QCOMPARE(command(ace, &Form1::createbattledisk, shared),
             QStringList{"KVR Battle Disk Created!"});
    const QByteArray disk = contents(shared + "battle.dat");
    QCOMPARE(disk, QByteArray("\"Ace\"\r\n300\r\n40\r\n"));
    QVERIFY(QFile::remove(fixture->folder() + replaysfilename));

    const CareerState acestate = ace->career->state();
    const CareerState beastate = bea->career->state();
    QCOMPARE(command(bea, &Form1::racediskbest, shared), QStringList{});
    frmcars* race = bea->friendlyracewindow;
    QVERIFY(race && race->isVisible() && race->friendly() && race != bea->racewindow);
    QCOMPARE(race->windowTitle(), QStringLiteral("Friendly Race"));
    // Only the level the disk holds; the friend's ghost stands in for the opponent.
    QVERIFY(race->hard->isChecked() && !race->easy->isEnabled() && !race->expert->isEnabled());
    QVERIFY(!race->opponentcar->isVisible() && race->ghost->isVisible());
    QCOMPARE(race->ghost->accessibleName(), QStringLiteral("Ace's best"));
    race->start_Click();
    for (int entry = 1; entry <= 49; ++entry) {
        fixture->clock.ms += 900;
        QTest::keyClicks(race->typingbox, race->target->text());
        if (entry == 20) {
            race->clock_Timer();
            QCOMPARE(race->ghostline->text(), QStringLiteral("2 entries ahead of Ace"));
        }
    }
    race->clock_Timer();
    QCOMPARE(race->ghostline->text(),
             QStringLiteral("You were faster than Ace, by 4.9 s (44.1 s against 49.0 s)."));
    // Ready for another go, and nothing else happened.
    QVERIFY(race->isVisible() && race->start->isEnabled() && !race->typingbox->isEnabled());
    QVERIFY(fixture->dialogs.shown.size() == 1);
    QCOMPARE(ace->career->state(), acestate);
    QCOMPARE(bea->career->state(), beastate);
    QCOMPARE(contents(shared + "battle.dat"), disk);
    QVERIFY(!QFile::exists(fixture->folder() + "stats.dat"));
    QVERIFY(!QFile::exists(fixture->folder() + replaysfilename));

    // A friend's file that is damaged is refused by its name.
    QFile ghost(shared + "ghost.dat");
    QVERIFY(ghost.open(QIODevice::Append) && ghost.write("\"best\",\"Easy\",1,\"0:250\"\r\n"));
    ghost.close();
    QCOMPARE(command(bea, &Form1::racediskbest, shared),
             QStringList{"ghost.dat could not be read: line 3 is damaged."});
}

void FrmdiskTest::browsingforthedisk_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // a null QString(): the chooser cancelled
    QTest::addColumn<QString>("lying");  // what the chosen folder holds already
    QTest::addColumn<QString>("said");
    const QString created = QStringLiteral("KVR Battle Disk Created!");
    // clang-format off
    QTest::newRow("chosen")                 << "" << "usb" << "" << created;
    QTest::newRow("chosen over a typo")     << "/medai/usb" << "usb" << "" << created;
    QTest::newRow("chooser cancelled")      << "usb" << QString() << "" << created;
    QTest::newRow("chosen, a link on it")   << "" << "usb" << "link" << notfound + "\n\nbattle.dat was not written: it is a symbolic link, which the game never follows on a battle disk.";
    QTest::newRow("typed, a link on it")    << "usb" << QString() << "link" << notfound + "\n\nbattle.dat was not written: it is a symbolic link, which the game never follows on a battle disk.";
    // clang-format on
}

// "Browse..." fills the drive prompt's box with the folder chosen, and the disk is written
// there as into a folder typed, through the same checks; Cancel in the chooser changes nothing.
void FrmdiskTest::browsingforthedisk() {
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(QString, lying);
    QFETCH(QString, said);
    const QString shared = fixture->folder() + QStringLiteral("usb");
    QVERIFY(QDir().mkpath(shared));
    fixture->writefile("elsewhere", "kept");
    if (lying == "link")
        QVERIFY(QFile::link(fixture->folder() + "elsewhere", shared + "/battle.dat"));
    KeyedFolderPrompt prompt;
    prompt.typed = typed == "usb" ? shared : typed;
    prompt.folders << (chosen.isNull() ? QString() : shared);
    setdialogs(&prompt);
    Form1* ace = career("Ace", 300, 40);
    ace->createbattledisk();
    setdialogs(&fixture->dialogs);

    // The prompt as it always was; the chooser under its title, where the box pointed.
    QCOMPARE(prompt.shown.size(), 3);
    QCOMPARE(prompt.shown[0].text, QStringLiteral("Enter diskette drive letter (eg. a:\\) :"));
    for (const ShownBox& box : prompt.shown.mid(0, 2))
        QCOMPARE(box.title, QStringLiteral("Create KVR Competition Disk"));
    if (typed == "usb")
        QCOMPARE(prompt.shown[1].text, shared);
    else
        QVERIFY(prompt.shown[1].text != typed && QFileInfo(prompt.shown[1].text).isDir());
    QCOMPARE(prompt.filled, chosen.isNull() ? prompt.typed : shared);
    QCOMPARE(prompt.backinbox, !chosen.isNull());
    QCOMPARE(prompt.names, (QStringList{prompt.shown[0].text, "Browse..."}));
    QCOMPARE(prompt.texts().mid(2), QStringList{said});
    QCOMPARE(contents(fixture->folder() + "elsewhere"), QByteArray("kept"));
    if (lying.isEmpty())
        QCOMPARE(contents(shared + "/battle.dat"), QByteArray("\"Ace\"\r\n300\r\n40\r\n"));
}
