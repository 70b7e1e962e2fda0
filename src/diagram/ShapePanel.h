#pragma once

#include "DiagramShape.h"

#include <QFrame>

#include <vector>

// A framed panel painted with filled rectangles and outline lines given in twips. Where two
// rectangles overlap, the one earlier in the list is drawn on top.
class ShapePanel : public QFrame
{
    Q_OBJECT

public:
    explicit ShapePanel(std::vector<DiagramShape> shapes, QWidget *parent = nullptr);

    const std::vector<DiagramShape> &shapes() const { return m_shapes; }
    void setLines(std::vector<DiagramLine> lines);

    void setBackColor(int color);
    int backColor() const { return m_backColor; }

    // Gives every rectangle of an element, in index order, this fill and border colour.
    void setElementColor(int element, int color);
    // Gives one rectangle of an element this fill and border colour.
    void setShapeColor(int element, int index, int color);

    // Pixel geometry of a twips rectangle of the inner area, in widget coordinates.
    QRect pixelRect(const QRect &twips) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<DiagramShape> m_shapes;
    std::vector<DiagramLine> m_lines;
    int m_backColor = 0xFFFFFF;
};
