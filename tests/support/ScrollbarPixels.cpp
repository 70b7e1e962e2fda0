#include "ScrollbarPixels.h"

#include <QColor>

#include <set>

using namespace Qt::StringLiterals;

namespace {

std::set<QRgb> colorsIn(const QImage &shot, const QRect &area)
{
    std::set<QRgb> seen;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            seen.insert(shot.pixel(x, y) & 0xFFFFFF);
    }
    return seen;
}

} // namespace

QStringList BevelFaults(const QImage &shot, const QRect &bar, const SchemeColors &colors)
{
    QStringList faults;
    const int w = bar.width();
    const auto expect = [&](int x, int y, ElementIndex element, const char *what) {
        const QRgb seen = shot.pixel(bar.left() + x, bar.top() + y);
        if ((seen & 0xFFFFFF) != (colors[element] & 0xFFFFFF))
            faults << u"%1 at %2,%3 is %4"_s.arg(QLatin1StringView(what))
                          .arg(bar.left() + x)
                          .arg(bar.top() + y)
                          .arg(QColor(seen).name());
    };
    expect(0, w / 2, Light3DElement, "3dlight, left edge");
    expect(1, w / 2, HighlightElement, "highlight, left edge");
    expect(2, 0, Light3DElement, "3dlight, top edge");
    expect(2, 1, HighlightElement, "highlight, top edge");
    expect(2, w / 2, FaceElement, "face");
    expect(w - 1, w / 2, DarkShadowElement, "darkshadow, right edge");
    expect(w - 2, w / 2, ShadowElement, "shadow, right edge");
    expect(2, w - 1, DarkShadowElement, "darkshadow, bottom edge");
    expect(2, w - 2, ShadowElement, "shadow, bottom edge");

    const QRect button(bar.left() + 2, bar.top() + 2, w - 4, w - 4);
    if (!colorsIn(shot, button).contains(colors[ArrowElement] & 0xFFFFFF))
        faults << u"no arrow in the button"_s;
    faults << TwoColorFaults(shot, {bar.left() + w / 2, bar.top() + w, 1, bar.height() - 2 * w},
                             colors);
    return faults;
}

QStringList TwoColorFaults(const QImage &shot, const QRect &area, const SchemeColors &colors)
{
    const std::set<QRgb> seen = colorsIn(shot, area);
    QStringList faults;
    if (!seen.contains(colors[FaceElement] & 0xFFFFFF))
        faults << u"no face-coloured thumb"_s;
    if (!seen.contains(colors[TrackElement] & 0xFFFFFF))
        faults << u"no track colour"_s;
    return faults;
}
