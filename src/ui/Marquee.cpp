#include "Marquee.h"

#include "MainStatusBar.h"
#include "MarqueeStrip.h"
#include "StatusPanel.h"
#include "color/ColorValues.h"
#include "toolkit/Twips.h"

#include <QTimer>

namespace {

constexpr int TickMs = 45;
// Where the strip stands in the window; it is never shown there.
constexpr QPoint StripTwips(3750, 5130);

} // namespace

Marquee::Marquee(MainStatusBar *statusBar, QWidget *window)
    : QObject(window)
    , m_statusBar(statusBar)
    , m_strip(new MarqueeStrip(window))
    , m_timer(new QTimer(this))
{
    m_strip->move(twipsPoint(StripTwips.x(), StripTwips.y()));
    m_strip->setFont(statusBar->font());
    m_strip->setTextColor(ColorFromNumber(m_cycle.textColor()));
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &Marquee::tick);
}

void Marquee::prepare()
{
    m_strip->fit(QSize(m_statusBar->marqueePanel()->width(), m_statusBar->height()));
    m_timer->start();
}

void Marquee::tick()
{
    StatusPanel *panel = m_statusBar->marqueePanel();
    const QString revealed = m_cycle.revealed();
    const QPoint origin = MarqueeTextOrigin(m_strip->fontMetrics(), m_strip->size(), revealed);
    // The panel shows the strip as it was before this tick's drawing.
    panel->setPicture(m_strip->image());
    m_strip->drawText(origin, MarqueeCycle::text());
    panel->setText(revealed);
    if (m_cycle.advance()) {
        m_strip->clear();
        m_strip->setTextColor(ColorFromNumber(m_cycle.textColor()));
    }
}
