#pragma once

#include "ScreenCapture.h"

#include <QPointer>

// Capture through Qt alone, for desktops without a hot key of their own: F6 reaches the
// capture window only while it has the keyboard focus, and pixels are read where the desktop
// lets a program read the screen.
class QtScreenCapture : public ScreenCapture
{
    Q_OBJECT

public:
    using ScreenCapture::ScreenCapture;

    bool grabHotKey(QWidget *window) override;
    void releaseHotKey() override;
    QPoint pointerPosition() const override;
    int pixelAt(QPoint point) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};
