#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

class CaptureHost;

class QLabel;
class QPushButton;
class QTimer;
class ScreenCapture;

// The capture window (frmCap): stays on top, shows the colour under the mouse pointer as its
// background, and on F6 puts that colour's text into the main window's entry box of
// CaptureTarget. While it is open the main window is disabled; closing it, by F6, "Cancel",
// Enter, Esc or its close box, brings the main window back normal and enabled.
class CaptureWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the capture window for `main`, loading it first unless it is open already.
    static CaptureWindow *Show(CaptureHost &host);

    ~CaptureWindow() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    explicit CaptureWindow(CaptureHost &host);
    void readPointerColor();
    void deliverCapturedColor();

    CaptureHost &m_host;
    QPointer<QWidget> m_main; // the host's window, while it lives
    std::unique_ptr<ScreenCapture> m_capture;
    QTimer *m_timer = nullptr;
    QLabel *m_label = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QColor m_shown; // invalid until a pixel has been read
    bool m_open = true;
};
