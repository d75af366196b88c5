#include "coach/confidencebars.h"

#include "keyboard/keyboardphysical.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

ConfidenceBars::ConfidenceBars(qsizetype most, QWidget* parent)
    : QWidget(parent), most(most), grid(new QGridLayout(this)) {
    setObjectName(QStringLiteral("confidencebars"));
    setAccessibleName(tr("Confidence"));
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(static_cast<int>(most), 1);
    setFixedHeight(fontMetrics().height() + 12);
}

void ConfidenceBars::showkeys(const QList<QChar>& keys,
                              const std::function<double(QChar)>& confidence) {
    // The bars are made once and reused: making and dropping widgets at every entry would lay
    // the window out again while the player types.
    while (bars.size() < std::min(keys.size(), most)) {
        const int column = static_cast<int>(bars.size());
        auto* name = new QLabel(this);
        name->setTextFormat(Qt::PlainText);
        name->setAlignment(Qt::AlignCenter);
        grid->addWidget(name, 0, column);
        auto* bar = new QProgressBar(this);
        bar->setObjectName(QStringLiteral("confidence"));
        bar->setRange(0, 100);
        bar->setTextVisible(false);
        bar->setFixedSize(44, 8);
        grid->addWidget(bar, 1, column);
        names.append(name);
        bars.append(bar);
    }
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const bool shown = i < keys.size();
        names[i]->setVisible(shown);
        bars[i]->setVisible(shown);
        if (!shown)
            continue;
        const QString name = keyname(keys[i]);
        names[i]->setText(name);
        // Qt tells screen readers of a new name even when it is the same: most entries keep it.
        const QString accessible = tr("Confidence: %1").arg(name);
        if (bars[i]->accessibleName() != accessible)
            bars[i]->setAccessibleName(accessible);
        bars[i]->setValue(static_cast<int>(confidence(keys[i]) * 100));
    }
}
