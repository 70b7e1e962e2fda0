#include "ItemAccessible.h"

#include <QWidget>

namespace {

constexpr char RoleProperty[] = "barwrightAccessibleRole";

QAccessibleInterface *itemFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    const QVariant role = widget ? widget->property(RoleProperty) : QVariant();
    if (!role.isValid())
        return nullptr;
    return new ItemAccessible(widget, QAccessible::Role(role.toInt()));
}

} // namespace

ItemAccessible::ItemAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void ItemAccessible::install(QWidget *widget, QAccessible::Role role)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(itemFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    widget->setProperty(RoleProperty, int(role));
}
