#pragma once

#include <QAccessibleWidget>

class QComboBox;

// How screen readers see a combo box with a name of its own. On Linux, Qt names a combo box
// after its current item; here the accessible name is its name, the current item its value,
// and the list its one child.
class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QComboBox *box);

    // Lets screen readers see `box` this way; call before anything asks about it.
    static void install(QComboBox *box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *comboBox() const;
};
