#include "stats/calendartab.h"

#include "common/accessibility.h"
#include "stats/calendarshades.h"
#include "stats/calendarview.h"
#include "stats/dailypractice.h"
#include "stats/todaybar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The five shades in a row from none to the goal met, then a frozen day's mark, as the calendar
// draws them; the words beside say what they mean.
class ShadeKey : public QWidget {
public:
    ShadeKey(int cell, QWidget* parent) : QWidget(parent), cell(cell) {
        setObjectName(QStringLiteral("shadekey"));
        setAccessibleName(QCoreApplication::translate(
            "CalendarTab", "Shades from nothing typed to the goal met, then a "
                           "frozen day"));
        setFixedSize(6 * cell + cell / 2, cell);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor ground = palette().color(QPalette::Base);
        painter.fillRect(rect(), ground);
        const int inset = cell / 4;
        for (int shade = 0; shade < goalshades + 1; ++shade) {
            const int x = shade * cell + (shade == goalshades ? cell / 2 : 0);
            const QRect box(x + inset, inset, cell - 2 * inset, cell - 2 * inset);
            const int drawn = shade == goalshades ? 0 : shade;
            const QColor fill = drawn == 0 ? ground : calendarshade(drawn, ground);
            painter.fillRect(box, fill);
            if (drawn == 0) {
                painter.setPen(calendarshade(1, ground));
                painter.drawRect(box.adjusted(0, 0, -1, -1));
            }
            if (shade == goalshades) {
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.setPen(
                    QPen(frozenmark(fill, palette().color(QPalette::Text), ground), 1.5));
                const QRectF cross = QRectF(box).adjusted(2.5, 2.5, -2.5, -2.5);
                painter.drawLine(cross.topLeft(), cross.bottomRight());
                painter.drawLine(cross.topRight(), cross.bottomLeft());
            }
        }
    }

private:
    int cell;
};

QLabel* caption(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    return label;
}

// Shows a value: no name of its own, so a screen reader reads the value.
QLabel* value(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QSpinBox* goalbox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QStringLiteral("goal"));
    box->setAccessibleName(QCoreApplication::translate("CalendarTab", "Practice goal:"));
    box->setRange(leastgoal, mostgoal);
    box->setSingleStep(goalstep);
    box->setValue(firstgoal);
    box->setSuffix(QCoreApplication::translate("CalendarTab", " min a day"));
    // Typed in, the goal rounds to the nearest step the spin box offers.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return box;
}

CalendarTab::CalendarTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("calendarpage"));
    streakcaption = caption("streakcaption", tr("Practice streak:"), this);
    streak = value("streak", this);
    streakcaption->setBuddy(streak);
    goalcaption = caption("goalcaption", tr("Practice goal:"), this);
    goal = goalbox(this);
    goalcaption->setBuddy(goal);
    today = new TodayBar(this);
    calendar = new CalendarView(this);
    months = new MonthRuler(calendar, this);
    legend = new QLabel(tr("Less of the goal met, then more; outlined: today; "
                           "crossed: a day a streak freeze kept."),
                        this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setTextFormat(Qt::PlainText);
    trouble = value("trouble", this);
    trouble->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(streakcaption);
    top->addWidget(streak, 1);
    top->addWidget(goalcaption);
    top->addWidget(goal);
    top->addSpacing(12);
    top->addWidget(today);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(months);
    layout->addWidget(calendar);
    auto* key = new QHBoxLayout;
    key->addWidget(new ShadeKey(calendar->cellsize(), this));
    key->addWidget(legend, 1);
    layout->addLayout(key);
    layout->addWidget(trouble);
    layout->addStretch(1);

    connect(goal, &QSpinBox::valueChanged, this, [this](int minutes) {
        if (practice)
            practice->setgoal(minutes);
    });
}

void CalendarTab::follow(DailyPractice* followed) {
    if (practice)
        disconnect(practice, nullptr, this, nullptr);
    practice = followed;
    today->follow(practice);
    if (practice)
        connect(practice, &DailyPractice::changed, this, &CalendarTab::showpractice);
    showpractice();
}

void CalendarTab::showpractice() {
    if (!practice)
        return;
    {
        const QSignalBlocker quiet(goal);
        goal->setValue(practice->goal());
    }
    const QString text = streaktext(practice->streak());
    if (text != streak->text()) {
        streak->setText(text);
        tellnamechanged(streak);
    }
    const PracticeCalendar days = practice->calendar();
    calendar->setcalendar(days);
    months->setcalendar(days);
    trouble->setText(practice->trouble());
    trouble->setVisible(!practice->trouble().isEmpty());
}
