// What the coach teaches, as the window shows it: the drills' language, the stages, the keys in
// play and the focus.
#include "coach/frmcoach.h"
#include "coach/keyladder.h"
#include "common/controls.h"
#include "keyboard/keyboardphysical.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <utility>

void frmcoach::buildplancontrols() {
    wordsbox = captionedbox(this, tr("Words:"), "lblwords", "wordsbox", lblwords);
    for (const CoachLanguage& language : coachlanguages())
        wordsbox->addItem(languagename(language.code), language.code);
    wordsbox->setCurrentIndex(-1);
    auto stage = [this](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(caption);
        return box;
    };
    capitals = stage("capitals", tr("Capitals"));
    digits = stage("digits", tr("Digits"));
    punctuation = stage("punctuation", tr("Punctuation"));
    symbols = stage("symbols", tr("Symbols"));
    lblkeys = new QLabel(tr("Keys:"), this);
    lblkeys->setObjectName(QStringLiteral("lblkeys"));
    lblkeys->setAccessibleName(lblkeys->text());
    keyladder = new KeyLadder(this);
    lblkeys->setBuddy(keyladder);
    keyladder->setAccessibleDescription(
        tr("Space or a click makes a key in play the focus of the drills until you clear it "
           "the same way; the context menu also leaves a key out of the drills."));
    leaveout = new QPushButton(tr("Leave out"), this);
    leaveout->setObjectName(QStringLiteral("leaveout"));
    leaveout->setAccessibleName(leaveout->text());
    leaveout->setCheckable(true);
    leaveout->setEnabled(false);
    summary = new SpokenLabel(this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);

    const Stages stages = planner->stages();
    capitals->setChecked(stages.capitals);
    digits->setChecked(stages.digits);
    punctuation->setChecked(stages.punctuation);
    symbols->setChecked(stages.symbols);
}

void frmcoach::planenabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(wordsbox), static_cast<QWidget*>(capitals),
                             static_cast<QWidget*>(digits), static_cast<QWidget*>(punctuation),
                             static_cast<QWidget*>(symbols), static_cast<QWidget*>(learnbox)})
        control->setEnabled(enabled);
    showleftout();
}

void frmcoach::showleftout() {
    const QChar key = keyladder->currentkey();
    const QSignalBlocker quiet(leaveout);
    leaveout->setEnabled(!key.isNull() && !drilling());
    leaveout->setChecked(!key.isNull() && keyladder->isleftout(key));
    leaveout->setAccessibleDescription(
        key.isNull() ? QString() : tr("Leaves %1 out of the drills").arg(keyname(key)));
}

void frmcoach::showstages(Stages stages) {
    // The planner turned them on itself; it needs no word of it.
    for (auto [box, on] :
         {std::pair{capitals, stages.capitals}, std::pair{digits, stages.digits},
          std::pair{punctuation, stages.punctuation}, std::pair{symbols, stages.symbols}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
}
