#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Colour text is "#" and six hexadecimal digits, red pair first. A colour number is a 32-bit
// value with red in the low byte, then green, then blue; -1 means "no colour", and values with
// the top bit set refer to a system colour.

// Colour text of a colour number; only the three low bytes count.
QString ColorToHex(int color);

// Reads a text of hexadecimal digits as a signed 32-bit number, the last character weighing
// 1; a character that is not a digit counts with its single-byte (Latin-1) code less 55.
// Returns nothing for a character outside Latin-1, and when the value or the digit weight
// leaves the 32-bit range, as for any text of 8 or more characters.
std::optional<qint32> HexToNumber(const QString &text);

// Colour number of a colour text, or -1 when the text cannot be read.
int HexToColor(const QString &text);

// A plain colour number for a colour number or a system colour reference; 0 when the value
// names no colour.
int TranslateColor(int color);

// Key filter of colour entry boxes: hexadecimal digits pass in upper case, Backspace passes,
// everything else is swallowed (0). The result is also written back into `code`.
char16_t FilterHexKey(char16_t &code);

// Whether a complete (7-character) entry can stand as a colour: every character after the
// first is a hexadecimal digit in either case, and the text reads as a number.
bool IsAcceptableColorEntry(const QString &text);

QColor ColorFromNumber(int color);
int NumberFromColor(const QColor &color);
