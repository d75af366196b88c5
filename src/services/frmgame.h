#pragma once

#include <QPointer>
#include <QWidget>

class Career;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// Double or Nothing: a stake that each further bet doubles or loses, paid out on a claim, from
// and into the career's money as the status panel shows it.
class frmgame : public QWidget {
    Q_OBJECT
public:
    explicit frmgame(Career* career, QWidget* parent = nullptr);

    // Back to choosing a bet, with the cash as the main window shows it.
    void starter();

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QLabel* Label1;
    QFrame* Line1;
    QLabel* Label2;
    QGroupBox* Frame1;
    QLabel* Label3;
    QLabel* cash;
    QLabel* Label4;
    QComboBox* betmoney;
    QPushButton* Command1;
    QGroupBox* Frame2;
    QLabel* Label5;
    QLabel* winmoney;
    QPushButton* Command2;
    QPushButton* Command3;

private:
    void showframe(QGroupBox* frame);

private:
    const QPointer<Career> career;
};

