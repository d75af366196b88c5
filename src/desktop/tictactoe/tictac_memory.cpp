// What outlives the window: the learned strategies and the roster with its records.
#include "common/dialogs.h"
#include "common/filename.h"
#include "common/filereading.h"
#include "common/programfolder.h"
#include "common/textfile.h"
#include "sound/sounds.h"
#include "tictactoe/records.h"
#include "tictactoe/strategies.h"
#include "tictactoe/tictac.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

void tictac::Form_Load() {
    stages->addItems({tr("Processing"), tr("Trying predefined Strategy"),
                      tr("Looking for ways to win"), tr("Looking for ways to block you"),
                      tr("Recalling your Strategy"), tr("Random Move")});
    apppath = ::apppath();
    loadbrain();
    match.takerecord({0, 0, 0, yoursignbox->text(), compsignbox->text()});
    loadroster();
    setstartbuttons(true);
    clock->start();
}

void tictac::loadbrain() {
    FileRead read;
    brain = ::loadbrain(apppath, read);
    strategylist->clear();
    showstrategies();
    // A file that is there but can't be read is left as it is: what is learned now stays in
    // this window.
    if (!read.ok() && !read.missing()) {
        brainrefused = true;
        msgbox(tr("%1 Vivovu Dev Ezi Doz plays without what it learned before, "
                  "and what it learns now is not kept.")
                   .arg(read.message(brainfile)),
               MsgIcon::Exclamation);
    }
}

void tictac::learn() {
    learnedclock->start();
    strategylearned->show();
    playsound(Sound::StrategyLearned);
    const QString strategy = match.yourmoves();
    brain.append(strategy);
    showstrategies();
    if (brainrefused)
        return;
    // Once per window: a folder that refuses the file refuses it after every win.
    if (!learnstrategy(apppath, strategy) && !brainunwrittenreported) {
        brainunwrittenreported = true;
        msgbox(tr("brain.dat could not be written: what Vivovu Dev Ezi Doz learns "
                  "now is forgotten when this window closes."),
               MsgIcon::Exclamation);
    }
}

// The hidden list takes the strategies a slice at a time: filled at once, a long memory would
// hold the window for as long as it opens. The opponent searches `brain`, whole from the start.
void tictac::showstrategies() {
    QElapsedTimer slice;
    slice.start();
    while (strategylist->count() < brain.size() && slice.elapsed() < 8)
        strategylist->addItems(brain.mid(strategylist->count(), 2000));
    if (strategylist->count() < brain.size())
        QTimer::singleShot(0, this, &tictac::showstrategies);
}

void tictac::learnedclock_Timer() {
    strategylearned->hide();
    learnedclock->stop();
}

namespace {
void reportunwritten(const QString& name) {
    msgbox(
        QCoreApplication::translate("tictac", "The record of %1 could not be written.").arg(name),
        MsgIcon::Exclamation);
}
} // namespace

void tictac::applyrecord(const PlayerRecord& record) {
    match.takerecord(record);
    yoursignbox->setText(record.yoursign);
    compsignbox->setText(record.compsign);
}

void tictac::takeuprecord(const QString& name) {
    namebox->setText(name);
    recordname = name;
    PlayerRecord record;
    FileRead read;
    const RecordState state = readrecord(apppath, name, record, read);
    if (state == RecordState::Unreadable) {
        keptunwritten = name;
        msgbox(tr("%1 It is left as it is and will not be written over. %2 plays "
                  "with no wins, losses or draws.")
                   .arg(read.message(name + QStringLiteral(".sco")), name),
               MsgIcon::Exclamation);
    } else if (state == RecordState::Damaged) {
        const QString file = name + QStringLiteral(".sco");
        const QString aside = setdamagedaside(apppath, name);
        if (aside.isEmpty())
            keptunwritten = name;
        msgbox(aside.isEmpty() ? tr("%1 cannot be read, and could not be moved aside either: it "
                                    "is left as it is and will not be written over. %2 plays "
                                    "with no wins, losses or draws.")
                                     .arg(file, name)
                               : tr("%1 cannot be read, so it was kept as %2 for you to repair "
                                    "or delete. %3 plays on with no wins, losses or draws.")
                                     .arg(file, aside, name),
               MsgIcon::Exclamation);
    }
    applyrecord(record);
}

bool tictac::keeprecord(const QString& name, const PlayerRecord& record) {
    if (name == keptunwritten)
        return true;
    if (writerecord(apppath, name, record))
        return true;
    reportunwritten(name);
    return false;
}

void tictac::loadroster() {
    FileRead read;
    const QStringList names = ::loadroster(apppath, read);
    if (!read.ok() && !read.missing()) {
        rosterrefused = read;
        msgbox(tr("%1 The list starts empty, and no name is added to it.")
                   .arg(read.message(rosterfile)),
               MsgIcon::Exclamation);
    }
    if (names.isEmpty()) {
        namebox->setText(defaultplayer);
        recordname = defaultplayer;
        return;
    }
    roster->addItems(names);
    takeuprecord(names.first());
}

void tictac::addtolist_Click() {
    const QString name = namebox->text();
    if (name.isEmpty())
        return;
    // The roster's format has no way to hold a double quote inside a name.
    if (!canholdrecord(name) || name.contains(QLatin1Char('"'))) {
        msgbox(tr("%1 cannot be kept on the list: a name must not hold \"/\" or a "
                  "double quote, nor be only dots.")
                   .arg(name),
               MsgIcon::Exclamation);
        return;
    }
    if (!fitswindows1252(name)) {
        msgbox(namelettersmessage(), MsgIcon::Exclamation);
        return;
    }
    if (!rosterrefused.ok()) {
        msgbox(tr("%1 %2 is not added to the list.").arg(rosterrefused.message(rosterfile), name),
               MsgIcon::Exclamation);
        return;
    }
    // The counts of this visit belong to the player whose record they are, not to the name
    // just typed; a name already listed is switched to, as a double-click on it does.
    if (canholdrecord(recordname) && recordname.compare(defaultplayer, Qt::CaseInsensitive) != 0 &&
        !keeprecord(recordname, match.record()))
        return;
    const QList<QListWidgetItem*> listed = roster->findItems(name, Qt::MatchExactly);
    if (!listed.isEmpty()) {
        roster->setCurrentItem(listed.first());
        clock->start();
        takeuprecord(name);
        return;
    }
    // The record first: a roster line without its record would read as a stranger's.
    const PlayerRecord fresh{0, 0, 0, match.yoursign(), match.compsign()};
    if (!keeprecord(name, fresh))
        return;
    if (!appendroster(apppath, name)) {
        reportunwritten(name);
        return;
    }
    match.takerecord(fresh);
    recordname = name;
    roster->addItem(name);
}

void tictac::roster_DblClick() {
    const QListWidgetItem* chosen = roster->currentItem();
    if (!chosen || !chosen->isSelected())
        return;
    const QString next = chosen->text();
    clock->start();
    const QString current = namebox->text();
    // A name that cannot have a file has no record to keep; one that can is not given up
    // unsaved.
    if (canholdrecord(current) && !keeprecord(current, match.record()))
        return;
    takeuprecord(next);
}

void tictac::closeEvent(QCloseEvent* event) {
    closing = true;
    const QString name = namebox->text();
    // The sign boxes as they stand, applied or not. The default player's record is never kept.
    const bool keep = canholdrecord(name) && name.compare(defaultplayer, Qt::CaseInsensitive) != 0;
    if (keep) {
        PlayerRecord record = match.record();
        record.yoursign = yoursignbox->text();
        record.compsign = compsignbox->text();
        keeprecord(name, record);
    }
    removedefaultrecord(apppath);
    QWidget::closeEvent(event);
}
