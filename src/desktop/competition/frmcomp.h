#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>

class Career;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The day's world competitions, one row each in two lists: country and first price. A double
// click joins a competition held where the player is, for the $100 fee.
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

signals:
    // The fee is paid: the race for this first price starts.
    void joined(std::int32_t prize);

private:
    // Where the player is, and the money the fee is paid from.
    const QPointer<Career> career;
};
