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

// The colour of `hueOf`'s hue and saturation whose relative luminance is nearest `luminance`
// on the side asked for: at least it, or at most it. Luminance grows with HSL lightness, so
// halving the range finds it; the test is on the rounded colour, so the bound holds.
QRgb withLuminance(QRgb hueOf, double luminance, bool atLeast)
{
    float low = 0.0f, high = 1.0f;
    for (int step = 0; step < 24; ++step) {
        const float middle = (low + high) / 2;
        (relativeLuminance(withLightness(hueOf, middle)) < luminance ? low : high) = middle;
    }
    return withLightness(hueOf, atLeast ? high : low);
}

// Light turned dark: the luminance whose contrast with black is that of `luminance` with
// white. Contrast ratios between two colours are kept, the lighter becoming the darker.
double mirrored(double luminance)
{
    return 0.0525 / (luminance + 0.05) - 0.05;
}

// The luminance at the least non-text contrast above or below `luminance`.
double contrastAbove(double luminance)
{
    return NonTextContrastMinimum * (luminance + 0.05) - 0.05;
}

double contrastBelow(double luminance)
{
    return (luminance + 0.05) / NonTextContrastMinimum - 0.05;
}

// The dark face's luminance range: light enough for 3:1 over a track that is still a colour,
// dark enough for 3:1 under arrows that are not all white.
constexpr double DarkFaceLowest = 0.12;
constexpr double DarkFaceHighest = 0.18;

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
    const QRgb track = (*colors)[TrackElement];
    const QRgb arrow = (*colors)[ArrowElement];
    const double lightFace = relativeLuminance(face);
    const QRgb darkFaceColor = withLuminance(
        face, std::clamp(mirrored(lightFace), DarkFaceLowest, DarkFaceHighest), true);
    const double darkFace = relativeLuminance(darkFaceColor);
    // A state the light variant sets keeps its contrast step from the face, turned round: a
    // light state darker than the face turns lighter than the dark face, and back. The track
    // lies 3:1 under the darkest of them.
    std::array<double, StateCount> darkStates{};
    double darkest = darkFace;
    for (int state = 0; state < StateCount; ++state) {
        const double step
            = (lightFace + 0.05) / (relativeLuminance(colors->states[size_t(state)]) + 0.05);
        darkStates[size_t(state)]
            = std::clamp((darkFace + 0.05) * step - 0.05, contrastAbove(0.0), 1.0);
        if (!IsNoStateText(light.states[size_t(state)]))
            darkest = std::min(darkest, darkStates[size_t(state)]);
    }
    const double darkTrack
        = std::max(0.0, std::min(mirrored(relativeLuminance(track)), contrastBelow(darkest)));
    const double arrowLuminance = relativeLuminance(arrow);
    const float faceLightness = lightnessOf(darkFaceColor);

    std::array<QRgb, ElementCount> dark{};
    dark[FaceElement] = darkFaceColor;
    dark[TrackElement] = withLuminance(track, darkTrack, false);
    dark[ArrowElement] = withLuminance(
        arrow, std::max({arrowLuminance, mirrored(arrowLuminance), contrastAbove(darkFace)}), true);
    dark[HighlightElement] = withLightness(face, faceLightness + 0.25f);
    dark[Light3DElement] = withLightness(face, faceLightness + 0.12f);
    dark[ShadowElement] = withLightness(face, faceLightness - 0.10f);
    dark[DarkShadowElement] = withLightness(face, faceLightness - 0.20f);

    SchemeTexts variant;
    variant.texts[BaseColorIndex] = u"#"_s;
    for (int i = 0; i < ElementCount; ++i)
        variant.texts[size_t(i)] = ColorText(dark[size_t(i)]);
    for (int state = 0; state < StateCount; ++state) {
        variant.states[size_t(state)] = IsNoStateText(light.states[size_t(state)])
            ? u"#"_s
            : ColorText(
                withLuminance(colors->states[size_t(state)], darkStates[size_t(state)], true));
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
