#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "ui/MainStatusBar.h"
#include "ui/Marquee.h"
#include "ui/MarqueeStrip.h"
#include "ui/StatusPanel.h"

#include <QMouseEvent>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestStatusBarMarquee : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_fixture.reset(); }

    void passesRunCleanlyInTurningColours();
    void pointerIsACrossStrictlyInsideTheMarquee_data();
    void pointerIsACrossStrictlyInsideTheMarquee();
    void onlyTheMarqueePanelOpensTheSite();

private:
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            m_marquee->tick();
    }
    MainStatusBar *bar() const
    {
        return qobject_cast<MainStatusBar *>(m_fixture->window->statusBar());
    }
    QImage blankStrip() const
    {
        QImage blank(m_marquee->strip()->image().size(), QImage::Format_RGB32);
        blank.fill(m_marquee->strip()->backColor());
        return blank;
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    Marquee *m_marquee = nullptr;
};

void TestStatusBarMarquee::init()
{
    // Start-up fitted the strip and started the timer; the test ticks by hand from the first
    // tick on.
    m_fixture = std::make_unique<MainWindowFixture>();
    m_fixture->window = std::make_unique<MainWindow>(m_fixture->platform);
    m_marquee = m_fixture->window->findChild<Marquee *>();
    QVERIFY(m_marquee->timer()->isActive());
    QCOMPARE(m_marquee->timer()->interval(), 45);
    m_marquee->timer()->stop();
    m_fixture->window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_fixture->window.get()));
}

void TestStatusBarMarquee::passesRunCleanlyInTurningColours()
{
    MarqueeStrip *strip = m_marquee->strip();
    StatusPanel *panel = bar()->marqueePanel();
    QVERIFY(!strip->isVisible());
    QCOMPARE(strip->size(), QSize(panel->width(), bar()->height()));
    QVERIFY(bar()->noticePanel()->text().contains(u"Fernwick"_s));

    ticks(1);
    QCOMPARE(panel->text(), QString());
    QCOMPARE(panel->picture().toImage().convertToFormat(QImage::Format_RGB32), blankStrip());
    // Each draw covers what earlier ones left: the strip always looks like one draw of the
    // text on a clean strip, with the revealed part ending at the right edge. The panel shows
    // the strip as it was one tick before.
    for (const int count : {2, 50, 44}) {
        ticks(count);
        const QString revealed = MarqueeCycle::text().left(m_marquee->cycle().counter() - 1);
        QCOMPARE(panel->text(), revealed);
        MarqueeStrip clean(nullptr);
        clean.setFont(strip->font());
        clean.setTextColor(strip->textColor());
        clean.fit(strip->size());
        const QFontMetrics metrics = clean.fontMetrics();
        clean.drawText({clean.width() - metrics.horizontalAdvance(revealed),
                        (clean.height() - metrics.height()) / 2},
                       MarqueeCycle::text());
        QCOMPARE(strip->image().toImage(), clean.image().toImage());
        ticks(1);
        QCOMPARE(panel->picture().toImage(), clean.image().toImage());
    }
    // A pass is 111 ticks; then the strip is cleared and the colour moves on.
    QList<QColor> colours;
    for (int pass = 0; pass < 3; ++pass) {
        ticks(pass == 0 ? 111 - 100 : 111);
        QCOMPARE(m_marquee->cycle().counter(), 0);
        QCOMPARE(strip->image().toImage().convertToFormat(QImage::Format_RGB32), blankStrip());
        colours << strip->textColor();
    }
    QCOMPARE(colours, (QList<QColor>{Qt::red, Qt::yellow, Qt::blue}));
}

void TestStatusBarMarquee::pointerIsACrossStrictlyInsideTheMarquee_data()
{
    QTest::addColumn<bool>("fromRight"); // the marquee panel's right edge, else its left one
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("cross");
    QTest::newRow("notice panel") << false << -100 << false;
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
    const QRect panel = bar()->marqueePanel()->geometry();
    const int x = (fromRight ? panel.left() + panel.width() : panel.left()) + offset;
    for (const int y : {1, bar()->height() - 2}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), bar()->mapToGlobal(QPointF(x, y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar(), &move);
        QCOMPARE(bar()->cursor().shape() == Qt::CrossCursor, cross);
    }
}

void TestStatusBarMarquee::onlyTheMarqueePanelOpensTheSite()
{
    const QStringList &launched = m_fixture->platform.launched;
    QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->noticePanel()->geometry().center());
    const QPoint marquee = bar()->marqueePanel()->geometry().center();
    QTest::mouseClick(bar(), Qt::RightButton, {}, marquee);
    QVERIFY(launched.isEmpty());
    for (const int count : {1, 1, 57, 52}) { // panel texts of 0, 1, 58 and 110 characters
        ticks(count);
        QTest::mouseClick(bar(), Qt::LeftButton, {}, marquee);
    }
    QCOMPARE(launched, QStringList(4, u"http://www.webtemplates.example/"_s));
}

BARWRIGHT_TEST_MAIN(TestStatusBarMarquee)
#include "tst_StatusBarMarquee.moc"
