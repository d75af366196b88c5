// Replacing a file on a disk with no room left: the old bytes survive and the player is told.
#include "career/form1.h"
#include "common/programfolder.h"
#include "saves/sav.h"
#include "support/fakes.h"
#include "tictactoe/tictac.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

class FullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void savedgame_data();
    void savedgame();
    void record();
    void battledisk();

private:
    QByteArray filebytes(const QString& name) const;
    QString lasttext() const {
        const QStringList texts = fixture->dialogs.texts();
        return texts.isEmpty() ? QString() : texts.last();
    }
    void filldisk() const;
    QString disk;
    GameFixture* fixture = nullptr;
    Form1* form = nullptr;
};

void FullDiskTest::init() {
    if (geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root, as CI has");
    fixture = new GameFixture;
    disk = fixture->folder() + QStringLiteral("disk/");
    QDir().mkpath(disk);
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0) {
        delete fixture;
        fixture = nullptr;
        QSKIP("this machine refuses to mount a tmpfs");
    }
    setprogramfolder(disk);
    form = new Form1;
    form->playername = QStringLiteral("Ace");
    form->money = 700;
    form->updatestatus();
}

void FullDiskTest::cleanup() {
    if (!fixture)
        return;
    delete form;
    QProcess::execute(QStringLiteral("umount"), {disk});
    delete fixture;
}

QByteArray FullDiskTest::filebytes(const QString& name) const {
    QFile file(disk + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void FullDiskTest::filldisk() const {
    QFile filler(disk + QStringLiteral("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
}

// A save the player made private, or moved elsewhere behind a symbolic link, stays so after a
// Save, and keeps its bytes when the disk is full.
void FullDiskTest::savedgame_data() {
    QTest::addColumn<bool>("owneronly");
    QTest::addColumn<bool>("linked");
    QTest::newRow("plain") << false << false;
    QTest::newRow("private") << true << false;
    QTest::newRow("private, behind a link") << true << true;
}

void FullDiskTest::savedgame() {
    QFETCH(bool, owneronly);
    QFETCH(bool, linked);
    form->saver->trigger();
    sav* save = form->savewindow;
    save->txtpath->setText(QStringLiteral("career"));
    save->Command1->click();
    QCOMPARE(lasttext(), QStringLiteral("File saved!"));
    const QString real = disk + (linked ? "real.kvr" : "career.kvr");
    if (linked)
        QVERIFY(QFile::rename(disk + "career.kvr", real) &&
                QFile::link("real.kvr", disk + "career.kvr"));
    if (owneronly)
        QVERIFY(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QFileDevice::Permissions mode = QFile::permissions(real);

    form->money = 800;
    form->updatestatus();
    form->saver->trigger();
    save->Command1->click();
    QCOMPARE(lasttext(), QStringLiteral("File saved!"));
    QCOMPARE(QFileInfo(disk + "career.kvr").isSymLink(), linked);
    QCOMPARE(QFile::permissions(real), mode);
    const QByteArray saved = filebytes("career.kvr");
    QVERIFY(saved.contains("800"));

    filldisk();
    form->money = 900;
    form->saver->trigger();
    save->Command1->click();
    QCOMPARE(lasttext(),
             QStringLiteral("The game could not be saved as career.kvr. Any game saved under "
                            "that name before is unchanged."));
    QCOMPARE(filebytes("career.kvr"), saved);
    QCOMPARE(QFile::permissions(real), mode);
    const QStringList files = linked ? QStringList{"career.kvr", "filler", "real.kvr"}
                                     : QStringList{"career.kvr", "filler"};
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden), files);
}

void FullDiskTest::record() {
    form->Ti->setEnabled(true);
    form->Ti_Click();
    tictac* game = form->tictacwindow;
    game->Text4->setText(QStringLiteral("Ann"));
    game->Command2_Click();
    const QByteArray written = filebytes("Ann.sco");
    QCOMPARE(written, QByteArray("\"Ann\",0,0,0,\"X\",\"O\"\r\n"));

    filldisk();
    game->wins = 3;
    game->close();
    QCOMPARE(lasttext(), QStringLiteral("The record of Ann could not be written."));
    QCOMPARE(filebytes("Ann.sco"), written);
}

void FullDiskTest::battledisk() {
    fixture->dialogs.inputs << disk;
    form->createdisk_Click();
    QCOMPARE(lasttext(), QStringLiteral("KVR Battle Disk Created!"));
    const QByteArray created = filebytes("battle.dat");

    filldisk();
    form->money = 900;
    fixture->dialogs.inputs << disk;
    form->createdisk_Click();
    QCOMPARE(lasttext(), QStringLiteral("Diskette not found!"));
    QCOMPARE(filebytes("battle.dat"), created);
}

QTEST_MAIN(FullDiskTest)
#include "fulldisk_test.moc"
