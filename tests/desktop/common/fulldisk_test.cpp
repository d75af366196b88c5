// Replacing a file on a disk with no room left: the old bytes survive and the player is told.
#include "career/career.h"
#include "common/programfolder.h"
#include "samples/careerstaging.h"
#include "saves/sav.h"
#include "shell/form1.h"
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
    staged(form->career).setstate({QStringLiteral("Ace"), 0, 700, 0, 0});
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

void FullDiskTest::savedgame() {
    form->savegame->trigger();
    sav* save = form->savewindow;
    save->filename->setText(QStringLiteral("career"));
    save->button->click();
    QCOMPARE(lasttext(), QStringLiteral("File saved!"));
    const QByteArray saved = filebytes("career.kvr");
    // The player keeps the save private, in a file the name links to: both stay so.
    QVERIFY(QFile::rename(disk + "career.kvr", disk + "real.kvr") &&
            QFile::link("real.kvr", disk + "career.kvr"));
    QVERIFY(QFile::setPermissions(disk + "real.kvr", QFile::ReadOwner | QFile::WriteOwner));
    const QFileDevice::Permissions mode = QFile::permissions(disk + "real.kvr");

    filldisk();
    staged(form->career).changemoney(900);
    form->savegame->trigger();
    save->button->click();
    QCOMPARE(lasttext(),
             QStringLiteral("The game could not be saved as career.kvr. Any game saved under "
                            "that name before is unchanged."));
    QCOMPARE(filebytes("career.kvr"), saved);
    QVERIFY(QFileInfo(disk + "career.kvr").isSymLink());
    QCOMPARE(QFile::permissions(disk + "real.kvr"), mode);
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"career.kvr", "filler", "real.kvr"}));
}

void FullDiskTest::record() {
    form->tictactoe->setEnabled(true);
    form->playtictactoe();
    tictac* game = form->tictacwindow;
    game->namebox->setText(QStringLiteral("Ann"));
    game->addtolist_Click();
    const QByteArray written = filebytes("Ann.sco");
    QCOMPARE(written, QByteArray("\"Ann\",0,0,0,\"X\",\"O\"\r\n"));

    filldisk();
    game->match.takerecord({3, 0, 0, QStringLiteral("X"), QStringLiteral("O")});
    game->close();
    QCOMPARE(lasttext(), QStringLiteral("The record of Ann could not be written."));
    QCOMPARE(filebytes("Ann.sco"), written);
}

void FullDiskTest::battledisk() {
    fixture->dialogs.inputs << disk;
    form->createbattledisk();
    QCOMPARE(lasttext(), QStringLiteral("KVR Battle Disk Created!"));
    const QByteArray created = filebytes("battle.dat");
    const QByteArray friends = "\"Bea\"\r\n100\r\n0\r\n";
    QVERIFY(QDir().mkpath(disk + "friend"));
    {
        QFile file(disk + "friend/battle.dat");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(friends) == friends.size());
    }

    filldisk();
    staged(form->career).changemoney(900);
    fixture->dialogs.inputs << disk;
    form->createbattledisk();
    QCOMPARE(lasttext(), QStringLiteral("Diskette not found!\n\nbattle.dat could not be written: "
                                        "no space left on device."));
    QCOMPARE(filebytes("battle.dat"), created);
    // A duel whose disk can't take the new money changes neither career.
    fixture->dialogs.inputs << disk + "friend";
    form->fightbattledisk();
    QCOMPARE(lasttext(), QStringLiteral("Diskette not found!\n\nbattle.dat could not be written: "
                                        "no space left on device."));
    QCOMPARE(filebytes("friend/battle.dat"), friends);
    QCOMPARE(form->career->money(), 900);
}

QTEST_MAIN(FullDiskTest)
#include "fulldisk_test.moc"
