#include "color/ColorValues.h"
#include "diagram/DiagramHitTest.h"
#include "diagram/DiagramLayout.h"
#include "diagram/ScrollbarDiagram.h"
#include "scheme/SchemeTexts.h"
#include "support/TestMain.h"

#include <QImage>

using namespace Qt::StringLiterals;

namespace {

// Distinct colours, so every rectangle must show its own element's.
constexpr std::array<int, 7> Colors{0x0000C8, 0x00C800, 0xC80000, 0x00C8C8,
                                    0xC800C8, 0xC8C800, 0x646464};

// The colour number a panel shows at a point of its inner area, in twips.
int shownAt(ShapePanel *panel, QPoint twips)
{
    const QPoint pixel = panel->pixelRect(QRect(twips, QSize(15, 15))).topLeft();
    return NumberFromColor(panel->grab().toImage().pixelColor(pixel));
}

} // namespace

// The magnified scrollbar: which element the pointer finds, and what is drawn where.
class TestScrollbarDiagram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hitTest_data()
    {
        QTest::addColumn<bool>("arrowBox"); // a point of the arrow box, else of the panel
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<int>("element"); // in the arrow box: 1 on the arrow, else -1
        QTest::newRow("over the arrow box: the arrow") << false << QPointF(900, 900) << 1;
        QTest::newRow("on the 3dlight band's left edge") << false << QPointF(180, 900) << -1;
        QTest::newRow("just inside it") << false << QPointF(181, 900) << 3;
        QTest::newRow("3dlight over darkshadow") << false << QPointF(1507, 250) << 3;
        QTest::newRow("shadow over 3dlight") << false << QPointF(1357, 335) << 4;
        QTest::newRow("highlight corner") << false << QPointF(400, 335) << 2;
        QTest::newRow("track over darkshadow") << false << QPointF(1000, 4057) << 6;
        QTest::newRow("button shadow over darkshadow") << false << QPointF(1507, 1480) << 4;
        QTest::newRow("darkshadow alone") << false << QPointF(1600, 2800) << 5;
        QTest::newRow("arrow: bottom step") << true << QPointF(10, 200) << 1;
        QTest::newRow("arrow: bottom step's left edge") << true << QPointF(0, 200) << -1;
    }

    void hitTest()
    {
        QFETCH(bool, arrowBox);
        QFETCH(QPointF, point);
        QFETCH(int, element);
        if (arrowBox)
            QCOMPARE(ArrowHitTest(point, DiagramLayout::ArrowShapes()), element == 1);
        else
            QCOMPARE(OuterHitTest(point, DiagramLayout::PanelShapes(), DiagramLayout::ArrowBox),
                     element);
    }

    void drawingShowsWhatThePointerFindsOrTheExample()
    {
        ScrollbarDiagram diagram(Colors);
        for (const DiagramShape &shape : diagram.shapes()) // clear of overlaps at band ends
            QCOMPARE(shownAt(&diagram, shape.twips.topLeft() + QPoint(30, 30)),
                     Colors[size_t(shape.element)]);
        const QPoint overlaps[]
            = {{1500, 240}, {1350, 330}, {1350, 1320}, {1005, 4050}, {1500, 1470}, {1590, 1470}};
        for (const QPoint twips : overlaps) {
            const int element = OuterHitTest(twips + QPointF(7, 7), DiagramLayout::PanelShapes(),
                                             DiagramLayout::ArrowBox);
            QCOMPARE(shownAt(&diagram, twips), Colors[size_t(element)]);
        }
        QCOMPARE(shownAt(diagram.arrowBox(), {120, 105}), Colors[1]); // the arrow's middle step
        QCOMPARE(shownAt(diagram.arrowBox(), {15, 15}), Colors[0]); // beside the arrow: the face

        QCOMPARE(shownAt(&diagram, {90, 2000}), diagram.backColor()); // the blank margin

        // The example panel covers the whole drawing, the arrow box included.
        diagram.show();
        diagram.setExamplePanelShown(true);
        QVERIFY(diagram.examplePanel()->isVisible() && !diagram.arrowBox()->isVisible());
        QVERIFY(diagram.examplePanel()->geometry().contains(diagram.contentsRect()));
        QCOMPARE(shownAt(&diagram, {900, 1800}), 0xFFFFFF);
        diagram.setExamplePanelShown(false);
        QVERIFY(diagram.arrowBox()->isVisible());
        QCOMPARE(shownAt(&diagram, {900, 2800}), Colors[0]);
    }

    // The hover face under the pointer, the pressed face while pressed, and the face where
    // the state has none or the pointer is off the thumb.
    void thumbShowsTheFaceOfItsState()
    {
        ScrollbarDiagram diagram(Colors);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        const QPoint thumb = diagram.pixelRect(QRect(900, 2800, 15, 15)).topLeft();
        const QPoint track = diagram.pixelRect(QRect(900, 4300, 15, 15)).topLeft();
        const auto shown = [&diagram] {
            return shownAt(&diagram, {900, 2800});
        };
        diagram.paintElementColor(HoverIndex, 0x123456);
        for (const int pressed : {0x654321, -1}) {
            diagram.paintElementColor(PressedIndex, pressed);
            QTest::mouseMove(&diagram, track);
            QCOMPARE(shown(), Colors[0]);
            QTest::mouseMove(&diagram, thumb);
            QCOMPARE(shown(), 0x123456);
            QTest::mousePress(&diagram, Qt::LeftButton, {}, thumb);
            QCOMPARE(shown(), pressed == -1 ? Colors[0] : pressed);
            QTest::mouseRelease(&diagram, Qt::LeftButton, {}, thumb);
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&diagram, &leave);
            QCOMPARE(shown(), Colors[0]);
        }
    }

    void paintingAnElementRepaintsItsRectanglesOnly()
    {
        ScrollbarDiagram diagram(Colors);
        diagram.PaintDiagramElement(u"#FF0000"_s, 0);
        diagram.PaintDiagramElement(u"#123456"_s, 7); // the base colour has no rectangles
        diagram.PaintDiagramElement(u"12345678"_s, 2); // an unreadable text paints nothing
        for (const DiagramShape &shape : diagram.shapes()) {
            const int expected = shape.element == 0 ? 255 : Colors[size_t(shape.element)];
            QVERIFY(shape.fillColor == expected && shape.borderColor == expected);
        }
    }
};

BARWRIGHT_TEST_MAIN(TestScrollbarDiagram)
#include "tst_ScrollbarDiagram.moc"
