#include "color/ColorValues.h"
#include "diagram/DiagramLayout.h"
#include "diagram/ScrollbarDiagram.h"
#include "support/TestMain.h"
#include "toolkit/Twips.h"

#include <QImage>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<int, 7> Defaults{0xC0C0C0, 0xFFFFFF, 0xFFFFFF, 0xC0C0C0,
                                      0x808080, 0x000000, 0xE0E0E0};

// The colour number shown at a point of the diagram panel's inner area, in twips.
int shownAt(ScrollbarDiagram &diagram, QPoint twips)
{
    const QImage image = diagram.grab().toImage();
    const QPoint pixel = diagram.pixelRect(QRect(twips, QSize(15, 15))).topLeft();
    return NumberFromColor(image.pixelColor(pixel));
}

// A point two pixels inside a rectangle's top left corner: clear of the one-pixel overlaps at
// band ends, and of the arrow box on the button's face.
QPoint insideCorner(const QRect &twips)
{
    return twips.topLeft() + QPoint(30, 30);
}

} // namespace

class TestScrollbarDiagram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paintingTheFaceRecoloursTheArrowBox();
    void everyRectangleShowsItsElement();
    void overlapsShowWhatThePointerFinds();
    void examplePanelCoversTheDrawing();
};

void TestScrollbarDiagram::paintingTheFaceRecoloursTheArrowBox()
{
    ScrollbarDiagram diagram(Defaults);
    diagram.PaintDiagramElement(u"#FF0000"_s, 0);
    QCOMPARE(diagram.DiagramElementColor(0), 255);
    QCOMPARE(diagram.arrowBox()->backColor(), 255);
    QCOMPARE(diagram.DiagramElementColor(1), 0xFFFFFF); // the arrow keeps its colour
    for (const DiagramShape &shape : diagram.shapes()) {
        if (shape.element == 0) {
            QCOMPARE(shape.fillColor, 255);
            QCOMPARE(shape.borderColor, 255);
        }
    }

    const auto before = diagram.shapes();
    diagram.PaintDiagramElement(u"#123456"_s, 7); // the base colour has no rectangles
    diagram.PaintDiagramElement(u"12345678"_s, 2); // an unreadable text paints nothing
    for (size_t i = 0; i < before.size(); ++i)
        QCOMPARE(diagram.shapes()[i].fillColor, before[i].fillColor);
}

void TestScrollbarDiagram::everyRectangleShowsItsElement()
{
    ScrollbarDiagram diagram(Defaults);
    // Distinct colours, so every rectangle must show its own element's.
    const std::array<int, 7> colors{0x0000C8, 0x00C800, 0xC80000, 0x00C8C8,
                                    0xC800C8, 0xC8C800, 0x646464};
    for (int element = 0; element < 7; ++element)
        diagram.paintElementColor(element, colors[size_t(element)]);

    for (const DiagramShape &shape : diagram.shapes())
        QCOMPARE(shownAt(diagram, insideCorner(shape.twips)), colors[size_t(shape.element)]);
    // The arrow's middle step, through the arrow box.
    const QImage box = diagram.arrowBox()->grab().toImage();
    const QPoint step = diagram.arrowBox()->pixelRect(QRect(120, 105, 15, 15)).topLeft();
    QCOMPARE(NumberFromColor(box.pixelColor(step)), colors[1]);
    QCOMPARE(NumberFromColor(
                 box.pixelColor(diagram.arrowBox()->pixelRect(QRect(15, 15, 15, 15)).topLeft())),
             colors[0]); // beside the arrow: the face
}

void TestScrollbarDiagram::overlapsShowWhatThePointerFinds()
{
    ScrollbarDiagram diagram(Defaults);
    const std::array<int, 7> colors{0x0000C8, 0x00C800, 0xC80000, 0x00C8C8,
                                    0xC800C8, 0xC8C800, 0x646464};
    for (int element = 0; element < 7; ++element)
        diagram.paintElementColor(element, colors[size_t(element)]);

    struct Overlap
    {
        QPoint twips;
        int element;
    };
    const Overlap overlaps[] = {
        {{1500, 240}, 3}, // 3dlight top band over the darkshadow
        {{1350, 330}, 4}, // shadow over the highlight
        {{1350, 1320}, 4}, // shadow right over shadow bottom
        {{1005, 4050}, 6}, // track over the thumb's darkshadow
        {{1500, 1470}, 4}, // the button's shadow band over the darkshadow
        {{1590, 1470}, 5}, // darkshadow only
    };
    for (const Overlap &overlap : overlaps)
        QCOMPARE(shownAt(diagram, overlap.twips), colors[size_t(overlap.element)]);

    // The outline lines are drawn over the bands in the window text colour.
    const int lineColor = NumberFromColor(diagram.palette().color(QPalette::WindowText));
    QCOMPARE(shownAt(diagram, {180, 900}), lineColor);
    QCOMPARE(shownAt(diagram, {900, 180}), lineColor);
    QCOMPARE(shownAt(diagram, {1650, 2000}), lineColor);
    // The blank margin shows the panel's background.
    QCOMPARE(shownAt(diagram, {90, 2000}), diagram.backColor());
}

void TestScrollbarDiagram::examplePanelCoversTheDrawing()
{
    ScrollbarDiagram diagram(Defaults);
    diagram.show();
    QVERIFY(!diagram.examplePanel()->isVisible());
    diagram.setExamplePanelShown(true);
    QVERIFY(diagram.examplePanel()->isVisible());
    QVERIFY(!diagram.arrowBox()->isVisible());
    QVERIFY(diagram.examplePanel()->geometry().contains(diagram.contentsRect()));
    QCOMPARE(shownAt(diagram, {900, 1800}), 0xFFFFFF);

    diagram.setExamplePanelShown(false);
    QVERIFY(diagram.arrowBox()->isVisible());
    QCOMPARE(shownAt(diagram, insideCorner(QRect(480, 1920, 885, 1875))), 0xC0C0C0);
}

BARWRIGHT_TEST_MAIN(TestScrollbarDiagram)
#include "tst_ScrollbarDiagram.moc"
