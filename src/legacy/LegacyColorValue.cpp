#include "LegacyColorValue.h"

#include "scheme/SchemeColors.h"

#include <QColor>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct SystemColor
{
    QStringView keyword;
    QStringView color;
};

// The system colour keywords with the values of the classic default desktop, whose grey buttons
// and scrollbars the pages that use them were made on.
constexpr SystemColor SystemColors[] = {
    {u"ActiveBorder", u"#C0C0C0"},
    {u"ActiveCaption", u"#000080"},
    {u"AppWorkspace", u"#808080"},
    {u"Background", u"#008080"},
    {u"ButtonFace", u"#C0C0C0"},
    {u"ButtonHighlight", u"#FFFFFF"},
    {u"ButtonShadow", u"#808080"},
    {u"ButtonText", u"#000000"},
    {u"CaptionText", u"#FFFFFF"},
    {u"GrayText", u"#808080"},
    {u"Highlight", u"#000080"},
    {u"HighlightText", u"#FFFFFF"},
    {u"InactiveBorder", u"#C0C0C0"},
    {u"InactiveCaption", u"#808080"},
    {u"InactiveCaptionText", u"#C0C0C0"},
    {u"InfoBackground", u"#FFFFE1"},
    {u"InfoText", u"#000000"},
    {u"Menu", u"#C0C0C0"},
    {u"MenuText", u"#000000"},
    {u"Scrollbar", u"#C0C0C0"},
    {u"ThreeDDarkShadow", u"#000000"},
    {u"ThreeDFace", u"#C0C0C0"},
    {u"ThreeDHighlight", u"#FFFFFF"},
    {u"ThreeDLightShadow", u"#C0C0C0"},
    {u"ThreeDShadow", u"#808080"},
    {u"Window", u"#FFFFFF"},
    {u"WindowFrame", u"#000000"},
    {u"WindowText", u"#000000"},
};

std::optional<QString> hexColor(QStringView digits)
{
    if (!std::all_of(digits.begin(), digits.end(), IsHexDigit))
        return std::nullopt;
    if (digits.size() == 6)
        return u'#' + digits.toString().toUpper();
    if (digits.size() == 3) {
        QString text(u"#"_s);
        for (QChar c : digits)
            text += QString(2, c.toUpper());
        return text;
    }
    return std::nullopt;
}

// One channel of rgb(): a number from 0 to 255 or a percentage, clamped to the range.
std::optional<int> channel(QStringView text)
{
    const bool percent = text.endsWith(u'%');
    bool ok = false;
    const double value = (percent ? text.chopped(1) : text).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double scaled = percent ? value * 255.0 / 100.0 : value;
    return int(std::lround(std::clamp(scaled, 0.0, 255.0)));
}

std::optional<QString> rgbColor(QStringView arguments)
{
    QString spaced = arguments.toString();
    spaced.replace(u',', u' ');
    const QStringList parts = spaced.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return std::nullopt;
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> value = channel(parts[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return ColorText(qRgb(values[0], values[1], values[2]));
}

std::optional<QString> namedColor(QStringView name)
{
    for (const SystemColor &system : SystemColors) {
        if (name.compare(system.keyword, Qt::CaseInsensitive) == 0)
            return system.color.toString();
    }
    const QColor color = QColor::fromString(name);
    if (!color.isValid() || color.alpha() != 255) // "transparent" is no scrollbar colour
        return std::nullopt;
    return ColorText(color.rgb());
}

} // namespace

std::optional<QString> LegacyColorText(QStringView value)
{
    const QStringView text = value.trimmed();
    if (text.startsWith(u'#'))
        return hexColor(text.sliced(1));
    if (text.startsWith(u"rgb(", Qt::CaseInsensitive) && text.endsWith(u')'))
        return rgbColor(text.sliced(4).chopped(1));
    if (!text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 128 && c.isLetter();
        })) {
        if (std::optional<QString> named = namedColor(text))
            return named;
    }
    return hexColor(text);
}
