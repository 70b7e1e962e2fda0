#include "DefaultButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

DefaultButton::DefaultButton(QWidget *window, QPushButton *button)
    : QObject(window)
    , m_window(window)
    , m_button(button)
{
}

void DefaultButton::install(QWidget *window, QPushButton *button)
{
    window->installEventFilter(new DefaultButton(window, button));
    button->setDefault(true); // drawn as the default, as in a dialog
}

bool DefaultButton::eventFilter(QObject *watched, QEvent *event)
{
    // Key events reach the window only when the control with the focus left them alone.
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;

    QPushButton *target = qobject_cast<QPushButton *>(m_window->focusWidget());
    if (!target)
        target = m_button;
    if (target && target->isEnabled() && target->isVisible())
        target->click();
    return true;
}
