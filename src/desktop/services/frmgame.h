#pragma once

#include "services/doubleornothing.h"

#include <QWidget>

class Career;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// Double or Nothing: the window of a gamble whose session stakes, doubles or loses, and pays
// out on a claim, from and into the career's money as the status panel shows it.
class frmgame : public QWidget {
    Q_OBJECT
public:
    explicit frmgame(Career* career, QWidget* parent = nullptr);

    // Back to choosing a bet, with the cash as the main window shows it (the game's own name for
    // its reset).
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

    // The stake, the current sum and the cash the window shows.
    DoubleOrNothing session;

private:
    void showframe(QGroupBox* frame);
};
