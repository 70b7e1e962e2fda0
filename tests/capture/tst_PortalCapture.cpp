#include "color/ColorValues.h"
#include "diagram/ScrollbarDiagram.h"
#include "support/FakePortal.h"
#include "support/MainWindowTest.h"
#include "support/PrivateSessionBus.h"
#include "support/TestMain.h"

using namespace Qt::StringLiterals;

// The capture buttons in a Wayland session: the colour comes from the desktop portal, here a
// stand-in on a private session bus, and no capture window is shown.
class TestPortalCapture : public MainWindowTest
{
    Q_OBJECT

private:
    void pressCapture(int index) const
    {
        QTest::mouseClick(button(u"cmdCC"_s + QString::number(index)), Qt::LeftButton);
    }
    // A capture window would disable and minimize the main window.
    bool noCaptureWindow() const { return window()->isEnabled() && !window()->isMinimized(); }

    PrivateSessionBus m_bus;
    std::unique_ptr<FakePortal> m_portal;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        // As under XWayland: the session is Wayland's though Qt draws elsewhere.
        qputenv("XDG_SESSION_TYPE", "wayland");
    }
    void init()
    {
        m_portal = std::make_unique<FakePortal>();
        QVERIFY(m_portal->start());
        MainWindowTest::init();
    }
    void cleanup()
    {
        MainWindowTest::cleanup();
        m_portal.reset();
    }

    void answers_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QList<double>>("color");
        QTest::addColumn<QString>("expected");
        QTest::newRow("picked") << 0u << QList<double>{0.2, 0.4, 0.6} << u"#336699"_s;
        QTest::newRow("rounded and kept in range")
            << 0u << QList<double>{1.5, -0.2, 0.5} << u"#FF0080"_s;
        QTest::newRow("cancelled") << 1u << QList<double>{0.2, 0.4, 0.6} << u"#FFFFFF"_s;
    }

    void answers()
    {
        QFETCH(uint, response);
        QFETCH(QList<double>, color);
        QFETCH(QString, expected);
        constexpr int Highlight = 2;
        m_portal->answer = FakePortal::Answer{response, color[0], color[1], color[2]};
        box(0)->setFocus();

        pressCapture(Highlight);
        QTRY_COMPARE(m_portal->calls.size(), 1);
        QVERIFY(!m_portal->calls[0].token.isEmpty());
        QCOMPARE(m_portal->calls[0].parentWindow, QString()); // offscreen: no window to name
        QVERIFY(noCaptureWindow());

        QTRY_COMPARE(m_portal->responses, 1);
        FakePortal::waitForAnswersHandled();
        QCOMPARE(box(Highlight)->text(), expected);
        QCOMPARE(diagram()->DiagramElementColor(Highlight), HexToColor(expected));
        QVERIFY(diagram()->accessibleDescription().contains(u"Highlight Color "_s + expected));
        QCOMPARE(box(Highlight)->hasFocus(), response == 0);
    }

    void noPortalGivesTheMessage()
    {
        m_portal.reset();
        pressCapture(0);
        QTRY_COMPARE(platform().messages.size(), 1);
        QVERIFY(platform().messages[0].text.contains(u"xdg-desktop-portal-gnome"_s));
        QVERIFY(noCaptureWindow());
    }

    void unansweredPickLeavesTheProgramResponsive()
    {
        pressCapture(0);
        QTRY_COMPARE(m_portal->calls.size(), 1);
        QVERIFY(noCaptureWindow());
        box(1)->setFocus();
        box(1)->selectAll();
        QTest::keyClicks(box(1), u"123456"_s);
        QCOMPARE(box(1)->text(), u"#123456"_s);

        // Asked again, the new pick is answered and delivered.
        m_portal->answer = FakePortal::Answer{0, 0, 0, 1};
        pressCapture(0);
        QTRY_COMPARE(m_portal->calls.size(), 2);
        QVERIFY(m_portal->calls[1].token != m_portal->calls[0].token);
        QTRY_COMPARE(box(0)->text(), u"#0000FF"_s);
        QVERIFY(platform().messages.isEmpty());
    }
};

BARWRIGHT_TEST_MAIN(TestPortalCapture)
#include "tst_PortalCapture.moc"
