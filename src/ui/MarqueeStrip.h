#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The off-screen strip the marquee draws on (Picture3). It is never shown itself: its image
// is handed to the status bar. It keeps what is drawn on it until it is cleared.
class MarqueeStrip : public QWidget
{
    Q_OBJECT

public:
    explicit MarqueeStrip(QWidget *parent);

    // Resizes the strip and clears it.
    void fit(const QSize &size);
    void clear();

    const QPixmap &image() const { return m_image; }
    QColor backColor() const { return m_backColor; }
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &color) { m_textColor = color; }

    // Draws the text with its top left corner at `origin`, on the strip's back colour, so it
    // covers whatever an earlier draw left beneath it; what falls outside the strip is cut off.
    void drawText(const QPoint &origin, const QString &text);

private:
    const QPixmap &renderedText(const QString &text);

    QPixmap m_image;
    QColor m_backColor;
    QColor m_textColor;
    // The last text drawn, rendered once, since the same text is drawn on every tick.
    QPixmap m_rendered;
    QString m_renderedText;
    QColor m_renderedColor;
};
