#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "ui/MainStatusBar.h"
#include "ui/Marquee.h"
#include "ui/MarqueeStrip.h"
#include "ui/StatusPanel.h"
#include "ui/WebAddresses.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestStatusBarMarquee : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void passesRunBlueRedYellow();
    void textEndsAtTheRightEdgeCentred();
    void firstTickShowsTheEmptyStrip();
    void aPassReadsCleanly();
    void pointerIsACrossStrictlyInsideTheMarquee_data();
    void pointerIsACrossStrictlyInsideTheMarquee();
    void onlyTheMarqueePanelOpensTheSite();

private:
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            m_marquee->tick();
    }
    MainStatusBar *statusBar() const
    {
        return qobject_cast<MainStatusBar *>(m_fixture->window->statusBar());
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    Marquee *m_marquee = nullptr;
};

void TestStatusBarMarquee::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
    m_marquee = m_fixture->window->findChild<Marquee *>();
    QVERIFY(m_marquee);
    // The timer runs from start-up; the test ticks by hand from here on.
    QCOMPARE(m_marquee->timer()->objectName(), u"Timer1"_s);
    QVERIFY(m_marquee->timer()->isActive());
    QCOMPARE(m_marquee->timer()->interval(), 45);
    m_marquee->timer()->stop();
}

void TestStatusBarMarquee::cleanup()
{
    m_fixture.reset();
}

void TestStatusBarMarquee::passesRunBlueRedYellow()
{
    MarqueeCycle cycle;
    QCOMPARE(MarqueeCycle::text().size(), 111);
    QVERIFY(MarqueeCycle::text().startsWith(u"Click here for awesome web site templates. "_s));
    QCOMPARE(cycle.revealed(), QString());
    QList<int> colors;
    int passes = 0;
    for (int tick = 1; tick <= 333; ++tick) {
        passes += cycle.advance();
        if (tick == 3)
            QCOMPARE(cycle.revealed(), u"Cli"_s);
        if (tick % 111 == 0) {
            QCOMPARE(cycle.counter(), 0);
            colors << cycle.textColor();
        }
    }
    QCOMPARE(passes, 3);
    QCOMPARE(colors, (QList<int>{MarqueeCycle::Red, MarqueeCycle::Yellow, MarqueeCycle::Blue}));
    QCOMPARE(MarqueeCycle::nextColor(0x123456), MarqueeCycle::Blue);
}

void TestStatusBarMarquee::textEndsAtTheRightEdgeCentred()
{
    const QFontMetrics metrics(QApplication::font());
    const QSize strip(150, 19);
    QCOMPARE(MarqueeTextOrigin(metrics, strip, {}), QPoint(150, (19 - metrics.height()) / 2));
    QCOMPARE(MarqueeTextOrigin(metrics, strip, u"Click"_s).x(),
             150 - metrics.horizontalAdvance(u"Click"_s));
    // A strip lower than the font: the text stands out above and below alike.
    QCOMPARE(MarqueeTextOrigin(metrics, QSize(150, 3), {}).y(), (3 - metrics.height()) / 2);
}

void TestStatusBarMarquee::firstTickShowsTheEmptyStrip()
{
    MarqueeStrip *strip = m_marquee->strip();
    StatusPanel *panel = statusBar()->marqueePanel();
    QCOMPARE(strip->objectName(), u"Picture3"_s);
    QVERIFY(!strip->isVisible());
    QCOMPARE(strip->size(), QSize(panel->width(), statusBar()->height()));

    ticks(1);
    QCOMPARE(panel->text(), QString());
    QImage empty(panel->picture().size(), QImage::Format_RGB32);
    empty.fill(strip->backColor());
    QCOMPARE(panel->picture().toImage().convertToFormat(QImage::Format_RGB32), empty);
    // The first draw put the text just beyond the right edge; the second one shows.
    ticks(2);
    QCOMPARE(panel->text(), u"Cl"_s);
    QCOMPARE(m_marquee->cycle().counter(), 3);
    QVERIFY(panel->picture().toImage() != empty);
    QVERIFY(statusBar()->noticePanel()->text().contains(u"Fernwick"_s));
}

void TestStatusBarMarquee::aPassReadsCleanly()
{
    // Every draw covers what the draws before it left, so the strip always looks as if the
    // text had been drawn once on a clean strip; and the panel shows the strip one tick late.
    MarqueeStrip *strip = m_marquee->strip();
    for (const int count : {40, 70}) {
        const QImage before = strip->image().toImage();
        ticks(count);
        const int drawn = m_marquee->cycle().counter() - 1;
        QVERIFY(statusBar()->marqueePanel()->picture().toImage() != before);
        MarqueeStrip clean(nullptr);
        clean.setFont(strip->font());
        clean.setTextColor(strip->textColor());
        clean.fit(strip->size());
        clean.drawText(
            MarqueeTextOrigin(clean.fontMetrics(), clean.size(), MarqueeCycle::text().left(drawn)),
            MarqueeCycle::text());
        QCOMPARE(strip->image().toImage(), clean.image().toImage());
    }
    // The pass ended after 111 ticks: a clean strip, and the next colour.
    ticks(1);
    QCOMPARE(m_marquee->cycle().counter(), 0);
    QCOMPARE(strip->textColor(), QColor(Qt::red));
    QImage empty(strip->image().size(), QImage::Format_RGB32);
    empty.fill(strip->backColor());
    QCOMPARE(strip->image().toImage().convertToFormat(QImage::Format_RGB32), empty);
}

void TestStatusBarMarquee::pointerIsACrossStrictlyInsideTheMarquee_data()
{
    QTest::addColumn<bool>("fromRight"); // the marquee panel's right edge, else its left one
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("cross");
    QTest::newRow("notice panel") << false << -100 << false;
    QTest::newRow("before the left edge") << false << -1 << false;
    QTest::newRow("on the left edge") << false << 0 << false;
    QTest::newRow("past the left edge") << false << 1 << true;
    QTest::newRow("before the right edge") << true << -1 << true;
    QTest::newRow("on the right edge") << true << 0 << false;
}

void TestStatusBarMarquee::pointerIsACrossStrictlyInsideTheMarquee()
{
    QFETCH(bool, fromRight);
    QFETCH(int, offset);
    QFETCH(bool, cross);
    const QRect panel = statusBar()->marqueePanel()->geometry();
    const int x = (fromRight ? panel.left() + panel.width() : panel.left()) + offset;
    for (const int y : {1, statusBar()->height() - 2}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), statusBar()->mapToGlobal(QPointF(x, y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(statusBar(), &move);
        QCOMPARE(statusBar()->cursor().shape() == Qt::CrossCursor, cross);
    }
}

void TestStatusBarMarquee::onlyTheMarqueePanelOpensTheSite()
{
    const QStringList &launched = m_fixture->platform.launched;
    QTest::mouseClick(statusBar(), Qt::LeftButton, {},
                      statusBar()->noticePanel()->geometry().center());
    QVERIFY(launched.isEmpty());

    const QPoint marquee = statusBar()->marqueePanel()->geometry().center();
    QTest::mouseClick(statusBar(), Qt::RightButton, {}, marquee);
    QVERIFY(launched.isEmpty());
    QStringList expected;
    for (const int count : {1, 1, 57, 52}) { // n = 0, 1, 58 and 110 when clicked
        ticks(count);
        QTest::mouseClick(statusBar(), Qt::LeftButton, {}, marquee);
        expected << QString::fromUtf16(WebAddresses::TemplatesSite);
        QCOMPARE(launched, expected);
    }
}

BARWRIGHT_TEST_MAIN(TestStatusBarMarquee)
#include "tst_StatusBarMarquee.moc"
