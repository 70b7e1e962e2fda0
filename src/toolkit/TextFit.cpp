#include "TextFit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include <functional>

namespace {

// Font families come in a few standard widths, and the nearest one is picked; each try loads
// a font, so only those widths are tried.
void condense(QWidget *widget, const std::function<bool(const QFontMetrics &)> &fits)
{
    QFont font = widget->font();
    if (fits(QFontMetrics(font)))
        return;
    for (const int stretch : {QFont::SemiCondensed, QFont::Condensed, QFont::ExtraCondensed}) {
        font.setStretch(stretch);
        if (fits(QFontMetrics(font)))
            break;
    }
    widget->setFont(font);
}

} // namespace

void CondenseToFit(QLabel *label)
{
    const QRect room = label->contentsRect();
    const QString text = label->text();
    if (label->wordWrap()) {
        condense(label, [&](const QFontMetrics &metrics) {
            return metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height();
        });
    } else {
        condense(label, [&](const QFontMetrics &metrics) {
            return metrics.horizontalAdvance(text) <= room.width();
        });
    }
}

void CondenseToFit(QCheckBox *box)
{
    const QStyle *style = box->style();
    const int room = box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box)
        - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    const QString text = box->text();
    condense(box,
             [&](const QFontMetrics &metrics) { return metrics.horizontalAdvance(text) <= room; });
}
