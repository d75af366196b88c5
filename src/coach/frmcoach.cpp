#include "coach/frmcoach.h"

#include "coach/coachrecord.h"
#include "coach/drillbuilder.h"
#include "coach/figurelabel.h"
#include "common/controls.h"
#include "common/layout.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "keyboard/deadkeywatcher.h"
#include "keyboard/keyboardchoice.h"
#include "keyboard/keyboardview.h"
#include "stats/statsfile.h"
#include "stats/statsrecorder.h"
#include "typing/levels.h"
#include "typing/wordlist.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString startcaption = QStringLiteral("Start");
const QString stopcaption = QStringLiteral("Stop");

QStringList wordfiletexts() {
    QStringList texts;
    for (const PracticeLevel& level : practicelevels())
        loadwords(texts, ::apppath() + level.file);
    return texts;
}

QString keyname(QChar key) {
    return key == QLatin1Char(' ') ? QStringLiteral("Space") : QString(key);
}

template <typename T> T* named(T* control, const char* name, const QString& accessible) {
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessible);
    if constexpr (std::is_base_of_v<QLabel, T>)
        control->setTextFormat(Qt::PlainText);
    return control;
}

// Holds the label of the entry to type at its own size. A label in a layout lays the whole
// window out again whenever its text changes; this one, outside any, at no cost.
class LabelSlot : public QWidget {
public:
    LabelSlot(QLabel* held, QWidget* parent) : QWidget(parent), label(held) {
        label->setParent(this);
    }

protected:
    void resizeEvent(QResizeEvent*) override { label->setGeometry(rect()); }

private:
    QLabel* label;
};

// A text and the word pool that goes with it, made away from the window's thread.
struct LoadedText {
    OwnText text;
    WordPool pool;
};

} // namespace

std::function<QString(QWidget*)> frmcoach::choosefile = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Choose a Text to Type"),
                                        QDir::homePath(),
                                        QStringLiteral("Texts (*.txt);;All files (*)"));
};

frmcoach::frmcoach(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmcoach", QStringLiteral("Typing Coach"));
    closeonescape(this);
    buildcontrols();
    pool.addtexts(wordfiletexts());
}

void frmcoach::buildcontrols() {
    auto label = [this](const char* name, const QString& text) {
        return named(new QLabel(text, this), name, text);
    };
    drill = named(new QGroupBox(QStringLiteral("Drill"), this), "drill", QStringLiteral("Drill"));
    auto option = [this](const char* name, const QString& text) {
        return named(new QRadioButton(text, drill), name, text);
    };
    optweak = option("optweak", QStringLiteral("Weak keys"));
    optmistyped = option("optmistyped", QStringLiteral("Mistyped entries"));
    optowntext = option("optowntext", QStringLiteral("Own text"));
    optweak->setChecked(true);
    choosetext = named(new QPushButton(QStringLiteral("Choose Text..."), drill), "choosetext",
                       QStringLiteral("Choose Text..."));
    textname = named(new QLabel(drill), "textname", QStringLiteral("Text"));
    auto* drillbox = new QVBoxLayout(drill);
    for (QWidget* w : {static_cast<QWidget*>(optweak), static_cast<QWidget*>(optmistyped),
                       static_cast<QWidget*>(optowntext)})
        drillbox->addWidget(w);
    drillbox->addWidget(choosetext, 0, Qt::AlignLeft);
    drillbox->addWidget(textname);

    lblfocus = label("lblfocus", QStringLiteral("Focus key:"));
    focuskey = named(new QLabel(this), "focuskey", QStringLiteral("Focus key"));
    focuskey->setFont(arialfont(12, true));
    lbltarget = label("lbltarget", QStringLiteral("Target speed:"));
    targetspeed = named(new QSpinBox(this), "targetspeed", QStringLiteral("Target speed:"));
    targetspeed->setRange(10, 150);
    targetspeed->setValue(35);
    targetspeed->setSuffix(QStringLiteral(" WPM"));
    lbltarget->setBuddy(targetspeed);
    confidencebars = named(new QWidget(this), "confidencebars", QStringLiteral("Confidence"));
    barlayout = new QGridLayout(confidencebars);
    barlayout->setContentsMargins(0, 0, 0, 0);
    barlayout->setVerticalSpacing(2);
    barlayout->setColumnStretch(mostbars, 1);

    lbltypecaption = label("lbltypecaption", QStringLiteral("Type:"));
    lbltype = named(new QLabel(this), "lbltype", QStringLiteral("Entry to type"));
    lbltype->setFont(arialfont(15.75, true));
    // A sentence of an own text may run to two lines.
    lbltype->setWordWrap(true);
    auto* typeslot = new LabelSlot(lbltype, this);
    typeslot->setFixedHeight(lbltype->fontMetrics().lineSpacing() * 2 + 4);
    typeslot->setMinimumWidth(200);
    txttype = new QLineEdit(this);
    txttype->setObjectName(QStringLiteral("txttype"));
    maketypingbox(txttype);
    txttype->setEnabled(false);
    lbltypecaption->setBuddy(txttype);

    startstop = named(new QPushButton(startcaption, this), "startstop", startcaption);
    lblspeed = label("lblspeed", QStringLiteral("Speed:"));
    speed = named(new FigureLabel(QStringLiteral("0 WPM"), this), "speed", QStringLiteral("Speed"));
    lblaccuracy = label("lblaccuracy", QStringLiteral("Accuracy:"));
    accuracy = named(new FigureLabel(QStringLiteral("100 %"), this), "accuracy",
                     QStringLiteral("Accuracy"));
    // Labels that change while the player types keep their size, so a keystroke never lays
    // the window out again.
    for (QLabel* changing : {speed, accuracy})
        changing->setFixedSize(
            changing->fontMetrics().horizontalAdvance(QStringLiteral("00000 WPM")) + 8,
            changing->sizeHint().height());
    confidencebars->setFixedHeight(fontMetrics().height() + 12);
    buildkeyboard();
    note = named(new QLabel(this), "note", QStringLiteral("Coach"));
    note->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(drill, 0, 0, 4, 1);
    grid->addWidget(lblfocus, 0, 1);
    grid->addWidget(focuskey, 0, 2);
    grid->addWidget(lbltarget, 1, 1);
    grid->addWidget(targetspeed, 1, 2, Qt::AlignLeft);
    grid->addWidget(confidencebars, 2, 1, 1, 2);
    grid->addWidget(note, 3, 1, 1, 2);
    auto* typerow = new QHBoxLayout;
    typerow->addWidget(lbltypecaption);
    typerow->addWidget(typeslot, 1);
    grid->addLayout(typerow, 4, 0, 1, 3);
    grid->addWidget(txttype, 5, 0, 1, 3);
    auto* figures = new QHBoxLayout;
    figures->addWidget(startstop);
    figures->addStretch();
    for (QWidget* w : {lblspeed, speed, lblaccuracy, accuracy})
        figures->addWidget(w);
    grid->addLayout(figures, 6, 0, 1, 3);
    auto* layoutrow = new QHBoxLayout;
    layoutrow->addWidget(lbllayout);
    layoutrow->addWidget(layoutbox, 1);
    grid->addLayout(layoutrow, 7, 0, 1, 3);
    grid->addWidget(keyboard, 8, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    connect(startstop, &QPushButton::clicked, this, &frmcoach::startstop_Click);
    connect(choosetext, &QPushButton::clicked, this, &frmcoach::choosetext_Click);
    connect(txttype, &QLineEdit::textChanged, this, &frmcoach::txttype_Change);
    connect(targetspeed, &QSpinBox::valueChanged, this, [this] {
        if (!drilling())
            showfocus();
    });
    // The tab order is the order the controls were made in, top to bottom.
}

void frmcoach::buildkeyboard() {
    lbllayout = named(new QLabel(QStringLiteral("Keyboard layout:"), this), "lbllayout",
                      QStringLiteral("Keyboard layout:"));
    layoutbox = named(new QComboBox(this), "layoutbox", QStringLiteral("Keyboard layout:"));
    lbllayout->setBuddy(layoutbox);
    keyboard = new KeyboardView(this);
    keyboard->setMinimumSize(keyboard->minimumSizeHint());
    if (const std::optional<QString> kept = keptkeyboard())
        chooser.choose(*kept);
    chooser.fill(layoutbox);
    keyboard->setlayout(chooser.load());
    connect(layoutbox, &QComboBox::currentIndexChanged, this, &frmcoach::layoutchosen);
    connect(this, &frmcoach::nextcharacter, keyboard, &KeyboardView::shownext);
    auto* deadkeys = new DeadKeyWatcher(txttype, [this](int code) {
        for (int level = 0; level < 4; ++level)
            if (keyboard->layout().isdead(code, level))
                return true;
        return false;
    });
    connect(deadkeys, &DeadKeyWatcher::deadkey, keyboard, &KeyboardView::steptoletter);
}

void frmcoach::layoutchosen(int row) {
    if (row < 0)
        return;
    chooser.choose(row);
    keyboard->setlayout(chooser.load());
    if (!keepkeyboard(chooser.key()))
        note->setText(QStringLiteral("%1 could not be written: the keyboard chosen is not kept.")
                          .arg(keyboardfilename));
}

void frmcoach::load() {
    history = loadcoachhistory();
    showfocus();
}

std::uint64_t frmcoach::drawseed() const {
    return static_cast<std::uint64_t>(rnd() * 9007199254740992.0);
}

void frmcoach::showfocus() {
    keys = choosefocus(history.keys, targetspeed->value(), pool.frequency());
    focuskey->setText(keys.focus.isNull() ? QString() : keyname(keys.focus));
    QList<QChar> used;
    if (!keys.focus.isNull())
        used << keys.focus << keys.others;
    showbars(used);
}

KeyStat frmcoach::livestat(QChar key) const {
    KeyStat stat = history.keys.stat(key);
    if (drilling()) {
        const KeystrokeCounts& counts = counter.counts();
        const KeyTime time = counts.keytime.value(key);
        stat.add(
            {counts.expected.value(key), counts.missed.value(key), time.milliseconds, time.count});
    }
    return stat;
}

void frmcoach::showbars(const QList<QChar>& used) {
    // The bars are made once and reused: making and dropping widgets at every entry would lay
    // the window out again while the player types.
    while (bars.size() < std::min<qsizetype>(used.size(), mostbars)) {
        const int column = static_cast<int>(bars.size());
        auto* name = new QLabel(confidencebars);
        name->setTextFormat(Qt::PlainText);
        name->setAlignment(Qt::AlignCenter);
        barlayout->addWidget(name, 0, column);
        auto* bar = new QProgressBar(confidencebars);
        bar->setObjectName(QStringLiteral("confidence"));
        bar->setRange(0, 100);
        bar->setTextVisible(false);
        bar->setFixedSize(44, 8);
        barlayout->addWidget(bar, 1, column);
        barnames.append(name);
        bars.append(bar);
    }
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const bool shown = i < used.size();
        barnames[i]->setVisible(shown);
        bars[i]->setVisible(shown);
        if (!shown)
            continue;
        const QString name = keyname(used[i]);
        barnames[i]->setText(name);
        bars[i]->setAccessibleName(QStringLiteral("Confidence: %1").arg(name));
        bars[i]->setValue(
            static_cast<int>(confidence(livestat(used[i]), targetspeed->value()) * 100));
    }
}

QString frmcoach::levelname() const {
    switch (kind) {
    case Kind::Weak:
        return optweak->text();
    case Kind::Mistyped:
        return optmistyped->text();
    case Kind::Own:
        return optowntext->text();
    case Kind::None:
        break;
    }
    return {};
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

void frmcoach::loadtext(const QString& path) {
    note->setText(QStringLiteral("Reading %1...").arg(QFileInfo(path).fileName()));
    choosetext->setEnabled(false);
    readingtext = true;
    auto result = std::make_shared<LoadedText>();
    const QStringList wordfiles = wordfiletexts();
    // A long text takes a while to read and split; the window answers meanwhile.
    QThread* worker = QThread::create([result, path, wordfiles] {
        result->text = loadowntext(path);
        result->pool.addtexts(wordfiles);
        result->pool.addtexts(result->text.sentences);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this, result] {
        readingtext = false;
        choosetext->setEnabled(!drilling());
        if (!result->text.error.isEmpty()) {
            note->setText(result->text.error);
        } else {
            owntext = std::move(result->text);
            pool = std::move(result->pool);
            textname->setText(QFileInfo(owntext.path).fileName());
            note->clear();
            optowntext->setChecked(true);
            if (!drilling())
                showfocus();
        }
        emit textloaded();
    });
    worker->start();
}

void frmcoach::startdrill() {
    Kind chosen = optmistyped->isChecked()  ? Kind::Mistyped
                  : optowntext->isChecked() ? Kind::Own
                                            : Kind::Weak;
    note->clear();
    showfocus();
    if (chosen == Kind::Weak) {
        weakentries = buildweakdrill(pool, keys, drawseed());
        weakat = 0;
        if (weakentries.isEmpty()) {
            note->setText(QStringLiteral("The word files hold no words to build a drill from."));
            return;
        }
        if (!keys.enoughhistory)
            note->setText(QStringLiteral("A few drills more and the coach finds your weak keys."));
        focusreached = reachedtarget(livestat(keys.focus), targetspeed->value());
    } else if (chosen == Kind::Mistyped) {
        mistypedqueue.emplace(history.mistyped, drawseed());
        if (mistypedqueue->isEmpty()) {
            note->setText(QStringLiteral("No mistyped entries yet: practise or race first."));
            return;
        }
    } else {
        if (readingtext) {
            note->setText(QStringLiteral("The text is still being read."));
            return;
        }
        if (owntext.sentences.isEmpty()) {
            note->setText(QStringLiteral("Choose a text to type first."));
            return;
        }
        ownat = placeof(owntext.path);
        if (ownat < 0 || ownat >= owntext.sentences.size())
            ownat = 0;
    }
    kind = chosen;
    counter.restart();
    typingtime.start();
    clock.start();
    drill->setEnabled(false);
    startstop->setText(stopcaption);
    startstop->setAccessibleName(stopcaption);
    txttype->setEnabled(true);
    txttype->setFocus();
    showfigures();
    showentry();
}

QString frmcoach::currententry() const {
    switch (kind) {
    case Kind::Weak:
        return weakat < weakentries.size() ? weakentries[weakat] : QString();
    case Kind::Mistyped:
        return mistypedqueue ? mistypedqueue->current() : QString();
    case Kind::Own:
        return ownat < owntext.sentences.size() ? owntext.sentences[ownat] : QString();
    case Kind::None:
        break;
    }
    return {};
}

void frmcoach::showentry() {
    const QString entry = currententry();
    lbltype->setText(entry);
    wrongatentry = counter.counts().tally.wrong;
    if (kind != Kind::Weak) {
        QList<QChar> used;
        for (QChar c : entry)
            if (!c.isSpace() && !used.contains(c) && used.size() < mostbars)
                used.append(c);
        showbars(used);
    }
    txttype_Change();
}

void frmcoach::txttype_Change() {
    if (emptying || !drilling()) {
        return;
    }
    const QString target = lbltype->text();
    const QString typed = txttype->text();
    counter.changed(target, typed, clock.elapsed());
    const qsizetype next = typed.size();
    const QString nextchar =
        target.startsWith(typed) && next < target.size() ? QString(target[next]) : QString();
    if (nextchar != shownnext) {
        shownnext = nextchar;
        emit nextcharacter(nextchar);
    }
    if (!typed.isEmpty() && typed == target)
        entrydone(counter.counts().tally.wrong > wrongatentry);
    else
        showfigures();
}

void frmcoach::showfigures() {
    TypingTally sofar = counter.counts().tally;
    sofar.milliseconds = typingtime.milliseconds();
    // Formatted only when the figure shown changes: most keystrokes leave the accuracy be.
    const int wpm = qRound(wordsperminute(sofar));
    const int percent = qRound(accuracypercent(sofar));
    if (wpm != shownspeed)
        speed->setText(QStringLiteral("%1 WPM").arg(wpm));
    if (percent != shownaccuracy)
        accuracy->setText(QStringLiteral("%1 %").arg(percent));
    shownspeed = wpm;
    shownaccuracy = percent;
}

void frmcoach::entrydone(bool wrongkey) {
    emptying = true;
    emptytypingbox(txttype);
    emptying = false;
    bool finished = false;
    if (kind == Kind::Weak) {
        ++weakat;
        showbars(QList<QChar>{keys.focus} + keys.others);
        if (!focusreached && reachedtarget(livestat(keys.focus), targetspeed->value())) {
            focusreached = true;
            note->setText(QStringLiteral("%1 reached %2 WPM")
                              .arg(keyname(keys.focus))
                              .arg(targetspeed->value()));
        }
        finished = weakat >= weakentries.size();
    } else if (kind == Kind::Mistyped) {
        mistypedqueue->typed(wrongkey);
        finished = mistypedqueue->isEmpty();
    } else {
        ++ownat;
        if (ownat >= owntext.sentences.size())
            ownat = 0; // the text is done; it starts again next time
        if (!keepplace(owntext.path, ownat))
            note->setText(QStringLiteral("%1 could not be written: where you stop in this text "
                                         "is not kept.")
                              .arg(placefilename));
        finished = ownat == 0;
    }
    showfigures();
    if (finished)
        stopdrill(true);
    else
        showentry();
}

void frmcoach::stopdrill(bool completed) {
    const QString level = levelname();
    const KeystrokeCounts counts = counter.finish();
    const std::int64_t milliseconds = typingtime.milliseconds();
    kind = Kind::None;
    history.keys.addrecord(counts);
    for (auto it = counts.mistyped.cbegin(); it != counts.mistyped.cend(); ++it) {
        std::int64_t& times = history.mistyped[it.key()];
        times = addsaturated(times, it.value());
    }
    emptying = true;
    emptytypingbox(txttype);
    emptying = false;
    txttype->setEnabled(false);
    lbltype->clear();
    shownnext.clear();
    emit nextcharacter(QString());
    drill->setEnabled(true);
    choosetext->setEnabled(true);
    startstop->setText(startcaption);
    startstop->setAccessibleName(startcaption);
    const QString said = note->text();
    showfocus();
    note->setText(said);
    QPointer<frmcoach> alive(this);
    recorddrill(recorder, level, completed, milliseconds, counts);
    if (alive)
        startstop->setFocus();
}

void frmcoach::closeEvent(QCloseEvent* event) {
    // Closing ends a drill in hand as Stop does, so what was typed still counts.
    if (drilling())
        stopdrill(false);
    event->accept();
}
