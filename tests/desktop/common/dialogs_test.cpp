#include "common/desktopdialogs.h"
#include "common/folderprompt.h"

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
};

// Narrow boxes cut their titles ("Enter Nan"); a question whose Yes loses something has No as
// its default.
void DialogsTest::boxesshowtheirwholetitle_data() {
    QTest::addColumn<MsgButtons>("buttons"); // Ok for an input box here
    QTest::addColumn<QString>("title");
    QTest::newRow("input") << MsgButtons::Ok << "Create KVR Competition Disk";
    QTest::newRow("message") << MsgButtons::YesNo << "Mysterious Reward Bag";
    QTest::newRow("question") << MsgButtons::YesNoDefaultNo << "Save Game...";
    QTest::newRow("folder") << MsgButtons::Ok << "Create KVR Competition Disk";
}

void DialogsTest::boxesshowtheirwholetitle() {
    QFETCH(MsgButtons, buttons);
    QFETCH(QString, title);
    std::unique_ptr<QDialog> box;
    if (QTest::currentDataTag() == QLatin1String("folder"))
        box = std::make_unique<FolderPrompt>(QStringLiteral("Enter:"), title, QString());
    else if (buttons == MsgButtons::Ok)
        box = inputdialog(QStringLiteral("Enter:"), title, QString());
    else
        box = messagebox(QStringLiteral("Sure?"), title, MsgIcon::Question, buttons);
    box->show();
    QVERIFY(box->width() >= titlewidth(title));
    QVERIFY(titlewidth(title) > box->fontMetrics().horizontalAdvance(title));
    if (auto* question = qobject_cast<QMessageBox*>(box.get()))
        QCOMPARE(question->defaultButton() == question->button(QMessageBox::No),
                 buttons == MsgButtons::YesNoDefaultNo);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
