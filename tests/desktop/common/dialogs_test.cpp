#include "common/desktopdialogs.h"
#include "common/folderprompt.h"
#include "support/fakes.h"
#include "support/keyboardwalk.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void boxesshowtheirwholetitle_data();
    void boxesshowtheirwholetitle();
    void browsefillsthefolderbox_data();
    void browsefillsthefolderbox();
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

void DialogsTest::browsefillsthefolderbox_data() {
    QTest::addColumn<QString>("typed");  // "here": a folder that is there
    QTest::addColumn<QString>("chosen"); // a null QString(): the chooser cancelled
    QTest::addColumn<QString>("start");  // where the chooser opens; empty: not at the typed text
    QTest::addColumn<QString>("answer");
    const QString here = QStringLiteral("here");
    // clang-format off
    QTest::newRow("chosen into an empty box")  << "" << "/media/ana/USB" << "" << "/media/ana/USB";
    QTest::newRow("chosen over a folder")      << here << "/media/ana/USB" << here << "/media/ana/USB";
    QTest::newRow("cancelled, folder kept")    << here << QString() << here << here;
    QTest::newRow("cancelled, home kept")      << "~" << QString() << QDir::homePath() << "~";
    QTest::newRow("cancelled, a typo kept")    << "/medai/usb" << QString() << "" << "/medai/usb";
    // clang-format on
}

// Browse... opens the chooser where the box points, if it can, and a folder chosen replaces
// what the box held; a Cancel there leaves the box as it was. The box is answered as typed.
void DialogsTest::browsefillsthefolderbox() {
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(QString, start);
    QFETCH(QString, answer);
    QTemporaryDir dir;
    auto real = [&](const QString& text) { return text == "here" ? dir.path() : text; };
    ScriptedDialogs chooser;
    chooser.folders << chosen;
    setdialogs(&chooser);
    FolderPrompt box(QStringLiteral("Enter diskette drive letter (eg. a:\\) :"),
                     QStringLiteral("Create KVR Competition Disk"), QString());
    QCOMPARE(tabwalk(&box, 1), QList<QWidget*>{box.browse});
    QTest::keyClicks(box.answer, real(typed));
    QTest::keyClick(box.browse, Qt::Key_Space);
    setdialogs(nullptr);

    QCOMPARE(chooser.shown.size(), 1);
    QCOMPARE(chooser.shown[0].title, QStringLiteral("Create KVR Competition Disk"));
    if (start.isEmpty())
        QVERIFY(chooser.shown[0].text != typed && QFileInfo(chooser.shown[0].text).isDir());
    else
        QCOMPARE(chooser.shown[0].text, real(start));
    QCOMPARE(box.answer->text(), real(answer));
    // A folder chosen: Enter answers with it. Cancelled: the focus stays on Browse..., and the
    // box, back by Shift+Tab, answers with what it held.
    QCOMPARE(QApplication::focusWidget(),
             chosen.isNull() ? static_cast<QWidget*>(box.browse) : box.answer);
    if (chosen.isNull())
        QTest::keyClick(box.browse, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.shown.size(), 1);

    // Read as its caption and its question, as a screen reader names them.
    auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    QCOMPARE(name(box.browse), QStringLiteral("Browse..."));
    QCOMPARE(name(box.answer), QStringLiteral("Enter diskette drive letter (eg. a:\\) :"));
    QCOMPARE(box.question->text(), QStringLiteral("Enter diskette drive letter (eg. a:\\) :"));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
