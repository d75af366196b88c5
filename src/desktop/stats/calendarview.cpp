#include "stats/calendarview.h"

#include "stats/calendarshades.h"

#include "language/catalogues.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Room between a day's room and its box for the focus frame and today's outline.
constexpr int focuswidth = 2;
constexpr int outlinegap = 1;
constexpr int outlinewidth = 2;
constexpr int boxinset = focuswidth + outlinegap + outlinewidth;

// Each day drawn as its box: the theme's ground around it, so the shades read against the ground
// and none against another.
class DayDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto* model = static_cast<const CalendarModel*>(index.model());
        const CalendarDay* day = model->day(index);
        if (!day || day->future)
            return;
        const QPalette& palette = option.palette;
        const QColor ground = palette.color(QPalette::Base);
        const QColor text = palette.color(QPalette::Text);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        const QRect box = option.rect.adjusted(boxinset, boxinset, -boxinset, -boxinset);
        const QColor fill = day->shade == 0 ? ground : calendarshade(day->shade, ground);
        painter->fillRect(box, fill);
        if (day->shade == 0) {
            painter->setPen(QPen(calendarshade(1, ground), 1));
            painter->drawRect(box.adjusted(0, 0, -1, -1));
        }
        if (day->frozen) {
            painter->setPen(QPen(frozenmark(fill, text, ground), 1.5));
            painter->setRenderHint(QPainter::Antialiasing, true);
            const QRectF cross = QRectF(box).adjusted(2.5, 2.5, -2.5, -2.5);
            painter->drawLine(cross.topLeft(), cross.bottomRight());
            painter->drawLine(cross.topRight(), cross.bottomLeft());
            painter->setRenderHint(QPainter::Antialiasing, false);
        }
        if (day->today) {
            const int at = focuswidth + outlinegap;
            const QRect outline = option.rect.adjusted(at, at, -at, -at);
            painter->setPen(QPen(text, outlinewidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter->drawRect(QRectF(outline).adjusted(1, 1, -1, -1));
        }
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(palette.color(QPalette::Highlight), focuswidth, Qt::SolidLine,
                                 Qt::SquareCap, Qt::MiterJoin));
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }
};

} // namespace

void CalendarModel::setcalendar(const PracticeCalendar& calendar) {
    const bool samedays = shown.days.size() == calendar.days.size() && !shown.days.isEmpty() &&
                          shown.days.first().date == calendar.days.first().date;
    if (!samedays)
        beginResetModel();
    shown = calendar;
    if (!samedays)
        endResetModel();
    else
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

const CalendarDay* CalendarModel::day(const QModelIndex& at) const {
    if (!at.isValid() || shown.days.isEmpty())
        return nullptr;
    return &shown.at(at.column(), at.row());
}

QModelIndex CalendarModel::indexof(QDate date) const {
    if (shown.days.isEmpty() || !date.isValid())
        return {};
    const qint64 n = shown.days.first().date.daysTo(date);
    if (n < 0 || n >= shown.days.size())
        return {};
    return index(static_cast<int>(n % 7), static_cast<int>(n / 7));
}

int CalendarModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || shown.days.isEmpty() ? 0 : 7;
}

int CalendarModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || shown.days.isEmpty() ? 0 : calendarweeks;
}

QVariant CalendarModel::data(const QModelIndex& at, int role) const {
    const CalendarDay* d = day(at);
    if (!d || d->future)
        return {};
    switch (role) {
    case Qt::AccessibleTextRole:
        return calendardayname(*d);
    case Qt::AccessibleDescriptionRole:
        return calendardayfigures(*d);
    case Qt::ToolTipRole:
        return calendardaytext(*d);
    default:
        return {};
    }
}

QVariant CalendarModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || shown.days.isEmpty())
        return {};
    if (orientation == Qt::Vertical)
        return shownlocale().dayName(section + 1, QLocale::ShortFormat);
    // Read out as a column's name; the month names above show the weeks.
    return QCoreApplication::translate("CalendarView", "Week of %1")
        .arg(shownlocale().toString(shown.at(section, 0).date, QStringLiteral("d MMMM yyyy")));
}

Qt::ItemFlags CalendarModel::flags(const QModelIndex& at) const {
    const CalendarDay* d = day(at);
    if (!d || d->future)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

CalendarView::CalendarView(QWidget* parent)
    : QTableView(parent), model(new CalendarModel(this)),
      cell(std::max(19, fontMetrics().height() + 3)) {
    setObjectName(QStringLiteral("calendar"));
    setAccessibleName(tr("Calendar"));
    setModel(model);
    setItemDelegate(new DayDelegate(this));
    setShowGrid(false);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    // Tab leaves the calendar for the next control; the arrow keys move between the days.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(cell);
    horizontalHeader()->setDefaultSectionSize(cell);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(cell);
    verticalHeader()->setDefaultSectionSize(cell);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setcalendar({});
}

void CalendarView::setcalendar(const PracticeCalendar& calendar) {
    const CalendarDay* current = model->day(currentIndex());
    const QDate kept = current ? current->date : QDate();
    model->setcalendar(calendar);
    // The day the player moved to stays; at first, and once it has left the calendar, today.
    QModelIndex at = model->indexof(kept);
    if (!at.isValid() || !(model->flags(at) & Qt::ItemIsEnabled))
        at = model->index(calendar.todayindex() % 7, calendar.todayindex() / 7);
    if (calendar.todayindex() >= 0)
        setCurrentIndex(at);
    const int width =
        verticalHeader()->sizeHint().width() + calendarweeks * cell + 2 * frameWidth();
    setFixedSize(width, 7 * cell + 2 * frameWidth());
}

int CalendarView::weeksleft() const {
    return frameWidth() + verticalHeader()->width();
}

MonthRuler::MonthRuler(const CalendarView* view, QWidget* parent) : QWidget(parent), view(view) {
    setObjectName(QStringLiteral("months"));
    // The days' names tell their months; this only shows them.
    setAccessibleName(QCoreApplication::translate("CalendarView", "Months"));
    setFixedHeight(fontMetrics().height() + 2);
}

void MonthRuler::setcalendar(const PracticeCalendar& calendar) {
    months.clear();
    // Names are a few weeks apart, as far as a name needs; another language's may run longer.
    int namewidth = fontMetrics().horizontalAdvance(QStringLiteral("May "));
    if (shownlocale() != QLocale::c())
        for (int month = 1; month <= 12; ++month)
            namewidth =
                std::max(namewidth, fontMetrics().horizontalAdvance(
                                        shownlocale().monthName(month, QLocale::ShortFormat) +
                                        QLatin1Char(' ')));
    const int widest = namewidth / view->cellsize() + 1;
    int last = -widest;
    for (int week = 0; week < calendar.days.size() / 7; ++week) {
        const QDate monday = calendar.at(week, 0).date;
        const QDate sunday = monday.addDays(6);
        // Over the week that holds a month's first day; the first week names its month too.
        const bool holdsfirst = monday.day() == 1 || sunday.day() < monday.day();
        if (!(holdsfirst || week == 0) || week - last < widest)
            continue;
        const QDate named = holdsfirst && monday.day() != 1 ? sunday : monday;
        months.append({week, shownlocale().monthName(named.month(), QLocale::ShortFormat)});
        last = week;
    }
    update();
}

void MonthRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const auto& [week, name] : months)
        painter.drawText(QRect(view->x() - x() + view->weeksleft() + week * view->cellsize(), 0,
                               width(), height()),
                         Qt::AlignLeft | Qt::AlignBottom, name);
}
