#pragma once

#include <QObject>
#include <QPoint>

#include <memory>

class QWidget;

// What the capture window needs from the desktop: the hot key F6 for the whole desktop, and
// the colour of a screen pixel. Each desktop has its own way of giving them.
class ScreenCapture : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Takes F6 for `window` until releaseHotKey(). Returns false when another program holds
    // the key; F6 then does not reach the window, which must still close by other means.
    virtual bool grabHotKey(QWidget *window) = 0;
    virtual void releaseHotKey() = 0;

    // The pointer's position, in the coordinates pixelAt() takes.
    virtual QPoint pointerPosition() const = 0;
    // The colour number of the screen pixel at `point`, or -1 when it cannot be read.
    virtual int pixelAt(QPoint point) const = 0;

Q_SIGNALS:
    void hotKeyPressed();
};

// The implementation for the desktop the program runs on.
std::unique_ptr<ScreenCapture> CreateScreenCapture();
