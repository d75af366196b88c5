// How a career begins: a New game, or a saved game loaded.
#include "career/career.h"
#include "common/number.h"
#include "common/textfile.h"
#include "saves/savedgame.h"

NameCheck checkplayername(const QString& name) {
    if (name.isEmpty())
        return NameCheck::Empty;
    return fitswindows1252(name) ? NameCheck::Fine : NameCheck::Unkeepable;
}

void Career::newcareer(const QString& name) {
    newdaysatbegin = newdays;
    resetvalues();
    setplayername(name);
    setrank(0);
    setmoney(250);
    setdays(0);
    updatelog(tr("Objectives: To raise to Typist Rank 8 so that"));
    updatelog(tr("you will be hired by QuendleSoft as a typist or"));
    updatelog(tr("get $25000 cash to bribe QuendleSoft to give you"));
    updatelog(tr("the job!"));
    updatelog(QString());
    updatelog(tr("Each rank promotion gives you extra days of game!"));
    settraining(0);
    updatestatus();
}

void Career::load(SavedGame game) {
    newdaysatbegin = newdays;
    resetvalues();
    // Each value is shown in turn, the new day opened and the promotion checked as they show,
    // before the career takes them all over. A load costs a day.
    showplayername(game.playername);
    showmoney(game.money);
    showrank(game.rank);
    takedays(addclamped(game.days, 1));
    taketraining(textint32(game.training));
    // Handed over, not shared: the career adds to a log of megabytes without copying it.
    setlog(std::move(game.log));
    reversevalue();
}

void Career::backtosingapore(const QString& file) {
    clearcountries();
    setcountry(Country::Singapore);
    updatelog(tr("You travelled back to Singapore!"));
    begincareer(file);
}
