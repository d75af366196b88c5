#include "competition/frmcomp.h"

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "common/program.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

frmcomp::frmcomp(Career* career, QWidget* parent) : QWidget(parent), competitions(career) {
    setupsidewindow(this, "frmcomp", tr("Competition List"));

    listframe = placed(new QGroupBox(tr("List of World Competitions"), this), "Frame1", 120, 120,
                       4815, 2895);
    // Column headings only; they do nothing.
    countryheading =
        placed(new QPushButton(tr("Country"), listframe), "Command1", 120, 300, 2895, 375);
    priceheading =
        placed(new QPushButton(tr("Grand Price"), listframe), "Command3", 3015, 300, 1680, 375);
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
    hint = placed(new QLabel(tr("Double click the competition you want to join."), this), "Label1",
                  120, 3120, 4815, 255);
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
    QList<Competition> drawn = drawcompetitions(doevents);
    if (!self)
        return;
    competitions.setrows(std::move(drawn));
    showrows();
}

void frmcomp::showrows() {
    country->clear();
    firstprice->clear();
    for (const Competition& row : competitions.rows()) {
        country->addItem(QCoreApplication::translate("Country", row.country.toUtf8()));
        firstprice->addItem(pricetext(row.price));
    }
}

void frmcomp::country_Click() {
    const QList<QListWidgetItem*> selected = country->selectedItems();
    if (!selected.isEmpty())
        firstprice->setCurrentRow(country->row(selected.first()));
}

void frmcomp::country_DblClick() {
    const QListWidgetItem* clicked = country->currentItem();
    if (!clicked || !clicked->isSelected())
        return;
    const CompetitionEntry entry = competitions.enter(country->row(clicked));
    if (entry.outcome == EntryOutcome::NoRow)
        return;
    setcurrentrow(country, entry.row);
    switch (entry.outcome) {
    case EntryOutcome::NoRow:
        return;
    case EntryOutcome::WrongCountry:
        msgbox(tr("You are at the wrong country!"), MsgIcon::Error, tr("Error"));
        return;
    case EntryOutcome::NotEnoughMoney:
        msgbox(tr("You do not have enough money to join the competition!"));
        return;
    case EntryOutcome::Joined:
        break;
    }
    emit joined(entry.prize);
    hide();
}
