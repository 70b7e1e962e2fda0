// Prints the mean time to make the modern sheet for a scheme with a dark variant, in
// microseconds.
#include "output/ModernStyleSheet.h"

#include <QElapsedTimer>

#include <cstdio>

int main()
{
    SheetColors colors{DeriveFromBase(qRgb(0x40, 0x80, 0xC0)),
                       DeriveFromBase(qRgb(0x20, 0x24, 0x30))};
    constexpr int Runs = 2000;
    qsizetype total = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Runs; ++i) {
        colors.light.rgb[FaceElement] = qRgb(i & 0xFF, 0x80, 0xC0); // no two runs alike
        total += BuildModernStyleSheet(colors, {QStringLiteral(".sidebar, #menu"), 8 + i % 25})
                     .size();
    }
    const double micro = double(timer.nsecsElapsed()) / 1000.0 / Runs;
    std::printf("modern sheet: %.1f us per sheet (%lld characters made)\n", micro,
                static_cast<long long>(total));
    return 0;
}
