#include "Windows.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

void EndProgram()
{
    // Leaves every event loop; the windows are destroyed without being asked to close.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void CloseOtherWindows(const QWidget *keep)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != keep && window->isVisible())
            window->close();
    }
}

void UseDesignFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    QApplication::setFont(font);
}

void CenterOnScreen(QWidget *window)
{
    window->adjustSize();
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
