#include "common/folderprompt.h"

#include "common/desktopdialogs.h"
#include "common/dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FolderPrompt::FolderPrompt(const QString& prompt, const QString& title, const QString& defaulttext,
                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    // A label with a buddy takes '&' for a mnemonic; the question shows as written.
    question = new QLabel(QString(prompt).replace(QLatin1Char('&'), QLatin1String("&&")), this);
    question->setObjectName(QStringLiteral("question"));
    question->setTextFormat(Qt::PlainText);
    answer = new QLineEdit(defaulttext, this);
    answer->setObjectName(QStringLiteral("answer"));
    // The box is named by its question, as a screen reader reads an input box.
    question->setBuddy(answer);
    browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Enter in the box answers, as in any input box.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &FolderPrompt::browse_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(answer, 1);
    row->addWidget(browse);
    auto* column = new QVBoxLayout(this);
    column->addWidget(question);
    column->addLayout(row);
    column->addWidget(buttons);
    const QMargins margins = column->contentsMargins();
    question->setMinimumWidth(titlewidth(title) - margins.left() - margins.right());
    setTabOrder(answer, browse);
    setTabOrder(browse, buttons);
    answer->setFocus();
}

void FolderPrompt::browse_Click() {
    const QString chosen = choosefolderbox(windowTitle(), startfolder());
    if (chosen.isEmpty())
        return;
    answer->setText(chosen);
    // Enter now answers with the folder chosen, rather than opening the chooser again.
    answer->setFocus();
}

QString FolderPrompt::startfolder() const {
    QString typed = answer->text();
    if (typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/")))
        typed.replace(0, 1, QDir::homePath());
    if (!typed.isEmpty() && QFileInfo(typed).isDir())
        return QFileInfo(typed).absoluteFilePath();
    // Where the desktop mounts a USB stick: /media/NAME on Debian, /run/media/NAME elsewhere.
    const QString user = qEnvironmentVariable("USER");
    for (const QString& media : {QStringLiteral("/media/"), QStringLiteral("/run/media/")})
        if (!user.isEmpty() && QFileInfo(media + user).isDir())
            return media + user;
    return QDir::homePath();
}
