#pragma once

#include "competition/competitionday.h"

#include <QWidget>

#include <cstdint>

class Career;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The day's world competitions, one row each in two lists: country and first price. A double
// click asks to join one; the day's competitions say whether it may and what it pays.
class frmcomp : public QWidget {
    Q_OBJECT
public:
    explicit frmcomp(Career* career, QWidget* parent = nullptr);

    // Draws the day's list afresh; does not show the window.
    void generate();

    // Handlers.
    void country_Click();
    void country_DblClick();

    QGroupBox* listframe;
    QPushButton* countryheading;
    QPushButton* priceheading;
    QListWidget* country;
    QListWidget* firstprice;
    QLabel* hint;

    // The rows the lists show, and the entry: where the player is, and the fee.
    CompetitionDay competitions;
    // The lists show the rows of the day's competitions.
    void showrows();

signals:
    // The fee is paid: the race for this first price starts.
    void joined(std::int32_t prize);
};
