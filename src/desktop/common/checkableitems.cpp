#include "common/checkableitems.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

namespace {

class CheckableItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CheckableItem(QMenu* menu, QAction* action) : menu(menu), action(action) {}

    bool isValid() const override { return menu && action; }
    QObject* object() const override { return action; }
    QWindow* window() const override { return menu ? menu->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!action)
            return {};
        if (t == QAccessible::Name)
            return QString(action->text()).remove(QLatin1Char('&'));
        if (t == QAccessible::Accelerator)
            return action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect at = menu->actionGeometry(action);
        return {menu->mapToGlobal(at.topLeft()), at.size()};
    }
    QAccessible::Role role() const override {
        const QActionGroup* group = action ? action->actionGroup() : nullptr;
        return group && group->isExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.checkable = true;
        s.checked = action->isChecked();
        s.disabled = !action->isEnabled();
        s.invisible = !action->isVisible() || !menu->isVisible();
        s.focusable = true;
        s.focused = menu->activeAction() == action;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() && action && action->isEnabled())
            action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenu> menu;
    QPointer<QAction> action;
};

QAccessibleInterface* checkableitem(const QString& key, QObject* object) {
    auto* action = key == QLatin1String("QAction") ? qobject_cast<QAction*>(object) : nullptr;
    if (!action || !action->isCheckable())
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner)) {
            // Turned on or off, it tells the screen reader so.
            QObject::connect(action, &QAction::toggled, action, [action] {
                if (!QAccessible::isActive())
                    return;
                QAccessible::State changed;
                changed.checked = true;
                QAccessibleStateChangeEvent told(action, changed);
                QAccessible::updateAccessibility(&told);
            });
            return new CheckableItem(menu, action);
        }
    return nullptr;
}

} // namespace

void readcheckableitems() {
    static const bool installed = [] {
        QAccessible::installFactory(checkableitem);
        return true;
    }();
    Q_UNUSED(installed);
}
