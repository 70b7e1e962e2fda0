#include "AccessibleNames.h"

#include <QAccessible>
#include <QHash>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Controls: what a user presses, types into or follows.
bool isControl(QAccessible::Role role)
{
    static const QList<QAccessible::Role> controls{
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::Link,     QAccessible::ComboBox,
        QAccessible::SpinBox};
    return controls.contains(role);
}

// Panes that only hold other items; a screen reader passes over them.
bool isHolder(QAccessible::Role role)
{
    return role == QAccessible::Client || role == QAccessible::Pane
        || role == QAccessible::Separator || role == QAccessible::Border;
}

QString describe(QAccessibleInterface *item)
{
    const QObject *object = item->object();
    const QString name = object ? object->objectName() : QString();
    return (name.isEmpty()
                ? QString::fromLatin1(object ? object->metaObject()->className() : "item")
                : name)
        + u" (role "_s + QString::number(item->role()) + u')';
}

void collect(QAccessibleInterface *item, QStringList &faults, QHash<QString, QStringList> &names)
{
    if (!item || item->state().invisible)
        return;
    if (!isHolder(item->role())) {
        const QString name = item->text(QAccessible::Name);
        if (name.isEmpty())
            faults << describe(item) + u": no name"_s;
        else
            names[name] << describe(item);
        // A choice is named by what it chooses; its current choice is its value.
        if (item->role() == QAccessible::ComboBox && name == item->text(QAccessible::Value))
            faults << describe(item) + u": named by its current choice"_s;
    }
    if (isControl(item->role()) && !item->state().focusable && !item->state().disabled)
        faults << describe(item) + u": the keyboard cannot reach it"_s;
    for (int i = 0; i < item->childCount(); ++i)
        collect(item->child(i), faults, names);
}

} // namespace

QStringList AccessibilityFaults(QWidget *window)
{
    QStringList faults;
    QHash<QString, QStringList> names;
    collect(QAccessible::queryAccessibleInterface(window), faults, names);
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (it.value().size() > 1)
            faults << u'"' + it.key() + u"\" named "_s + it.value().join(u", "_s);
    }
    faults.sort();
    return faults;
}
