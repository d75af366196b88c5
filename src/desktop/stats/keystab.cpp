#include "stats/keystab.h"

#include "keyboard/keyboardchoice.h"
#include "keyboard/keyboardphysical.h"
#include "keyboard/keyboardview.h"
#include "keyboard/systemkeyboard.h"
#include "stats/statsexport.h"
#include "stats/statswidgets.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

const char* const missedcaption = QT_TRANSLATE_NOOP("KeysTab", "Keys missed most");
const char* const slowcaption = QT_TRANSLATE_NOOP("KeysTab", "Slowest keys");
const char* const pairscaption = QT_TRANSLATE_NOOP("KeysTab", "Slowest pairs");

QString milliseconds(double ms) {
    // Rounded as text: a damaged line's sum may lie past any integer's reach.
    return QCoreApplication::translate("KeysTab", "%1 ms").arg(QString::number(ms, 'f', 0));
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

// Every column whole, with room for a scroll bar: the chart gives up the width it needs.
void fitwidth(QTableWidget* t) {
    t->setFixedWidth(t->horizontalHeader()->length() + t->verticalScrollBar()->sizeHint().width() +
                     2 * t->frameWidth());
}

QTableWidget* keystable(QWidget* parent, const char* name, const QString& caption,
                        const QStringList& columns) {
    QTableWidget* t = table(parent, name, caption, columns);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->horizontalHeader()->setStretchLastSection(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

} // namespace

KeysTab::KeysTab(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("keyspages"));
    notice =
        new QLabel(tr("A key is ranked once it has come up %1 times.").arg(rankedkeyminimum), this);
    notice->setObjectName(QStringLiteral("keysnotice"));
    notice->setAlignment(Qt::AlignCenter);
    addWidget(notice);
    auto* page = new QWidget(this);
    addWidget(page);
    auto* layout = new QVBoxLayout(page);

    auto* top = new QHBoxLayout;
    auto* keys = new QChart;
    series = new QBarSeries(keys);
    keys->addSeries(series);
    // The axes stay; each drawing gives them new keys and a new scale.
    along = new QBarCategoryAxis(keys);
    measure = new QValueAxis(keys);
    keys->addAxis(along, Qt::AlignBottom);
    keys->addAxis(measure, Qt::AlignLeft);
    series->attachAxis(along);
    series->attachAxis(measure);
    chart = chartview(page, "keyschart", tr(missedcaption), keys);
    keys->legend()->hide();
    top->addWidget(chart, 1);
    missedtable = keystable(page, "keystable", tr(missedcaption),
                            {tr("Key"), tr("Missed"), tr("Expected"), tr("Miss rate")});
    top->addWidget(missedtable);
    slowtable = keystable(page, "slowtable", tr(slowcaption),
                          {tr("Key"), tr("Mean time"), tr("Times timed")});
    top->addWidget(slowtable);
    layout->addLayout(top, 1);

    auto* bottom = new QHBoxLayout;
    heatmap = new KeyboardView(page);
    heatmap->setObjectName(QStringLiteral("heatmap"));
    heatmap->setAccessibleName(tr("Keyboard"));
    // The layout chosen in the coach, and whatever the player chooses there while this is
    // open. A kept choice names its layout: the window opens without reading xkeyboard-config's
    // list of them.
    QString trouble; // the coach tells it
    showlayout(keptkeyboard(trouble).value_or(QString()));
    connect(KeyboardChoiceNews::instance(), &KeyboardChoiceNews::chosen, this,
            &KeysTab::showlayout);
    connect(SystemKeyboard::current(), &SystemKeyboard::changed, this, [this] {
        if (layoutkey.isEmpty())
            showlayout(layoutkey);
    });
    heatmap->setFixedSize(heatmap->minimumSizeHint());
    bottom->addWidget(heatmap);
    auto* side = new QVBoxLayout;
    auto* choice = new QGroupBox(tr("Show"), page);
    choice->setObjectName(QStringLiteral("keysshow"));
    choice->setAccessibleName(tr("Show"));
    auto* choices = new QVBoxLayout(choice);
    bymiss = option(choice, "bymiss", tr("&Miss rate"));
    bytime = option(choice, "bytime", tr("Typing t&ime"));
    bymiss->setChecked(true);
    choices->addWidget(bymiss);
    choices->addWidget(bytime);
    side->addWidget(choice);
    side->addStretch(1);
    practise = new QPushButton(tr("Practise &These Keys"), page);
    practise->setObjectName(QStringLiteral("practise"));
    practise->setAccessibleName(tr("Practise These Keys"));
    side->addWidget(practise);
    bottom->addLayout(side);
    pairtable =
        keystable(page, "pairtable", tr(pairscaption),
                  {tr("Pair"), tr("Time"), tr("Slower by"), tr("Common"), tr("Times timed")});
    pairtable->setToolTip(
        tr("A pair's time above its second key's own time, and how common it is in "
           "the coach's words: the slowest first."));
    bottom->addWidget(pairtable);
    const QString insteadcaption = tr("Typed instead");
    insteadtable = keystable(page, "insteadtable", insteadcaption, {insteadcaption});
    insteadtable->setToolTip(
        tr("The key typed where a run of wrong keys began, for the key due there: the most "
           "often first."));
    bottom->addWidget(insteadtable);
    bottom->addStretch(1);
    layout->addLayout(bottom);

    connect(bymiss, &QRadioButton::toggled, this, &KeysTab::draw);
    connect(practise, &QPushButton::clicked, this, [this] { emit practisekeys(shownkey()); });
}

QChar KeysTab::shownkey() const {
    const bool time = bytime->isChecked();
    const QList<KeyMisses>& keys = time ? shown.slowkeys : shown.keys;
    const QTableWidget* table = time ? slowtable : missedtable;
    const QList<QTableWidgetItem*> picked = table->selectedItems();
    const int row = picked.isEmpty() ? 0 : picked.first()->row();
    return row < keys.size() ? keys[row].key : QChar();
}

void KeysTab::showlayout(const QString& key) {
    layoutkey = key;
    if (learntkey.isEmpty())
        heatmap->setlayout(layoutofchoice(key));
}

void KeysTab::showlearnt(const QString& key) {
    if (key == learntkey)
        return;
    learntkey = key;
    heatmap->setlayout(layoutofchoice(key.isEmpty() ? layoutkey : key));
}

void KeysTab::applytheme(bool dark) {
    const QChart::ChartTheme theme = dark ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    if (chart->chart()->theme() != theme)
        chart->chart()->setTheme(theme);
}

void KeysTab::showkeys(const StatsSummary& summary) {
    shown = summary;
    setCurrentIndex(shown.rankedkeys.isEmpty() ? 0 : 1);
    missedtable->setRowCount(static_cast<int>(shown.keys.size()));
    for (int i = 0; i < shown.keys.size(); ++i) {
        const KeyMisses& k = shown.keys[i];
        setrow(missedtable, i,
               {keyname(k.key), QString::number(k.missed), QString::number(k.expected),
                percenttext(100 * k.rate())});
    }
    slowtable->setRowCount(static_cast<int>(shown.slowkeys.size()));
    for (int i = 0; i < shown.slowkeys.size(); ++i) {
        const KeyMisses& k = shown.slowkeys[i];
        setrow(slowtable, i,
               {keyname(k.key), milliseconds(k.meantime()), QString::number(k.time.count)});
    }
    pairtable->setRowCount(static_cast<int>(shown.slowpairs.size()));
    for (int i = 0; i < shown.slowpairs.size(); ++i) {
        const PairStanding& p = shown.slowpairs[i];
        setrow(pairtable, i,
               {pairname(p.pair), milliseconds(p.ms), milliseconds(p.slowerby()),
                QString::number(100 * p.weight, 'f', 1) + QStringLiteral(" %"),
                QString::number(p.timed)});
    }
    insteadtable->setRowCount(static_cast<int>(shown.swaps.size()));
    for (int i = 0; i < shown.swaps.size(); ++i) {
        const auto& [swap, times] = shown.swaps[i];
        const QString typed = keyname(typedkey(swap));
        const QString due = keyname(duekey(swap));
        setrow(insteadtable, i,
               {times == 1 ? tr("%1 for %2: once").arg(typed, due)
                           : tr("%1 for %2: %3 times").arg(typed, due).arg(times)});
    }
    fitwidth(missedtable);
    fitwidth(slowtable);
    fitwidth(pairtable);
    fitwidth(insteadtable);
    draw();
}

void KeysTab::draw() {
    const bool time = bytime->isChecked();
    drawchart(time ? shown.slowkeys : shown.keys, time);
    drawheat(time);
}

void KeysTab::drawchart(const QList<KeyMisses>& keys, bool time) {
    const QString caption = time ? tr(slowcaption) : tr(missedcaption);
    chart->chart()->setTitle(caption);
    chart->setAccessibleName(caption);
    series->clear();
    const QString unit = time ? tr("Mean time (ms)") : tr("Miss rate (%)");
    auto* bars = new QBarSet(unit);
    QStringList names;
    double top = 0;
    for (const KeyMisses& k : keys) {
        const double value = time ? k.meantime() : 100 * k.rate();
        bars->append(value);
        names.append(keyname(k.key));
        top = std::max(top, value);
    }
    series->append(bars);
    along->clear();
    along->append(names);
    measure->setTitleText(unit);
    roundticks(measure, top, 8);
}

void KeysTab::drawheat(bool time) {
    QList<KeyHeat> heat;
    for (const KeyMisses& k : shown.rankedkeys) {
        if (time && k.time.count >= rankedkeyminimum)
            heat.append({QString(k.key), k.meantime(),
                         tr("%1 on average, %2 times timed")
                             .arg(milliseconds(k.meantime()))
                             .arg(k.time.count)});
        else if (!time && k.expected >= rankedkeyminimum)
            heat.append({QString(k.key), k.rate(),
                         tr("%1 missed, %2 of %3")
                             .arg(percenttext(100 * k.rate()))
                             .arg(k.missed)
                             .arg(k.expected)});
    }
    heatmap->setheatmap(heat);
}
