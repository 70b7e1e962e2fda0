#include "MarqueeStrip.h"

#include <QPainter>

MarqueeStrip::MarqueeStrip(QWidget *parent)
    : QWidget(parent)
    , m_backColor(palette().color(QPalette::Window))
{
    setObjectName(QStringLiteral("Picture3"));
    hide();
}

void MarqueeStrip::fit(const QSize &size)
{
    resize(size);
    const qreal ratio = devicePixelRatioF();
    m_image = QPixmap(size * ratio);
    m_image.setDevicePixelRatio(ratio);
    clear();
}

void MarqueeStrip::clear()
{
    m_image.fill(m_backColor);
}

void MarqueeStrip::drawText(const QPoint &origin, const QString &text)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    painter.drawPixmap(origin, renderedText(text));
}

const QPixmap &MarqueeStrip::renderedText(const QString &text)
{
    if (m_rendered.isNull() || text != m_renderedText || m_textColor != m_renderedColor) {
        const QFontMetrics metrics = fontMetrics();
        const qreal ratio = m_image.devicePixelRatio();
        m_rendered
            = QPixmap(QSize(qMax(1, metrics.horizontalAdvance(text)), metrics.height()) * ratio);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(m_backColor);
        QPainter painter(&m_rendered);
        painter.setFont(font());
        painter.setPen(m_textColor);
        painter.drawText(QPoint(0, metrics.ascent()), text);
        m_renderedText = text;
        m_renderedColor = m_textColor;
    }
    return m_rendered;
}
