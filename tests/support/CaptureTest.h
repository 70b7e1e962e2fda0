#pragma once

#include "MainWindowTest.h"
#include "capture/CaptureWindow.h"

#include <QApplication>

// A test of the capture window, opened from a capture button of the main window.
class CaptureTest : public MainWindowTest
{
    Q_OBJECT

protected Q_SLOTS:
    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<CaptureWindow *>(window))
                delete window;
        }
        MainWindowTest::cleanup();
    }

protected:
    // The capture window for this row, once it is on the screen; null when none opened.
    CaptureWindow *openCapture(int index) const
    {
        button(QStringLiteral("cmdCC") + QString::number(index))->click();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *capture = qobject_cast<CaptureWindow *>(window);
            if (capture && capture->isVisible())
                return QTest::qWaitForWindowExposed(capture) ? capture : nullptr;
        }
        return nullptr;
    }
    // Back to normal after the capture window closed.
    void verifyMainWindowBack() const
    {
        QCOMPARE(window()->windowState(), Qt::WindowNoState);
        QVERIFY(window()->isEnabled());
    }
};
