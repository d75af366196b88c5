// What the coach teaches: the drills' language, the stages, the keys in play and the focus.
#include "coach/frmcoach.h"
#include "coach/keyladder.h"
#include "keyboard/keyboardphysical.h"
#include "keyboard/keyboardview.h"
#include "keyboard/layoutlanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>
#include <utility>

namespace {

// When a language's list can't be had, its letters are taken in this order, English's.
const QString fallbackletters = QStringLiteral("etaoinsrhldcumfpgwybvkxjqz");

} // namespace

void frmcoach::buildplancontrols() {
    lblwords = new QLabel(QStringLiteral("Words:"), this);
    lblwords->setObjectName(QStringLiteral("lblwords"));
    lblwords->setAccessibleName(lblwords->text());
    wordsbox = new QComboBox(this);
    wordsbox->setObjectName(QStringLiteral("wordsbox"));
    wordsbox->setAccessibleName(lblwords->text());
    for (const CoachLanguage& language : coachlanguages())
        wordsbox->addItem(language.name, language.code);
    wordsbox->setCurrentIndex(-1);
    lblwords->setBuddy(wordsbox);
    auto stage = [this](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(caption);
        return box;
    };
    capitals = stage("capitals", QStringLiteral("Capitals"));
    digits = stage("digits", QStringLiteral("Digits"));
    punctuation = stage("punctuation", QStringLiteral("Punctuation"));
    lblkeys = new QLabel(QStringLiteral("Keys:"), this);
    lblkeys->setObjectName(QStringLiteral("lblkeys"));
    lblkeys->setAccessibleName(lblkeys->text());
    keyladder = new KeyLadder(this);
    lblkeys->setBuddy(keyladder);
    summary = new SpokenLabel(this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);

    QString trouble;
    plan = keptcoachplan(trouble);
    // A coachplan.dat that is there and can't be read is not written over.
    planunkept = !trouble.isEmpty();
    if (planunkept)
        note->setText(
            trouble +
            QStringLiteral(" What the coach teaches and the text and target chosen are not kept."));
    capitals->setChecked(plan.stages.capitals);
    digits->setChecked(plan.stages.digits);
    punctuation->setChecked(plan.stages.punctuation);
    connect(wordsbox, &QComboBox::activated, this, &frmcoach::wordschosen);
    for (QCheckBox* box : {capitals, digits, punctuation})
        connect(box, &QCheckBox::toggled, this, &frmcoach::stageschosen);
    connect(keyladder, &KeyLadder::chosen, this, [this](QChar key) {
        if (drilling() || key == keys.focus)
            return;
        chosenfocus = key;
        showfocus();
    });
}

void frmcoach::planenabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(wordsbox), static_cast<QWidget*>(capitals),
                             static_cast<QWidget*>(digits), static_cast<QWidget*>(punctuation)})
        control->setEnabled(enabled);
}

void frmcoach::keepplan() {
    if (!planunkept && !keepcoachplan(plan))
        note->setText(QStringLiteral("%1 could not be written: what the coach teaches and the "
                                     "text and target chosen are not kept.")
                          .arg(coachplanfilename));
}

void frmcoach::takeupwords(LanguageWords list) {
    words.language = list.language;
    words.letters = letterorder(list.words);
    if (words.letters.isEmpty())
        words.letters = QList<QChar>(fallbackletters.cbegin(), fallbackletters.cend());
    words.model = DrillWords(std::move(list.words));
    wordsbox->setCurrentIndex(wordsbox->findData(words.language));
    showfocus();
}

void frmcoach::wordschosen(int row) {
    const QString code = wordsbox->itemData(row).toString();
    if (code.isEmpty() || code == words.language || drilling())
        return;
    plan.language = code;
    keepplan();
    chosenfocus = QChar();
    LanguageWords list = loadlanguagewords(code);
    note->setText(list.error);
    takeupwords(std::move(list));
}

void frmcoach::followlayout() {
    // Until the player chooses a language, the words are the keyboard layout's.
    if (!plan.language.isEmpty() || historyread || drilling())
        return;
    QString why;
    const QString code = drilllanguage({}, layoutlanguage(keyboard->layout().description()), why);
    if (code == words.language)
        return;
    chosenfocus = QChar();
    LanguageWords list = loadlanguagewords(code);
    note->setText(!list.error.isEmpty() ? list.error : why);
    takeupwords(std::move(list));
}

void frmcoach::stageschosen() {
    plan.stages = {capitals->isChecked(), digits->isChecked(), punctuation->isChecked()};
    keepplan();
    showfocus();
}

void frmcoach::showfocus() {
    const int wpm = targetspeed->value();
    // A key asked for from the statistics turns on the stage that teaches it.
    if (!chosenfocus.isNull() && !drilling()) {
        const Stages needed = withstageof(chosenfocus, words.letters, plan.stages);
        if (!(needed == plan.stages)) {
            plan.stages = needed;
            for (auto [box, on] :
                 {std::pair{capitals, needed.capitals}, std::pair{digits, needed.digits},
                  std::pair{punctuation, needed.punctuation}}) {
                const QSignalBlocker quiet(box);
                box->setChecked(on);
            }
            keepplan();
        }
    }
    const QList<QChar> order = keyorder(words.letters, plan.stages);
    const QString stored = plan.inplay.value(words.language);
    QString kept = stored;
    // A key asked for from the statistics joins the keys in play, if the language has it.
    if (!chosenfocus.isNull() && !kept.contains(chosenfocus) && !words.language.isEmpty()) {
        if (order.contains(chosenfocus)) {
            kept.append(chosenfocus);
        } else {
            note->setText(QStringLiteral("No word to type holds %1.").arg(keyname(chosenfocus)));
            chosenfocus = QChar();
        }
    }
    inplay =
        ::keysinplay(order, kept, [&](QChar key) { return reachedtarget(livestat(key), wpm); });
    // Keys once in play stay in play; those of a stage turned off wait in the plan.
    QString keep = kept;
    QString joined;
    for (QChar key : std::as_const(inplay))
        if (!keep.contains(key)) {
            keep.append(key);
            if (!kept.isEmpty())
                joined.append(key);
        }
    if (!words.language.isEmpty() && keep != stored) {
        plan.inplay.insert(words.language, keep);
        keepplan();
    }
    if (joined.size() == 1)
        note->setText(QStringLiteral("%1 joins the keys in play.").arg(keyname(joined.front())));
    else if (!joined.isEmpty())
        note->setText(QStringLiteral("%1 join the keys in play.").arg(joined));
    auto judged = [this, wpm](QChar key) { return confidence(livestat(key), wpm); };
    keys = choosefocus(inplay, judged, chosenfocus);
    focuskey->setText(keys.focus.isNull() ? QString() : keyname(keys.focus));
    tellnamechanged(focuskey);
    keyladder->showkeys(order, inplay, keys.focus, judged);
    QList<QChar> used;
    if (!keys.focus.isNull())
        used << keys.focus << keys.others;
    showbars(used);
}

QString frmcoach::firstnote() const {
    if (history.drills > 0)
        return {};
    return QStringLiteral("The coach brings in the letters of your words one by one, the most "
                          "frequent first: a new one joins when every key in play reaches the "
                          "target speed. Each drill trains the weakest key in play; press Start.");
}

QString frmcoach::drillsummary(QChar key, double before, double after) const {
    const QList<QChar> order = keyorder(words.letters, plan.stages);
    QString said = QStringLiteral("%1: confidence %2 % before, %3 % after. Keys in play: %4 of %5.")
                       .arg(keyname(key))
                       .arg(qRound(before * 100))
                       .arg(qRound(after * 100))
                       .arg(inplay.size())
                       .arg(order.size());
    if (inplay.size() >= order.size())
        return said;
    // The next key joins once the focus key, the weakest, reaches the target; at the pace of
    // this drill that takes this many more.
    const double gain = after - before;
    if (after >= 1)
        return said + QStringLiteral(" The next key joins when every key in play reaches the "
                                     "target.");
    if (gain <= 0.005)
        return said + QStringLiteral(" Not enough progress yet to tell when the next key joins.");
    const int drills = static_cast<int>(std::ceil((1 - after) / gain));
    return said +
           (drills == 1
                ? QStringLiteral(" About one more drill until the next key joins.")
                : QStringLiteral(" About %1 more drills until the next key joins.").arg(drills));
}
