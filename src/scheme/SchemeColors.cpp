#include "SchemeColors.h"

#include <QColor>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int ColorTextLength = 7;

double linearChannel(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(QRgb color)
{
    return 0.2126 * linearChannel(qRed(color)) + 0.7152 * linearChannel(qGreen(color))
        + 0.0722 * linearChannel(qBlue(color));
}

// Each channel through `f`.
template<typename F> QRgb perChannel(QRgb color, F f)
{
    return qRgb(f(qRed(color)), f(qGreen(color)), f(qBlue(color)));
}

bool usedByMode(const SchemeTexts &scheme, int index)
{
    return scheme.baseColor ? index == BaseColorIndex : index != BaseColorIndex;
}

// The colour with the hue and saturation of `hueOf` and the given lightness, 0 to 1.
QRgb withLightness(QRgb hueOf, float lightness)
{
    const QColor color(hueOf);
    // Greys have no hue (-1); any hue will do for them.
    return QColor::fromHslF(std::max(color.hslHueF(), 0.0f), color.hslSaturationF(),
                            std::clamp(lightness, 0.0f, 1.0f))
        .rgb();
}

float lightnessOf(QRgb color)
{
    return QColor(color).lightnessF();
}

} // namespace

bool IsHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
}

std::optional<QRgb> ParseColorText(const QString &text)
{
    if (text.size() != ColorTextLength || !text.startsWith(u'#'))
        return std::nullopt;
    const QStringView digits = QStringView(text).mid(1);
    if (!std::all_of(digits.begin(), digits.end(), IsHexDigit))
        return std::nullopt;
    return qRgb(text.mid(1, 2).toInt(nullptr, 16), text.mid(3, 2).toInt(nullptr, 16),
                text.mid(5, 2).toInt(nullptr, 16));
}

QString ColorText(QRgb color)
{
    return QString::asprintf("#%02X%02X%02X", qRed(color), qGreen(color), qBlue(color));
}

SchemeColors DeriveFromBase(QRgb base)
{
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    SchemeColors colors;
    colors.rgb[FaceElement] = base;
    colors.rgb[Light3DElement] = base;
    colors.rgb[HighlightElement] = white;
    // Two thirds never fall on a half; halfway to white rounds halves up.
    colors.rgb[ShadowElement] = perChannel(base, [](int c) { return (2 * c + 1) / 3; });
    colors.rgb[DarkShadowElement] = black;
    colors.rgb[TrackElement] = perChannel(base, [](int c) { return (c + 256) / 2; });
    colors.rgb[ArrowElement]
        = ContrastRatio(base, black) >= ContrastRatio(base, white) ? black : white;
    colors.states.fill(base);
    return colors;
}

bool IsNoStateText(const QString &text)
{
    return text.isEmpty() || text == u"#";
}

std::optional<int> FirstIncompleteColor(const SchemeTexts &scheme)
{
    for (int i = 0; i < EntryCount; ++i) {
        if (usedByMode(scheme, i) && !ParseColorText(scheme.texts[size_t(i)]))
            return i;
    }
    for (int state = 0; state < StateCount; ++state) {
        const QString &text = scheme.states[size_t(state)];
        if (!IsNoStateText(text) && !ParseColorText(text))
            return EntryCount + state;
    }
    return std::nullopt;
}

std::optional<IncompleteColor> FirstIncompleteColor(const SchemeVariants &scheme)
{
    if (const std::optional<int> index = FirstIncompleteColor(scheme.light))
        return IncompleteColor{false, *index};
    if (scheme.dark) {
        if (const std::optional<int> index = FirstIncompleteColor(*scheme.dark))
            return IncompleteColor{true, *index};
    }
    return std::nullopt;
}

std::optional<SchemeTexts> DeriveDarkVariant(const SchemeTexts &light)
{
    const std::optional<SchemeColors> colors = ResolveSchemeColors(light);
    if (!colors)
        return std::nullopt;
    const QRgb face = (*colors)[FaceElement];
    const float darkFace = std::clamp(1.0f - lightnessOf(face), 0.22f, 0.30f);
    const float darkTrack
        = std::min({1.0f - lightnessOf((*colors)[TrackElement]), 0.15f, darkFace - 0.08f});
    const QRgb arrow = (*colors)[ArrowElement];
    const float arrowLightness = lightnessOf(arrow);

    std::array<QRgb, ElementCount> dark{};
    dark[FaceElement] = withLightness(face, darkFace);
    dark[TrackElement] = withLightness((*colors)[TrackElement], darkTrack);
    dark[ArrowElement]
        = withLightness(arrow, std::max({arrowLightness, 1.0f - arrowLightness, 0.85f}));
    dark[HighlightElement] = withLightness(face, darkFace + 0.25f);
    dark[Light3DElement] = withLightness(face, darkFace + 0.12f);
    dark[ShadowElement] = withLightness(face, darkFace - 0.10f);
    dark[DarkShadowElement] = withLightness(face, darkFace - 0.20f);

    SchemeTexts variant;
    variant.texts[BaseColorIndex] = u"#"_s;
    for (int i = 0; i < ElementCount; ++i)
        variant.texts[size_t(i)] = ColorText(dark[size_t(i)]);
    for (int state = 0; state < StateCount; ++state) {
        const QRgb shown = colors->states[size_t(state)];
        // A light state darker than the face turns lighter than the dark face, and back.
        variant.states[size_t(state)] = IsNoStateText(light.states[size_t(state)])
            ? u"#"_s
            : ColorText(withLightness(shown, darkFace + lightnessOf(face) - lightnessOf(shown)));
    }
    return variant;
}

std::optional<SchemeColors> ResolveSchemeColors(const SchemeTexts &scheme)
{
    if (FirstIncompleteColor(scheme))
        return std::nullopt;
    SchemeColors colors;
    if (scheme.baseColor) {
        colors = DeriveFromBase(*ParseColorText(scheme.texts[BaseColorIndex]));
    } else {
        for (int i = 0; i < ElementCount; ++i)
            colors.rgb[size_t(i)] = *ParseColorText(scheme.texts[size_t(i)]);
    }
    for (int state = 0; state < StateCount; ++state)
        colors.states[size_t(state)]
            = ParseColorText(scheme.states[size_t(state)]).value_or(colors[FaceElement]);
    return colors;
}

double ContrastRatio(QRgb first, QRgb second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
