#pragma once

#include <QAccessibleWidget>

// How screen readers see a custom widget that is one item to them, such as a picture or a
// link: a fixed role, the widget's accessible name and description, and no children; its child
// widgets are parts of it, not controls of their own.
class ItemAccessible : public QAccessibleWidget
{
public:
    ItemAccessible(QWidget *widget, QAccessible::Role role);

    // Lets screen readers see `widget` in `role`; call before anything asks about it.
    static void install(QWidget *widget, QAccessible::Role role);

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
};
