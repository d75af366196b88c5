#include "support/windowtexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>

namespace {

QString whereof(const QWidget* window, const QObject* control) {
    const QString name =
        control->objectName().isEmpty() ? QStringLiteral("(unnamed)") : control->objectName();
    return QStringLiteral("%1: %2 (%3)")
        .arg(window->objectName(), name, QLatin1String(control->metaObject()->className()));
}

// A label's text as read: rich text without its markup.
QString plain(const QLabel* label) {
    if (!Qt::mightBeRichText(label->text()))
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

void actions(QList<ShownText>& texts, const QWidget* window, const QWidget* holder) {
    for (const QAction* action : holder->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        texts.append({whereof(window, action), action->text()});
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            texts.append({whereof(window, action) + QStringLiteral(" tooltip"), action->toolTip()});
        if (action->menu())
            texts.append({whereof(window, action->menu()), action->menu()->title()});
    }
}

void texts(QList<ShownText>& all, const QWidget* window, QWidget* control) {
    const QString where = whereof(window, control);
    auto add = [&](const QString& text, const char* what = nullptr) {
        if (!text.trimmed().isEmpty())
            all.append({what ? where + QLatin1Char(' ') + QLatin1String(what) : where, text});
    };
    if (control->isWindow())
        add(control->windowTitle(), "title");
    add(control->toolTip(), "tooltip");
    add(control->accessibleName(), "accessible name");
    add(control->accessibleDescription(), "accessible description");
    if (auto* label = qobject_cast<QLabel*>(control))
        add(plain(label));
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        add(button->text());
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        add(group->title());
    else if (auto* box = qobject_cast<QLineEdit*>(control))
        add(box->placeholderText(), "placeholder");
    else if (auto* choice = qobject_cast<QComboBox*>(control); choice && !choice->isEditable())
        for (int i = 0; i < choice->count(); ++i)
            add(choice->itemText(i));
    else if (auto* tabs = qobject_cast<QTabWidget*>(control))
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i), "tab");
    if (auto* table = qobject_cast<QTableWidget*>(control))
        for (int i = 0; i < table->columnCount(); ++i)
            if (const QTableWidgetItem* head = table->horizontalHeaderItem(i))
                add(head->text(), "header");
    if (qobject_cast<QMenu*>(control) || qobject_cast<QMenuBar*>(control))
        actions(all, window, control);
}

} // namespace

QList<ShownText> showntexts(QWidget* window) {
    QList<ShownText> all;
    texts(all, window, window);
    for (QWidget* control : window->findChildren<QWidget*>())
        texts(all, window, control);
    return all;
}

QStringList cuttexts(QWidget* window) {
    QStringList cut;
    auto report = [&](const QWidget* control, const QString& text, int needs, int has) {
        cut.append(QStringLiteral("%1 '%2' needs %3 px, has %4")
                       .arg(whereof(window, control), text)
                       .arg(needs)
                       .arg(has));
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            if (label->wordWrap()) {
                const int needs = label->heightForWidth(label->width());
                if (needs > label->height())
                    report(label, plain(label), needs, label->height());
            } else if (label->sizeHint().width() > label->width()) {
                report(label, plain(label), label->sizeHint().width(), label->width());
            }
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            // The text within the frame the style draws: the hint's least width is the style's
            // taste rather than the text's need.
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const int has = button->style()
                                ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                .width();
            const int needs = button->fontMetrics().horizontalAdvance(text);
            if (!text.isEmpty() && needs > has)
                report(button, text, needs, has);
        } else if (auto* check = qobject_cast<QAbstractButton*>(control)) {
            if (!check->text().isEmpty() && check->sizeHint().width() > check->width())
                report(check, check->text(), check->sizeHint().width(), check->width());
        }
    }
    return cut;
}
