#include "ShapePanel.h"

#include "color/ColorValues.h"
#include "toolkit/Twips.h"

#include <QPaintEvent>
#include <QPainter>

#include <ranges>

ShapePanel::ShapePanel(std::vector<DiagramShape> shapes, QWidget *parent)
    : QFrame(parent)
    , m_shapes(std::move(shapes))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapePanel::setLines(std::vector<DiagramLine> lines)
{
    m_lines = std::move(lines);
    update();
}

void ShapePanel::setBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void ShapePanel::setElementColor(int element, int color)
{
    for (DiagramShape &shape : m_shapes) {
        if (shape.element != element)
            continue;
        shape.fillColor = color;
        shape.borderColor = color;
        update(pixelRect(shape.twips));
    }
}

void ShapePanel::setShapeColor(int element, int index, int color)
{
    for (DiagramShape &shape : m_shapes) {
        if (shape.element != element || shape.index != index || shape.fillColor == color)
            continue;
        shape.fillColor = color;
        shape.borderColor = color;
        update(pixelRect(shape.twips));
    }
}

QRect ShapePanel::pixelRect(const QRect &twips) const
{
    return twipsRect(twips).translated(contentsRect().topLeft());
}

void ShapePanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(contentsRect(), ColorFromNumber(m_backColor));

    for (const DiagramShape &shape : std::views::reverse(m_shapes)) {
        const QRect r = pixelRect(shape.twips);
        painter.fillRect(r, ColorFromNumber(shape.fillColor));
        painter.setPen(ColorFromNumber(shape.borderColor));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }

    painter.setPen(palette().color(QPalette::WindowText));
    const QPoint origin = contentsRect().topLeft();
    for (const DiagramLine &line : m_lines) {
        painter.drawLine(origin
                             + QPoint(twipsToPixels(line.from.x()), twipsToPixels(line.from.y())),
                         origin + QPoint(twipsToPixels(line.to.x()), twipsToPixels(line.to.y())));
    }
    painter.end();

    QFrame::paintEvent(event); // the frame, over the edge of the inner area
}
