#include "TextFit.h"

#include <QFontMetrics>
#include <QLabel>


void CondenseToFit(QLabel *label)
{
    const int room = label->contentsRect().width();
    QFont font = label->font();
    // The font database offers a few widths of a family and picks the nearest one, so a
    // stretch is tried until a narrower face (or a synthetic one) fits.
    for (int stretch = 100; stretch >= QFont::ExtraCondensed; stretch -= 4) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
            break;
    }
    if (font.stretch() != 100)
        label->setFont(font);
}
