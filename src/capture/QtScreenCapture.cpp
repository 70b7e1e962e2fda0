#include "QtScreenCapture.h"

#include "color/ColorValues.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

bool QtScreenCapture::grabHotKey(QWidget *window)
{
    releaseHotKey();
    m_window = window;
    window->installEventFilter(this);
    return true;
}

void QtScreenCapture::releaseHotKey()
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
}

QPoint QtScreenCapture::pointerPosition() const
{
    return QCursor::pos();
}

int QtScreenCapture::pixelAt(QPoint point) const
{
    // Outside every screen some platforms still hand back a pixel, of no colour in particular.
    QScreen *screen = QGuiApplication::screenAt(point);
    if (!screen)
        return -1;
    const QPoint onScreen = point - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1).toImage();
    if (pixel.isNull())
        return -1;
    return NumberFromColor(pixel.pixelColor(0, 0));
}

bool QtScreenCapture::eventFilter(QObject *watched, QEvent *event)
{
    // Keys the window's controls leave alone reach the window itself.
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F6 || key->isAutoRepeat()
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    Q_EMIT hotKeyPressed();
    return true;
}
