// The race against a ghost: the player's own best race of the level, or a friend's from their
// battle disk. It takes no part in the race's rules; it moves on the race clock's ticks.
#include "competition/frmcars.h"

#include "common/clock.h"
#include "common/controls.h"
#include "common/layout.h"
#include "competition/ghostcar.h"
#include "competition/ghostwords.h"
#include "competition/replaysfile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

void frmcars::buildghost() {
    ghost = new GhostCar(this);
    ghost->setObjectName(QStringLiteral("ghost"));
    ghost->setwhose(QStringLiteral("Your best"));
    // Over the cars: see-through, it leaves the player's car in sight where the two meet.
    ghost->raise();
    ghost->hide();
    // Where the pause button would be, which the race never shows.
    racemybest = placed(new QCheckBox(QStringLiteral("Race my best"), this), "racemybest", 7440,
                        4680, 3735, 375);
    racemybest->setChecked(true);
    racemybest->hide();
    setTabOrder(back, racemybest);
    ghostline = placed(new SpokenLabel(this), "ghostline", 1560, 60, 8280, 480);
    ghostline->setWordWrap(true);
    ghostline->setAlignment(Qt::AlignCenter);

    connect(racemybest, &QCheckBox::toggled, this, [this](bool on) {
        showghost();
        if (!on)
            ghostline->clear();
        // Remembered for the next race, and the next run.
        if (replays.showbest != on) {
            replays.showbest = on;
            const QString trouble = keepshowbest(on);
            if (!trouble.isEmpty())
                ghostline->setText(trouble);
        }
    });
    for (QRadioButton* option : {easy, average, hard, expert})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on && start->isEnabled())
                showghost();
        });
}

void frmcars::loadghosts() {
    const ReplaysRead read = loadreplays();
    replays = read.book;
    // The last race's verdict goes with it.
    ghostline->clear();
    if (!read.trouble.isEmpty())
        ghostline->setText(read.trouble);
    const QSignalBlocker quiet(racemybest);
    racemybest->setChecked(replays.showbest);
    showghost();
}

// The ghost of the level chosen, at the start until a race moves it.
void frmcars::showghost() {
    const std::optional<Replay>& best =
        friendghost ? friendghost->best.at(static_cast<std::size_t>(level()))
                    : replays.bestof(level());
    racemybest->setVisible(!friendghost && best.has_value());
    const bool shown = best && (friendghost || racemybest->isChecked());
    if (start->isEnabled() || !shown)
        ghost->move(twips(track::startleft), (friendghost ? opponentcar : yourcar)->y());
    ghost->setVisible(shown);
}

std::int64_t frmcars::sincestart() const {
    return steadymilliseconds() - startedat;
}

void frmcars::startghost() {
    startedat = steadymilliseconds();
    tape.start(level());
    racing = friendghost ? friendghost->best.at(static_cast<std::size_t>(level()))
                         : replays.bestof(level());
    showghost();
    ghostline->clear();
    moveghost();
}

void frmcars::followcar() {
    if (tape.running())
        tape.follow(sincestart(), positions.playerleft);
}

void frmcars::moveghost() {
    if (!racing || ghost->isHidden())
        return;
    const std::int64_t now = sincestart();
    ghost->move(twips(racing->leftat(now)), ghost->y());
    const QString whom = friendghost ? friendghost->name : QStringLiteral("your best");
    // Read as it stands when a screen reader asks; said aloud only at the end.
    const QString figure = standing(tape.left(), tape.arrived(), *racing, now, whom);
    if (figure == ghostline->text())
        return;
    ghostline->QLabel::setText(figure);
    tellnamechanged(ghostline);
}

void frmcars::ghostback() {
    tape.back();
}

bool frmcars::endghost() {
    const std::optional<Replay> race = tape.finish(sincestart());
    if (friendghost) {
        if (racing)
            ghostline->setText(friendlyverdict(tape.sofar(), *racing, friendghost->name));
        endfriendly();
        return true;
    }
    if (!race) {
        ghostline->clear();
        return false;
    }
    const std::optional<Replay> loaded = replays.bestof(race->level);
    const KeptRace kept = keepreplay(*race);
    const bool newbest = replays.add(*race);
    QString line =
        kept.kept ? raceline(*race, kept.before, kept.newbest) : raceline(*race, loaded, newbest);
    if (!kept.trouble.isEmpty())
        line += QLatin1Char(' ') + kept.trouble;
    ghostline->setText(line);
    return false;
}

// Back to the start, ready for another go, the window still showing the verdict.
void frmcars::endfriendly() {
    positions.restart();
    drawcars();
    target->clear();
    emptytypingbox(typingbox);
    typingbox->setEnabled(false);
    clock->stop();
    start->setEnabled(true);
    levelframe->setEnabled(true);
    showghost();
    start->setFocus();
}

void frmcars::racefriend(const DiskGhost& disk) {
    if (clock->isActive()) {
        tape.finish(sincestart());
        endfriendly();
    }
    friendghost = disk;
    setWindowTitle(QStringLiteral("Friendly Race"));
    opponentcar->hide();
    opponentcaption->hide();
    ghost->setwhose(QStringLiteral("%1's best").arg(disk.name));
    // Only the levels the disk holds a race of can be raced.
    std::optional<RaceLevel> first;
    for (RaceLevel l : {RaceLevel::Easy, RaceLevel::Average, RaceLevel::Hard, RaceLevel::Expert}) {
        const bool held = disk.best.at(static_cast<std::size_t>(l)).has_value();
        optionfor(l)->setEnabled(held);
        if (held && !first)
            first = l;
    }
    if (first && !disk.best.at(static_cast<std::size_t>(level())))
        setlevel(*first);
    ghostline->setText(
        QStringLiteral("A friendly race against %1's best: no fee, no prize.").arg(disk.name));
    showghost();
    if (start->isEnabled())
        start->setFocus();
    showtofront(this);
}
