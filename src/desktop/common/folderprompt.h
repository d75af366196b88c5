#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// An input box for a folder: the question, the box, and beside it "Browse...", which opens the
// desktop's folder chooser (through the seam, so tests script it) and fills the box with the
// folder chosen. The box's text is the answer, typed or chosen alike.
class FolderPrompt : public QDialog {
    Q_OBJECT
public:
    FolderPrompt(const QString& prompt, const QString& title, const QString& defaulttext,
                 QWidget* parent = nullptr);

    void browse_Click();
    // Where the chooser opens: the folder the box names, else the folder removable media are
    // mounted in, else the home folder.
    QString startfolder() const;

    QLabel* question;
    QLineEdit* answer;
    QPushButton* browse;
    QDialogButtonBox* buttons;
};
