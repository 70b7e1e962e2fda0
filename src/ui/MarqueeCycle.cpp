#include "MarqueeCycle.h"

#include <QFontMetrics>
#include <QSize>

using namespace Qt::StringLiterals;

QString MarqueeCycle::text()
{
    static const QString advertisement
        = u"Click here for awesome web site templates."_s + QString(69, u' ');
    return advertisement;
}

int MarqueeCycle::nextColor(int color)
{
    switch (color) {
    case Blue: return Red;
    case Red: return Yellow;
    default: return Blue;
    }
}

QString MarqueeCycle::revealed() const
{
    return text().left(m_counter);
}

bool MarqueeCycle::advance()
{
    ++m_counter;
    if (m_counter != text().size())
        return false;
    m_counter = 0;
    m_textColor = nextColor(m_textColor);
    return true;
}

QPoint MarqueeTextOrigin(const QFontMetrics &metrics, const QSize &strip, const QString &revealed)
{
    // Division truncates toward zero, also for a strip lower than the font.
    return {strip.width() - metrics.horizontalAdvance(revealed),
            (strip.height() - metrics.height()) / 2};
}
