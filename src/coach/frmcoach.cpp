#include "coach/frmcoach.h"

#include "coach/confidencebars.h"
#include "coach/mistypeddrill.h"
#include "coach/owntextdrill.h"
#include "coach/owntextloader.h"
#include "coach/typeable.h"
#include "coach/weakkeysdrill.h"
#include "common/accessibility.h"
#include "common/controls.h"
#include "common/layout.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "keyboard/keyboardphysical.h"
#include "keyboard/keyboardview.h"
#include "keyboard/layoutlanguage.h"
#include "stats/statsrecorder.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QThread>

std::function<QString(QWidget*)> frmcoach::choosefile = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Choose a Text to Type"),
                                        QDir::homePath(),
                                        QStringLiteral("Texts (*.txt);;All files (*)"));
};

// The statistics and the words of the drills' language, read away from the window's thread.
struct LoadedHistory {
    CoachHistory history;
    LanguageWords words;
    QString trouble;
};

frmcoach::frmcoach(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmcoach", QStringLiteral("Typing Coach"));
    closeonescape(this);
    buildcontrols();
    restoresettings();
}

void frmcoach::load() {
    auto result = std::make_shared<LoadedHistory>();
    historyread = result;
    arrived.clear();
    const QString folder = ::apppath();
    const QString chosen = plan.language;
    const QString layout = keyboard->layout().description();
    if (note->text().isEmpty())
        note->setText(QStringLiteral("Reading the typing statistics..."));
    // What ends from now on is appended to the file and handed to recordarrived() as well:
    // reading only what is there now takes each record once.
    const qint64 upto = QFileInfo(folder + statsfilename).size();
    // A long stats.dat takes a while to read and tally, and the layouts' registry to read; the
    // window answers meanwhile.
    QThread* worker = QThread::create([result, folder, upto, chosen, layout] {
        result->history = loadcoachhistory(folder, upto);
        QString why;
        result->words = loadlanguagewords(drilllanguage(chosen, layoutlanguage(layout), why));
        result->trouble = result->history.trouble;
        for (const QString& more : {why, result->words.error})
            if (!more.isEmpty())
                result->trouble +=
                    (result->trouble.isEmpty() ? QString() : QStringLiteral(" ")) + more;
    });
    historyworker = worker;
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, &frmcoach::takeuphistory);
    worker->start();
    if (!plan.text.isEmpty() && owntext.sentences.isEmpty() && !readingtext)
        loadtext(plan.text, false);
}

void frmcoach::finishloading() {
    if (historyworker)
        historyworker->wait();
    takeuphistory();
}

void frmcoach::takeuphistory() {
    if (!historyread)
        return;
    history = std::move(historyread->history);
    for (const TypingRecord& record : std::as_const(arrived))
        history.add(record);
    arrived.clear();
    const QString trouble = historyread->trouble;
    LanguageWords list = std::move(historyread->words);
    historyread.reset();
    takeupwords(std::move(list));
    if (!trouble.isEmpty())
        note->setText(trouble);
    else if (note->text() == QLatin1String("Reading the typing statistics..."))
        note->setText(firstnote());
    emit historyloaded();
}

std::uint64_t frmcoach::drawseed() const {
    return static_cast<std::uint64_t>(rnd() * 9007199254740992.0);
}

KeyStat frmcoach::livestat(QChar key) const {
    KeyStat stat = history.keys.stat(key);
    if (drilling()) {
        // The drill in hand counts as the record it will make.
        const KeystrokeCounts& counts = session.counts();
        const KeyTime time = counts.keytime.value(key);
        stat.addrecord(counts.expected.value(key), counts.missed.value(key), time.milliseconds,
                       time.count);
    }
    return stat;
}

void frmcoach::showbars(const QList<QChar>& used) {
    confidencebars->showkeys(
        used, [this](QChar key) { return confidence(livestat(key), targetspeed->value()); });
}

void frmcoach::startstop_Click() {
    if (drilling())
        stopdrill(false);
    else
        startdrill();
}

void frmcoach::choosetext_Click() {
    const QString path = choosefile(this);
    if (!path.isEmpty())
        loadtext(path);
}

void frmcoach::loadtext(const QString& path, bool chosen) {
    note->setText(QStringLiteral("Reading %1...").arg(QFileInfo(path).fileName()));
    choosetext->setEnabled(false);
    readingtext = true;
    loadowntextaside(path, this, [this, chosen](LoadedText& result) { textread(result, chosen); });
}

void frmcoach::textread(LoadedText& result, bool chosen) {
    readingtext = false;
    choosetext->setEnabled(!drilling());
    if (!result.text.error.isEmpty()) {
        note->setText(result.text.error);
    } else {
        owntext = std::move(result.text);
        textname->setText(QFileInfo(owntext.path).fileName());
        tellnamechanged(textname);
        note->clear();
        if (!drilling())
            showfocus();
        // The text kept from the last time waits in hand; one the player just chose is next.
        if (chosen) {
            optowntext->setChecked(true);
            plan.text = owntext.path;
            keepplan();
            if (!drilling())
                startstop->setFocus();
        }
    }
    emit textloaded();
}

std::unique_ptr<Drill> frmcoach::chosendrill() {
    if (optmistyped->isChecked())
        return std::make_unique<MistypedDrill>(history.mistyped, drawseed());
    if (optowntext->isChecked())
        return std::make_unique<OwnTextDrill>(owntext, readingtext, places);
    return std::make_unique<WeakKeysDrill>(words.model, keys, inplay, drawseed(),
                                           KeyJudge{[this](QChar key) { return livestat(key); },
                                                    [this] { return targetspeed->value(); }});
}

void frmcoach::startdrill() {
    if (historyread) {
        note->setText(QStringLiteral("The typing statistics are still being read."));
        return;
    }
    showfocus();
    std::unique_ptr<Drill> chosen = chosendrill();
    note->setText(chosen->start());
    if (chosen->finished())
        return;
    running = std::move(chosen);
    focusbefore = confidence(livestat(keys.focus), targetspeed->value());
    cleared.clear();
    session.start();
    drill->setEnabled(false);
    planenabled(false);
    startstop->setText(stopcaption);
    startstop->setAccessibleName(stopcaption);
    txttype->setEnabled(true);
    txttype->setFocus();
    showfigures();
    showentry();
}

bool frmcoach::cantype(const QString& character) const {
    // Without a layout nothing is known of the keyboard: every character is left to the player.
    return keyboard->layout().isempty() || !keyboard->layout().presses(character).isEmpty();
}

void frmcoach::showentry() {
    // An entry is shown as the keyboard can type it; one it can't type at all is passed by.
    for (;;) {
        shown = typeableentry(running->entry(),
                              [this](const QString& character) { return cantype(character); });
        if (!shown.skipped.isEmpty())
            note->setText(QStringLiteral("Skipped %1: not on this keyboard.").arg(shown.skipped));
        if (!shown.entry.isEmpty())
            break;
        running->typed(false);
        if (running->finished()) {
            stopdrill(true);
            return;
        }
    }
    lbltype->setText(shown.entry);
    wrongatentry = session.counts().tally.wrong;
    showbars(running->keys());
    txttype_Change();
}

void frmcoach::txttype_Change() {
    if (emptying || !drilling()) {
        return;
    }
    const QString target = lbltype->text();
    const QString typed = shown.accepted(txttype->text());
    const bool matched = session.changed(target, typed);
    const qsizetype next = typed.size();
    const bool onway = target.startsWith(typed);
    const QString nextchar = onway && next < target.size() ? QString(target[next]) : QString();
    if (nextchar != shownnext) {
        shownnext = nextchar;
        emit nextcharacter(nextchar);
    }
    if (matched)
        entrydone(session.counts().tally.wrong > wrongatentry);
    else
        showfigures(onway ? next : rightstart(typed, target));
}

void frmcoach::showfigures(qsizetype inhand) {
    const TypingTally sofar = session.sofar();
    showspeedandaccuracy(qRound(livewordsperminute(sofar, inhand)), qRound(accuracypercent(sofar)));
}

void frmcoach::showspeedandaccuracy(int wpm, int percent) {
    // Formatted only when the figure shown changes: most keystrokes leave the accuracy be.
    if (wpm != shownspeed) {
        speed->setText(QStringLiteral("%1 WPM").arg(wpm));
        tellnamechanged(speed);
    }
    if (percent != shownaccuracy) {
        accuracy->setText(QStringLiteral("%1 %").arg(percent));
        tellnamechanged(accuracy);
    }
    shownspeed = wpm;
    shownaccuracy = percent;
}

void frmcoach::entrydone(bool wrongkey) {
    emptying = true;
    emptytypingbox(txttype);
    emptying = false;
    const QString entry = running->entry();
    if (!wrongkey && history.mistyped.contains(entry) && !cleared.contains(entry))
        cleared.append(entry);
    const QString said = running->typed(wrongkey);
    if (!said.isEmpty())
        note->setText(said);
    showfigures();
    if (running->finished())
        stopdrill(true);
    else
        showentry();
}

void frmcoach::stopdrill(bool completed) {
    const QString level = running->level();
    TypingRecord record =
        session.finish(QStringLiteral("Drill"), level,
                       completed ? QStringLiteral("Completed") : QStringLiteral("Stopped"));
    record.cleared = cleared;
    cleared.clear();
    running.reset();
    const QChar drilled = keys.focus;
    history.add(record);
    places.write();
    emptying = true;
    emptytypingbox(txttype);
    emptying = false;
    txttype->setEnabled(false);
    lbltype->clear();
    shownnext.clear();
    emit nextcharacter(QString());
    drill->setEnabled(true);
    planenabled(true);
    choosetext->setEnabled(true);
    startstop->setText(startcaption);
    startstop->setAccessibleName(startcaption);
    const QString said = note->text();
    chosenfocus = QChar();
    showfocus();
    if (note->text() == said || note->text().isEmpty())
        note->setText(said);
    if (record.counts.tally.charstyped > 0) {
        // The figures end as the record keeps them, the time up to Stop included.
        const int wpm = qRound(wordsperminute(record.counts.tally));
        const int percent = qRound(accuracypercent(record.counts.tally));
        showspeedandaccuracy(wpm, percent);
        summary->setText(
            QStringLiteral("%1 WPM, %2 % accurate. ").arg(wpm).arg(percent) +
            (level == weakkeysname
                 ? drillsummary(drilled, focusbefore,
                                confidence(history.keys.stat(drilled), targetspeed->value()))
                 : QString()));
    }
    QPointer<frmcoach> alive(this);
    // The recorder leaves out a drill in which nothing was typed. The record it hands back is
    // in the history already.
    recordingown = true;
    if (recorder)
        recorder->record(record);
    if (alive)
        recordingown = false;
    if (alive)
        startstop->setFocus();
}

void frmcoach::closeEvent(QCloseEvent* event) {
    // Closing ends a drill in hand as Stop does, so what was typed still counts.
    if (drilling())
        stopdrill(false);
    keepsettings();
    event->accept();
}
