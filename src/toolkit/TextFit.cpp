#include "TextFit.h"

#include <QFontMetrics>
#include <QLabel>

void CondenseToFit(QLabel *label)
{
    const int room = label->contentsRect().width();
    if (label->fontMetrics().horizontalAdvance(label->text()) <= room)
        return;
    // Font families come in a few standard widths, and the nearest one is picked; each try
    // loads a font, so only those widths are tried.
    QFont font = label->font();
    for (const int stretch : {QFont::SemiCondensed, QFont::Condensed, QFont::ExtraCondensed}) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
            break;
    }
    label->setFont(font);
}
