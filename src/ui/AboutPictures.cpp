#include "AboutPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

struct BarColors
{
    QColor face, light, highlight, shadow, darkShadow, arrow, track;
};

// A raised box as a scrollbar draws it: an outer light and an inner highlight band along the
// top and left, an inner shadow and an outer dark shadow band along the bottom and right.
void drawBevelBox(QPainter &painter, const QRectF &box, qreal band, const BarColors &colors)
{
    painter.setPen(Qt::NoPen);
    const std::pair<QColor, QColor> rings[]
        = {{colors.light, colors.darkShadow}, {colors.highlight, colors.shadow}};
    QRectF ring = box;
    for (const auto &[topLeft, bottomRight] : rings) {
        painter.setBrush(bottomRight);
        painter.drawRect(ring);
        painter.setBrush(topLeft);
        painter.drawRect(ring.adjusted(0, 0, -band, -band));
        ring.adjust(band, band, -band, -band);
    }
    painter.setBrush(colors.face);
    painter.drawRect(ring);
}

void drawArrow(QPainter &painter, const QRectF &box, bool up, const QColor &color)
{
    const QPointF centre = box.center();
    const qreal half = box.width() * 0.22;
    const qreal rise = up ? -half * 0.6 : half * 0.6;
    QPainterPath arrow;
    arrow.moveTo(centre.x() - half, centre.y() - rise);
    arrow.lineTo(centre.x() + half, centre.y() - rise);
    arrow.lineTo(centre.x(), centre.y() + rise);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(arrow);
}

// A vertical scrollbar filling `bar`: arrow buttons at both ends, a thumb below the top one.
void drawScrollbar(QPainter &painter, const QRectF &bar, qreal band, qreal thumbLength,
                   const BarColors &colors)
{
    const qreal side = bar.width();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.track);
    painter.drawRect(bar);
    const QRectF up(bar.left(), bar.top(), side, side);
    const QRectF down(bar.left(), bar.bottom() - side, side, side);
    const QRectF thumb(bar.left(), up.bottom() + side * 0.2, side, thumbLength);
    for (const QRectF &box : {up, down, thumb})
        drawBevelBox(painter, box, band, colors);
    drawArrow(painter, up, true, colors.arrow);
    drawArrow(painter, down, false, colors.arrow);
}

void drawIcon(QPainter &painter)
{
    // Designed on a 32 by 32 grid.
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline(0x3A, 0x2A, 0x4A);
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(2.5, 3.5, 27, 26), 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x80, 0x00, 0x80)); // the title bar
    painter.drawRoundedRect(QRectF(3.1, 4.1, 25.8, 5), 1.8, 1.8);
    painter.drawRect(QRectF(3.1, 7, 25.8, 2.1));

    painter.setBrush(QColor(0xB8, 0xB0, 0xC4)); // lines of text on the page
    for (int line = 0; line < 5; ++line)
        painter.drawRect(QRectF(5.5, 12 + line * 3.4, line % 2 ? 11 : 14, 1.6));

    const BarColors colors{QColor(0xFF, 0x8C, 0x1A), QColor(0xFF, 0xB0, 0x50),
                           QColor(0xFF, 0xE0, 0x80), QColor(0xC8, 0x50, 0x00),
                           QColor(0x60, 0x20, 0x00), QColor(0x80, 0x00, 0x80),
                           QColor(0x9E, 0xE6, 0xD8)};
    QPainterPath page;
    page.addRoundedRect(QRectF(3.1, 4.1, 25.8, 24.8), 1.9, 1.9);
    painter.setClipPath(page);
    drawScrollbar(painter, QRectF(22.1, 9.1, 6.8, 19.8), 0.55, 4.2, colors);
}

} // namespace

QPixmap ProgramIconPixmap(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(side / 32.0, side / 32.0);
    drawIcon(painter);
    return pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ProgramIconPixmap(side));
    return icon;
}

QPixmap AboutBackground()
{
    QPixmap pixmap(358, 283);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);

    // A soft lavender band fading in toward the bottom edge.
    QLinearGradient fade(0, 246, 0, 283);
    fade.setColorAt(0, Qt::white);
    fade.setColorAt(1, QColor(0xE6, 0xD4, 0xEE));
    painter.fillRect(QRect(0, 246, 358, 37), fade);
    painter.fillRect(QRect(0, 250, 358, 1), QColor(0xC8, 0xA8, 0xD8));

    // A tall scrollbar under the icon, in the purple of the title.
    const BarColors colors{
        QColor(0xE4, 0xCC, 0xF2), QColor(0xD4, 0xB8, 0xE6), Qt::white,
        QColor(0xA8, 0x84, 0xC4), QColor(0x60, 0x00, 0x60), QColor(0x80, 0x00, 0x80),
        QColor(0xF1, 0xE6, 0xF7)};
    drawScrollbar(painter, QRectF(22, 64, 20, 176), 2, 46, colors);
    painter.setPen(QColor(0xC8, 0xA8, 0xD8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(21.5, 63.5, 21, 177));

    // Colour chips along the band, the kind of choices the program is for.
    const QColor chips[]
        = {QColor(0xFF, 0x8C, 0x1A), QColor(0x2E, 0xB8, 0x9A), QColor(0x3A, 0x6E, 0xE0),
           QColor(0xE0, 0x3A, 0x6E), QColor(0xF2, 0xC4, 0x0C)};
    int x = 22;
    for (const QColor &chip : chips) {
        painter.fillRect(QRect(x, 258, 14, 14), chip.darker(140));
        painter.fillRect(QRect(x + 1, 259, 12, 12), chip);
        x += 20;
    }
    return pixmap;
}
