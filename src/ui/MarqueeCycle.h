#pragma once

#include <QPoint>
#include <QString>

class QFontMetrics;
class QSize;

// The advertisement that runs through the status bar, and how far it has come: each tick
// reveals one more character of the text, and each pass of the whole text runs in the next
// colour of blue, red and yellow.
class MarqueeCycle
{
public:
    // Colour numbers, red in the low byte.
    static constexpr int Blue = 0xFF0000;
    static constexpr int Red = 0x0000FF;
    static constexpr int Yellow = 0x00FFFF;

    // The sentence followed by blanks, so the sentence leaves the strip before a pass ends.
    static QString text();
    static int nextColor(int color);

    // Characters revealed so far, 0 at the start of a pass.
    int counter() const { return m_counter; }
    int textColor() const { return m_textColor; }
    // The first counter() characters of the text.
    QString revealed() const;

    // Reveals one more character. After the last one the pass ends: the counter starts again
    // from 0 in the next colour, and the result is true.
    bool advance();

private:
    int m_counter = 0;
    int m_textColor = Blue;
};

// Where the whole text is drawn on a strip of the given size so that the revealed part ends
// at the strip's right edge, vertically centred.
QPoint MarqueeTextOrigin(const QFontMetrics &metrics, const QSize &strip, const QString &revealed);
