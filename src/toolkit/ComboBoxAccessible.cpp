#include "ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

constexpr char NamedProperty[] = "barwrightNamedComboBox";

QAccessibleInterface *comboBoxFactory(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    if (!box || !box->property(NamedProperty).toBool())
        return nullptr;
    return new ComboBoxAccessible(box);
}

} // namespace

ComboBoxAccessible::ComboBoxAccessible(QComboBox *box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{
}

void ComboBoxAccessible::install(QComboBox *box)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(comboBoxFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    box->setProperty(NamedProperty, true);
}

QComboBox *ComboBoxAccessible::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return comboBox()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = comboBox()->view()->isVisible();
    return state;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == comboBox()->view() ? 0 : -1;
}

QStringList ComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        comboBox()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}
