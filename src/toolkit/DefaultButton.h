#pragma once

#include <QObject>

class QPushButton;

// Gives a main window a default button, drawn as such: Enter in any control that is not a push
// button clicks it, and Enter on a focused push button clicks that button. Dialogs have this from
// QDialog already.
class DefaultButton : public QObject
{
    Q_OBJECT

public:
    static void install(QWidget *window, QPushButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DefaultButton(QWidget *window, QPushButton *button);

    QWidget *m_window;
    QPushButton *m_button;
};
