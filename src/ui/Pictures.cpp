#include "Pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

constexpr int Side = 16;

QIcon drawn(const std::function<void(QPainter &)> &draw, int side = Side)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(side, side) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawPalette(QPainter &painter)
{
    // A rounded board with a thumb hole and a notch, and four dabs of paint.
    QPainterPath board;
    board.addEllipse(QRectF(1, 2.5, 14, 11));
    QPainterPath hole;
    hole.addEllipse(QRectF(3.2, 8.2, 3, 3));
    QPainterPath notch;
    notch.addEllipse(QRectF(-0.5, 9.5, 4.5, 4.5));
    painter.setPen(QPen(QColor(0x7A, 0x52, 0x2C), 0.9));
    painter.setBrush(QColor(0xE8, 0xC5, 0x8E));
    painter.drawPath(board.subtracted(hole).subtracted(notch));

    painter.setPen(Qt::NoPen);
    const std::pair<QPointF, QColor> dabs[] = {
        {{5.0, 5.6}, QColor(0xD8, 0x1E, 0x1E)},
        {{8.6, 4.7}, QColor(0xF2, 0xC4, 0x0C)},
        {{11.8, 6.4}, QColor(0x1E, 0x9E, 0x3A)},
        {{11.2, 10.0}, QColor(0x1F, 0x5F, 0xD8)},
    };
    for (const auto &[centre, color] : dabs) {
        painter.setBrush(color);
        painter.drawEllipse(centre, 1.55, 1.55);
    }
}

void drawEyedropper(QPainter &painter)
{
    // Drawn upright, then turned so the tip points down to the left.
    painter.translate(8, 8);
    painter.rotate(45);
    painter.translate(-8, -8);

    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.8));
    painter.setBrush(QColor(0x3C, 0x3C, 0x46)); // the rubber bulb
    painter.drawRoundedRect(QRectF(6.2, -0.5, 3.6, 4.5), 1.6, 1.6);
    painter.setBrush(QColor(0x70, 0x70, 0x78)); // the collar
    painter.drawRect(QRectF(5.4, 4.0, 5.2, 1.6));
    painter.setBrush(QColor(0xD6, 0xEC, 0xF8)); // the glass
    QPainterPath glass;
    glass.moveTo(6.6, 5.6);
    glass.lineTo(9.4, 5.6);
    glass.lineTo(9.4, 12.0);
    glass.lineTo(8.0, 15.0);
    glass.lineTo(6.6, 12.0);
    glass.closeSubpath();
    painter.drawPath(glass);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x5F, 0xD8)); // the colour taken up
    painter.drawRect(QRectF(7.0, 9.5, 2.0, 2.5));
}

void drawInformation(QPainter &painter)
{
    // A round speech bubble with its tail down to the left, and a white "i" in it.
    QPainterPath bubble;
    bubble.addEllipse(QRectF(2.5, 1.5, 27, 24));
    QPainterPath tail;
    tail.moveTo(7.5, 19.5);
    tail.lineTo(4.0, 30.0);
    tail.lineTo(15.0, 23.5);
    tail.closeSubpath();
    QLinearGradient fill(0, 1.5, 0, 30);
    fill.setColorAt(0, QColor(0x4A, 0x8C, 0xF0));
    fill.setColorAt(1, QColor(0x16, 0x4C, 0xB8));
    painter.setPen(QPen(QColor(0x0E, 0x36, 0x86), 1.0));
    painter.setBrush(fill);
    painter.drawPath(bubble.united(tail));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 7.5), 2.2, 2.2);
    painter.drawRoundedRect(QRectF(14.0, 11.0, 4.0, 10.5), 1.2, 1.2);
}

} // namespace

QIcon PalettePicture()
{
    return drawn(drawPalette);
}

QIcon CapturePicture()
{
    return drawn(drawEyedropper);
}

QIcon InformationPicture()
{
    return drawn(drawInformation, 32);
}
