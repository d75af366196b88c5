#include "common/dialogs.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void boxesshowtheirwholetitle_data();
    void boxesshowtheirwholetitle();
    void yesnothatlosesdefaultstono();
};

// Narrow boxes cut their titles ("Enter Nan"): every box is at least as wide as its title needs.
void DialogsTest::boxesshowtheirwholetitle_data() {
    QTest::addColumn<bool>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("name") << true << "Enter name you want:"
                          << "Enter Name";
    QTest::newRow("disk") << true << "Enter diskette drive letter (eg. a:\\) :"
                          << "Create KVR Competition Disk";
    QTest::newRow("cheat") << true << "Enter cheat:"
                           << "Cheat?";
    QTest::newRow("bag") << false << "Drawing Mysterious Reward bag..."
                         << "Mysterious Reward Bag";
    QTest::newRow("saved") << false << "File saved!"
                           << "Saved.";
}

void DialogsTest::boxesshowtheirwholetitle() {
    QFETCH(bool, input);
    QFETCH(QString, text);
    QFETCH(QString, title);
    std::unique_ptr<QDialog> box;
    if (input)
        box = inputdialog(text, title, QString());
    else
        box = messagebox(text, title, MsgIcon::Information, MsgButtons::Ok);
    box->show();
    QCOMPARE(box->windowTitle(), title);
    QVERIFY2(box->width() >= titlewidth(title), qPrintable(QString::number(box->width())));
    QVERIFY(titlewidth(title) > box->fontMetrics().horizontalAdvance(title));
}

void DialogsTest::yesnothatlosesdefaultstono() {
    const auto box =
        messagebox(QStringLiteral("x.kvr holds another saved game. Replace it?"),
                   QStringLiteral("Save Game..."), MsgIcon::Question, MsgButtons::YesNoDefaultNo);
    QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
    QCOMPARE(box->textFormat(), Qt::PlainText);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
