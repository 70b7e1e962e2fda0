#include "support/ProgramProcess.h"
#include "support/TestMain.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>

using namespace Qt::StringLiterals;

// Starts the real program on a real X server and reads its diagram off the screen.
class TestStartupScreenshot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void diagramShowsTheDefaultColours();
};

void TestStartupScreenshot::diagramShowsTheDefaultColours()
{
    // Qt's own options change nothing: the window still comes up on this X server.
    ProgramProcess program;
    QVERIFY(program.start({}, ProgramProcess::programPath(),
                          {u"-platform"_s, u"offscreen"_s, u"-reverse"_s}));
    const QString id = program.waitForWindow(u"Barwright"_s);
    QVERIFY2(!id.isEmpty(), "the main window did not appear");
    const QRect window = program.geometry(id);
    QVERIFY(window.isValid());
    QTest::qWait(300); // let it paint

    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, window.x(), window.y(), window.width(), window.height())
                            .toImage();
    // The client area below the menu bar is 5850 by 5280 twips; the diagram panel stands at
    // 90, 90 in it, and its 2-pixel frame surrounds the drawing.
    const QPoint drawing(6 + 2, window.height() - 352 + 6 + 2);

    struct Probe
    {
        const char *element;
        int x, y;
        QRgb color;
    };
    const Probe probes[] = {
        {"face (button)", 510, 510, qRgb(0xC0, 0xC0, 0xC0)},
        {"face (thumb)", 900, 2800, qRgb(0xC0, 0xC0, 0xC0)},
        {"arrow", 780 + 15 + 130, 780 + 15 + 130, qRgb(0xFF, 0xFF, 0xFF)},
        {"highlight", 400, 1000, qRgb(0xFF, 0xFF, 0xFF)},
        {"highlight (thumb top)", 900, 1830, qRgb(0xFF, 0xFF, 0xFF)},
        {"3dlight", 250, 900, qRgb(0xC0, 0xC0, 0xC0)},
        {"3dlight (thumb top)", 900, 1680, qRgb(0xC0, 0xC0, 0xC0)},
        {"shadow", 1420, 900, qRgb(0x80, 0x80, 0x80)},
        {"shadow (thumb bottom)", 900, 3840, qRgb(0x80, 0x80, 0x80)},
        {"darkshadow", 1590, 2800, qRgb(0x00, 0x00, 0x00)},
        {"darkshadow (button bottom)", 900, 1530, qRgb(0x00, 0x00, 0x00)},
        {"track", 900, 4300, qRgb(0xE0, 0xE0, 0xE0)},
    };
    for (const Probe &probe : probes) {
        const QPoint pixel = drawing + QPoint(probe.x / 15, probe.y / 15);
        QVERIFY2(shot.pixel(pixel) == probe.color,
                 qPrintable(u"%1 at %2,%3 shows #%4"_s.arg(QLatin1StringView(probe.element))
                                .arg(pixel.x())
                                .arg(pixel.y())
                                .arg(shot.pixel(pixel) & 0xFFFFFF, 6, 16, QChar(u'0'))));
    }
}

BARWRIGHT_TEST_MAIN(TestStartupScreenshot)
#include "tst_StartupScreenshot.moc"
