#include "competition/frmcomp.h"

#include "career/career.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "common/number.h"
#include "common/program.h"
#include "common/sidewindow.h"
#include "competition/competitiondraw.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include <utility>

namespace {
constexpr int entryfee = 100;
}

frmcomp::frmcomp(Career* career, QWidget* parent) : QWidget(parent), career(career) {
    setupsidewindow(this, "frmcomp", QStringLiteral("Competition List"));

    listframe = placed(new QGroupBox(QStringLiteral("List of World Competitions"), this), "Frame1",
                       120, 120, 4815, 2895);
    // Column headings only; they do nothing.
    countryheading = placed(new QPushButton(QStringLiteral("Country"), listframe), "Command1", 120,
                            300, 2895, 375);
    priceheading = placed(new QPushButton(QStringLiteral("Grand Price"), listframe), "Command3",
                          3015, 300, 1680, 375);
    country = placed(new QListWidget(listframe), "country", 120, 675, 2895, 2100);
    firstprice = placed(new QListWidget(listframe), "firstprice", 3015, 675, 1680, 2100);
    // Headings the keyboard can do nothing with; the list opens with the focus, its first row
    // picked as it takes it.
    for (QPushButton* heading : {countryheading, priceheading})
        heading->setFocusPolicy(Qt::NoFocus);
    country->setFocus();
    country->setAccessibleName(countryheading->text());
    firstprice->setAccessibleName(priceheading->text());
    // The prices only follow the countries; the player can't pick one of his own. Disabled, they
    // keep the colours of an enabled list: a dark theme greys disabled text on a grey ground.
    firstprice->setEnabled(false);
    QPalette colours = firstprice->palette();
    for (QPalette::ColorRole role :
         {QPalette::Base, QPalette::Text, QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Disabled, role, colours.color(QPalette::Active, role));
    firstprice->setPalette(colours);
    hint =
        placed(new QLabel(QStringLiteral("Double click the competition you want to join."), this),
               "Label1", 120, 3120, 4815, 255);
    setFixedSize(twips(5055), twips(3495));
    centreonscreen(this);

    // The selection moves by program too, and the prices must follow those moves as well; the
    // current row alone is no guide, as focus or a Ctrl+click can leave it on an unselected row.
    connect(country, &QListWidget::itemSelectionChanged, this, &frmcomp::country_Click);
    connect(country, &QListWidget::itemDoubleClicked, this, &frmcomp::country_DblClick);
    onenterkey(country, [this] { country_DblClick(); });
    selectfirstonfocus(country);
    closeonescape(this);
}

void frmcomp::generate() {
    // Drawn whole before the lists change, so the two columns never differ in length even while
    // pending events run between the draws. Those events may close this window; the draw then
    // has nowhere to go, and the next day's draws into a new window.
    QPointer<frmcomp> self(this);
    const QList<Competition> rows = drawcompetitions(doevents);
    if (!self)
        return;
    country->clear();
    firstprice->clear();
    for (const Competition& row : rows) {
        country->addItem(row.country);
        firstprice->addItem(pricetext(row.price));
    }
}

void frmcomp::country_Click() {
    const QList<QListWidgetItem*> selected = country->selectedItems();
    if (!selected.isEmpty())
        firstprice->setCurrentRow(country->row(selected.first()));
}

void frmcomp::country_DblClick() {
    const QString clicked = currenttext(country);
    if (clicked.isEmpty() || !career)
        return;

    // Moves the selection to the first row held in the player's country, which may be another
    // row of the same name than the one clicked, or no row at all.
    if (career->country() != Country::None)
        setcurrenttext(country, QLatin1String(countryinfo(career->country()).name));
    if (currenttext(country) != clicked) {
        msgbox(QStringLiteral("You are at the wrong country!"), MsgIcon::Error,
               QStringLiteral("Error"));
        return;
    }

    if (career->shown().money < entryfee) {
        msgbox(QStringLiteral("You do not have enough money to join the competition!"));
        return;
    }
    career->changemoneyby(-entryfee);

    QString price = currenttext(firstprice);
    price.remove(QLatin1Char('$'));
    emit joined(textint32(price));
    career->reversevalue();
    hide();
}
