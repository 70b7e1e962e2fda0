#pragma once

#include <QRect>
#include <QString>

// One filled rectangle of the scrollbar diagram. Geometry is in twips, relative to the inner
// area of its container; fill and border are colour numbers.
struct DiagramShape
{
    QString group; // "Shape1" to "Shape7"
    int index = 0;
    int element = 0; // the scheme element it shows
    QRect twips;
    int fillColor = 0;
    int borderColor = 0;

    QString name() const { return group + u'_' + QString::number(index); }
};

struct DiagramLine
{
    QString name;
    QPoint from; // twips
    QPoint to;
};
