#include "ColorValues.h"

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

int hexDigitValue(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    // Lower-case letters read as their upper-case digits, so a pasted colour text shows as
    // the colour the style sheet receives.
    if (code >= u'a' && code <= u'f')
        return code - u'a' + 10;
    return int(code) - 55;
}

struct SystemColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour indices of the colour reference convention, as the desktop's palette
// shows them.
std::optional<SystemColor> systemColor(int index)
{
    constexpr auto A = QPalette::Active;
    constexpr auto I = QPalette::Inactive;
    switch (index) {
    case 0:
        return SystemColor {A, QPalette::Button}; // scroll bar
    case 1:
        return SystemColor {A, QPalette::Dark}; // desktop
    case 2:
        return SystemColor {A, QPalette::Highlight}; // active caption
    case 3:
        return SystemColor {I, QPalette::Highlight}; // inactive caption
    case 4:
        return SystemColor {A, QPalette::Window}; // menu
    case 5:
        return SystemColor {A, QPalette::Base}; // window
    case 6:
        return SystemColor {A, QPalette::Shadow}; // window frame
    case 7:
        return SystemColor {A, QPalette::WindowText}; // menu text
    case 8:
        return SystemColor {A, QPalette::Text}; // window text
    case 9:
        return SystemColor {A, QPalette::HighlightedText}; // caption text
    case 10:
        return SystemColor {A, QPalette::Button}; // active border
    case 11:
        return SystemColor {I, QPalette::Button}; // inactive border
    case 12:
        return SystemColor {A, QPalette::Mid}; // application workspace
    case 13:
        return SystemColor {A, QPalette::Highlight}; // highlight
    case 14:
        return SystemColor {A, QPalette::HighlightedText}; // highlight text
    case 15:
        return SystemColor {A, QPalette::Button}; // button face
    case 16:
        return SystemColor {A, QPalette::Dark}; // button shadow
    case 17:
        return SystemColor {QPalette::Disabled, QPalette::Text}; // grey text
    case 18:
        return SystemColor {A, QPalette::ButtonText}; // button text
    case 19:
        return SystemColor {I, QPalette::HighlightedText}; // inactive caption text
    case 20:
        return SystemColor {A, QPalette::Light}; // button highlight
    case 21:
        return SystemColor {A, QPalette::Shadow}; // 3D dark shadow
    case 22:
        return SystemColor {A, QPalette::Midlight}; // 3D light
    case 23:
        return SystemColor {A, QPalette::ToolTipText}; // info text
    case 24:
        return SystemColor {A, QPalette::ToolTipBase}; // info background
    case 26:
        return SystemColor {A, QPalette::Link}; // hot-tracked item
    case 27:
        return SystemColor {A, QPalette::Highlight}; // active caption gradient
    case 28:
        return SystemColor {I, QPalette::Highlight}; // inactive caption gradient
    case 29:
        return SystemColor {A, QPalette::Highlight}; // menu highlight
    case 30:
        return SystemColor {A, QPalette::Window}; // menu bar
    default:
        return std::nullopt;
    }
}

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
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    if (first == end)
        return 0;

    qint64 total = 0;
    qint64 weight = 1;
    for (qsizetype i = end - 1; i >= first; --i) {
        const qint64 part = hexDigitValue(text.at(i)) * weight;
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
        const std::optional<SystemColor> system = systemColor(int(value & 0xFF));
        if (!system)
            return 0;
        return NumberFromColor(QGuiApplication::palette().color(system->group, system->role));
    }
    switch (value >> 24) {
    case 0x00: // a plain colour
    case 0x02: // a colour matched in the palette: its colour part is plain
        return int(value & 0xFFFFFF);
    default:
        return 0;
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
