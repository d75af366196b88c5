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
    void play_Click();
    void claim_Click();
    void continuebetting_Click();

    QLabel* heading;
    QFrame* divider;
    QLabel* rules;
    QGroupBox* startframe;
    QLabel* cashcaption;
    QLabel* cash;
    QLabel* betcaption;
    QComboBox* betmoney;
    QPushButton* play;
    QGroupBox* gamblingframe;
    QLabel* sumcaption;
    QLabel* winmoney;
    QPushButton* claim;
    QPushButton* continuebetting;

private:
    void showframe(QGroupBox* frame);

private:
    const QPointer<Career> career;
};
