#include "diagram/DiagramHitTest.h"
#include "diagram/DiagramLayout.h"
#include "support/TestMain.h"

class TestDiagramHitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outerPanel_data();
    void outerPanel();
    void arrowBox_data();
    void arrowBox();
};

void TestDiagramHitTest::outerPanel_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("element");
    QTest::newRow("thumb face") << QPointF(900, 2800) << 0;
    QTest::newRow("button face beside the arrow box") << QPointF(600, 600) << 0;
    QTest::newRow("over the arrow box: the arrow") << QPointF(900, 900) << 1;
    QTest::newRow("on the 3dlight band's left edge") << QPointF(180, 900) << -1;
    QTest::newRow("just inside it") << QPointF(181, 900) << 3;
    QTest::newRow("3dlight over darkshadow") << QPointF(1507, 250) << 3;
    QTest::newRow("shadow over 3dlight of a higher index") << QPointF(1357, 335) << 4;
    QTest::newRow("highlight corner") << QPointF(400, 335) << 2;
    QTest::newRow("track over darkshadow") << QPointF(1000, 4057) << 6;
    QTest::newRow("button shadow over darkshadow") << QPointF(1507, 1480) << 4;
    QTest::newRow("darkshadow alone") << QPointF(1600, 2800) << 5;
    QTest::newRow("blank margin") << QPointF(100, 2000) << -1;
    QTest::newRow("below the track") << QPointF(900, 4700) << -1;
}

void TestDiagramHitTest::outerPanel()
{
    QFETCH(QPointF, point);
    QFETCH(int, element);
    QCOMPARE(OuterHitTest(point, DiagramLayout::PanelShapes(), DiagramLayout::ArrowBox), element);
}

void TestDiagramHitTest::arrowBox_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("onArrow");
    QTest::newRow("top step") << QPointF(150, 50) << true;
    QTest::newRow("beside the top step") << QPointF(60, 50) << false;
    QTest::newRow("bottom step") << QPointF(10, 200) << true;
    QTest::newRow("bottom step's left edge") << QPointF(0, 200) << false;
    QTest::newRow("outside the box") << QPointF(-30, -30) << false;
}

void TestDiagramHitTest::arrowBox()
{
    QFETCH(QPointF, point);
    QFETCH(bool, onArrow);
    QCOMPARE(ArrowHitTest(point, DiagramLayout::ArrowShapes()), onArrow);
}

BARWRIGHT_TEST_MAIN(TestDiagramHitTest)
#include "tst_DiagramHitTest.moc"
