#include "MainStatusBar.h"

#include "StatusPanel.h"
#include "toolkit/FocusFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

MainStatusBar::MainStatusBar(const QString &notice, int marqueeWidth, QWidget *parent)
    : QStatusBar(parent)
    , m_noticePanel(new StatusPanel(notice, this))
    , m_marqueePanel(new StatusPanel(tr("Web site templates"), this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setMouseTracking(true);
    m_marqueePanel->setObjectName(QStringLiteral("marqueePanel"));
    m_marqueePanel->setFixedWidth(marqueeWidth);
    m_noticePanel->setAccessibleRole(QAccessible::StaticText);
    // The marquee panel opens a web page when clicked: a link the keyboard reaches too.
    m_marqueePanel->setAccessibleRole(QAccessible::Link);
    m_marqueePanel->setAccessibleDescription(tr("Opens the web site templates page"));
    m_marqueePanel->setFocusPolicy(Qt::TabFocus);
    m_marqueePanel->installEventFilter(this);
    // Permanent, so no status tip or message ever hides them.
    addPermanentWidget(m_noticePanel, 1);
    addPermanentWidget(m_marqueePanel);
}

void MainStatusBar::mouseMoveEvent(QMouseEvent *event)
{
    // Both edges of the panel count as outside it; the height is not looked at.
    const qreal x = event->position().x();
    const QRect panel = m_marqueePanel->geometry();
    const bool overMarquee = x > panel.left() && float(panel.left() + panel.width()) > x;
    if (overMarquee)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
    QStatusBar::mouseMoveEvent(event);
}

void MainStatusBar::mousePressEvent(QMouseEvent *event)
{
    m_pressedPanel = event->button() == Qt::LeftButton ? panelAt(event->position()) : nullptr;
    QStatusBar::mousePressEvent(event);
}

void MainStatusBar::mouseReleaseEvent(QMouseEvent *event)
{
    StatusPanel *pressed = std::exchange(m_pressedPanel, nullptr);
    if (event->button() == Qt::LeftButton && pressed && pressed == panelAt(event->position()))
        Q_EMIT panelClicked(pressed);
    QStatusBar::mouseReleaseEvent(event);
}

bool MainStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_marqueePanel && event->type() == QEvent::KeyPress
        && IsActivationKey(*static_cast<QKeyEvent *>(event))) {
        Q_EMIT panelClicked(m_marqueePanel);
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

StatusPanel *MainStatusBar::panelAt(const QPointF &position) const
{
    for (StatusPanel *panel : {m_noticePanel, m_marqueePanel}) {
        if (panel->geometry().contains(position.toPoint()))
            return panel;
    }
    return nullptr;
}
