#include "CaptureWindow.h"

#include "CaptureHost.h"
#include "CaptureState.h"
#include "ScreenCapture.h"
#include "color/ColorValues.h"
#include "toolkit/Twips.h"
#include "toolkit/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// About once a display frame: the colour follows the pointer smoothly, at little cost.
constexpr int ReadingInterval = 16;

} // namespace

CaptureWindow *CaptureWindow::Show(CaptureHost &host)
{
    CaptureWindow *window = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *open = qobject_cast<CaptureWindow *>(top); open && open->m_open)
            window = open;
    }
    if (!window) {
        window = new CaptureWindow(host);
        CenterOnScreen(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

CaptureWindow::CaptureWindow(CaptureHost &host)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowStaysOnTopHint)
    , m_host(host)
    , m_main(&host.hostWidget())
    , m_capture(CreateScreenCapture())
{
    setObjectName(u"frmCap"_s);
    setWindowTitle(tr("BRW Color Capture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsSize(2085, 1365));

    m_label = new QLabel(tr("Press F6 to capture color under cursor"), this);
    m_label->setObjectName(u"Label1"_s);
    m_label->setGeometry(twipsRect(195, 150, 1695, 495));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette labelColors = m_label->palette();
    labelColors.setColor(QPalette::Window, labelColors.color(QPalette::Base));
    labelColors.setColor(QPalette::WindowText, labelColors.color(QPalette::Text));
    m_label->setPalette(labelColors);
    m_label->setAutoFillBackground(true);

    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(u"Command1"_s);
    m_cancelButton->setGeometry(twipsRect(495, 810, 1095, 405));
    m_cancelButton->setDefault(true);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);

    // Load handling: F6 first, then the main window stops taking input. Another program may
    // hold F6 already; "Cancel" still closes the window then.
    m_capture->grabHotKey(this);
    connect(m_capture.get(), &ScreenCapture::hotKeyPressed, this,
            &CaptureWindow::deliverCapturedColor);
    m_main->setEnabled(false);

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(ReadingInterval);
    connect(m_timer, &QTimer::timeout, this, &CaptureWindow::readPointerColor);
    m_timer->start();
    readPointerColor();
}

CaptureWindow::~CaptureWindow() = default;

void CaptureWindow::readPointerColor()
{
    const int pixel = m_capture->pixelAt(m_capture->pointerPosition());
    // A pixel that cannot be read leaves the last colour shown; the readings go on.
    if (pixel < 0)
        return;
    CapturedColor = ColorToHex(pixel);
    const QColor color = ColorFromNumber(pixel);
    if (color != m_shown) {
        m_shown = color;
        update();
    }
}

void CaptureWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_shown.isValid() ? m_shown : palette().color(QPalette::Window));
}

void CaptureWindow::keyPressEvent(QKeyEvent *event)
{
    // "Cancel" is the window's default and cancel button: Enter and Esc both click it.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: m_cancelButton->click(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void CaptureWindow::deliverCapturedColor()
{
    if (!m_open)
        return;
    // The colour under the pointer now, not as it was at the last reading.
    readPointerColor();
    const bool haveColor = m_shown.isValid();
    const QPointer<QWidget> main = m_main;
    CaptureHost &host = m_host;
    close();
    if (main && haveColor)
        host.putCapturedColor(CaptureTarget, CapturedColor);
}

// Unload handling: whichever way the window closes.
void CaptureWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_open)
        return;
    m_open = false;
    m_timer->stop();
    m_capture->releaseHotKey();
    if (m_main) {
        m_main->showNormal();
        m_main->setEnabled(true);
    }
}
