#include "ColorValues.h"

#include "toolkit/Blanks.h"

#include <QGuiApplication>
#include <QPalette>

#include <limits>

namespace {

constexpr qint64 Int32Min = std::numeric_limits<qint32>::min();
constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();

bool fitsInt32(qint64 value)
{
    return value >= Int32Min && value <= Int32Max;
}

QString twoHexDigits(int component)
{
    return QString::number(component, 16).toUpper().rightJustified(2, u'0');
}

// Nothing for a character outside Latin-1: it has no single-byte code to count with.
std::optional<int> hexDigitValue(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    // Lower-case letters read as their upper-case digits, so a pasted colour text shows as
    // the colour the style sheet receives.
    if (code >= u'a' && code <= u'f')
        return code - u'a' + 10;
    if (code > 0xFF)
        return std::nullopt;
    return int(code) - 55;
}

struct SystemColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr auto Active = QPalette::Active;
constexpr auto Inactive = QPalette::Inactive;

// The system colour indices of the colour reference convention, as the desktop's palette shows
// them. Index 25 names no colour.
constexpr std::optional<SystemColor> SystemColors[] = {
    SystemColor{Active, QPalette::Button}, // scroll bar
    SystemColor{Active, QPalette::Dark}, // desktop
    SystemColor{Active, QPalette::Highlight}, // active caption
    SystemColor{Inactive, QPalette::Highlight}, // inactive caption
    SystemColor{Active, QPalette::Window}, // menu
    SystemColor{Active, QPalette::Base}, // window
    SystemColor{Active, QPalette::Shadow}, // window frame
    SystemColor{Active, QPalette::WindowText}, // menu text
    SystemColor{Active, QPalette::Text}, // window text
    SystemColor{Active, QPalette::HighlightedText}, // caption text
    SystemColor{Active, QPalette::Button}, // active border
    SystemColor{Inactive, QPalette::Button}, // inactive border
    SystemColor{Active, QPalette::Mid}, // application workspace
    SystemColor{Active, QPalette::Highlight}, // highlight
    SystemColor{Active, QPalette::HighlightedText}, // highlight text
    SystemColor{Active, QPalette::Button}, // button face
    SystemColor{Active, QPalette::Dark}, // button shadow
    SystemColor{QPalette::Disabled, QPalette::Text}, // grey text
    SystemColor{Active, QPalette::ButtonText}, // button text
    SystemColor{Inactive, QPalette::HighlightedText}, // inactive caption text
    SystemColor{Active, QPalette::Light}, // button highlight
    SystemColor{Active, QPalette::Shadow}, // 3D dark shadow
    SystemColor{Active, QPalette::Midlight}, // 3D light
    SystemColor{Active, QPalette::ToolTipText}, // info text
    SystemColor{Active, QPalette::ToolTipBase}, // info background
    std::nullopt,
    SystemColor{Active, QPalette::Link}, // hot-tracked item
    SystemColor{Active, QPalette::Highlight}, // active caption gradient
    SystemColor{Inactive, QPalette::Highlight}, // inactive caption gradient
    SystemColor{Active, QPalette::Highlight}, // menu highlight
    SystemColor{Active, QPalette::Window}, // menu bar
};

} // namespace

QString ColorToHex(int color)
{
    const int red = color & 0xFF;
    const int green = (color >> 8) & 0xFF;
    const int blue = (color >> 16) & 0xFF;
    return u'#' + twoHexDigits(red) + twoHexDigits(green) + twoHexDigits(blue);
}

std::optional<qint32> HexToNumber(const QString &text)
{
    const QString digits = TrimBlanks(text);
    qint64 total = 0;
    qint64 weight = 1;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const std::optional<int> digit = hexDigitValue(digits.at(i));
        if (!digit)
            return std::nullopt;
        const qint64 part = *digit * weight;
        total += part;
        weight *= 16;
        if (!fitsInt32(part) || !fitsInt32(total) || !fitsInt32(weight))
            return std::nullopt;
    }
    return qint32(total);
}

int HexToColor(const QString &text)
{
    const std::optional<qint32> number = HexToNumber(text);
    if (!number)
        return -1;
    const int red = (*number >> 16) & 0xFF;
    const int green = (*number >> 8) & 0xFF;
    const int blue = *number & 0xFF;
    return red + green * 256 + blue * 65536;
}

int TranslateColor(int color)
{
    const quint32 value = quint32(color);
    if (value & 0x80000000u) {
        const quint32 index = value & 0xFF;
        if (index >= std::size(SystemColors) || !SystemColors[index])
            return 0;
        const SystemColor *system = &*SystemColors[index];
        return NumberFromColor(QGuiApplication::palette().color(system->group, system->role));
    }
    switch (value >> 24) {
    case 0x00: // a plain colour
    case 0x02: // a colour matched in the palette: its colour part is plain
        return int(value & 0xFFFFFF);
    default: return 0;
    }
}

char16_t FilterHexKey(char16_t &code)
{
    if ((code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'F') || code == 8)
        return code;
    if (code >= u'a' && code <= u'f')
        return code = char16_t(code - u'a' + u'A');
    return code = 0;
}

bool IsAcceptableColorEntry(const QString &text)
{
    if (text.size() != 7)
        return false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        char16_t code = text.at(i).unicode();
        // Backspace passes the key filter but is no digit.
        if (code == 8 || FilterHexKey(code) == 0)
            return false;
    }
    return HexToNumber(text).has_value();
}

QColor ColorFromNumber(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int NumberFromColor(const QColor &color)
{
    return color.red() + color.green() * 256 + color.blue() * 65536;
}
