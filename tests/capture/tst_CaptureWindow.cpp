#include "capture/CaptureState.h"
#include "diagram/ScrollbarDiagram.h"
#include "storage/SchemeState.h"
#include "support/CaptureTest.h"
#include "support/ProgramProcess.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::StringLiterals;

// The capture window with the capture that works everywhere: F6 while the window has the
// focus, pixels read from what the platform shows.
class TestCaptureWindow : public CaptureTest
{
    Q_OBJECT

private:
    static QColor shownColor(CaptureWindow *capture)
    {
        return capture->grab().toImage().pixelColor(2, 2);
    }
    // Opens the capture window over the orange swatch.
    CaptureWindow *openOverOrange(int index)
    {
        QCursor::setPos(m_swatches[0]->geometry().center());
        CaptureWindow *capture = openCapture(index);
        const bool ready = capture && QTest::qWaitForWindowActive(capture)
            && QTest::qWaitFor([capture] { return shownColor(capture) == QColor(255, 128, 0); });
        return ready ? capture : nullptr;
    }

    std::vector<std::unique_ptr<QWidget>> m_swatches; // orange, blue

private Q_SLOTS:
    void init()
    {
        MainWindowTest::init();
        window()->move(0, 0);
        // Windows of one colour, where the main and the capture window do not cover them.
        const int right = QGuiApplication::primaryScreen()->geometry().right();
        for (const QColor &color : {QColor(255, 128, 0), QColor(0x20, 0x40, 0xC0)}) {
            auto swatch = std::make_unique<QWidget>();
            swatch->setGeometry(right - 60, int(m_swatches.size()) * 100, 60, 60);
            swatch->setPalette(QPalette(color));
            swatch->setAutoFillBackground(true);
            swatch->show();
            QVERIFY(QTest::qWaitForWindowExposed(swatch.get()));
            m_swatches.push_back(std::move(swatch));
        }
    }
    void cleanup()
    {
        m_swatches.clear();
        CaptureTest::cleanup();
    }

    void closingWithoutF6DeliversNothing_data()
    {
        QTest::addColumn<int>("key"); // 0: click "Cancel"; -1: the close box
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close box") << -1;
    }

    void closingWithoutF6DeliversNothing()
    {
        QFETCH(int, key);
        const auto before = window()->schemeTexts().texts;
        QPointer<CaptureWindow> capture = openOverOrange(3);
        QVERIFY(capture);
        QCOMPARE(CaptureTarget, 3);
        QVERIFY(window()->isMinimized() && !window()->isEnabled());
        QTest::keyClicks(box(3), u"12"_s); // taken by nobody
        if (key > 0)
            QTest::keyClick(capture->focusWidget(), Qt::Key(key));
        else if (key == 0)
            QTest::mouseClick(capture->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
        else
            capture->close();
        QTRY_VERIFY(!capture);
        QCOMPARE(window()->schemeTexts().texts, before);
        QVERIFY(!SchemeChanged);
        verifyMainWindowBack();
    }

    void followsThePointerAndDeliversOnF6()
    {
        QPointer<CaptureWindow> capture = openOverOrange(2);
        QVERIFY(capture);
        VerifyTextsFit(capture);
        // Placed before its frame is known, so within a frame's width of the centre, and half
        // a title bar where the window system draws one.
        const QPoint offCentre
            = capture->geometry().center() - capture->screen()->availableGeometry().center();
        const int titleBar = capture->geometry().top() - capture->frameGeometry().top();
        QVERIFY2(qAbs(offCentre.x()) <= 4 && qAbs(offCentre.y()) <= 4 + titleBar / 2,
                 qPrintable(u"%1, %2"_s.arg(offCentre.x()).arg(offCentre.y())));

#ifndef Q_OS_WIN // Windows keeps the pointer on a screen
        // Outside every screen there is no pixel to read: after two readings there the last
        // colour stays.
        QSignalSpy readings(capture->findChild<QTimer *>(u"Timer1"_s), &QTimer::timeout);
        QCursor::setPos(-50, -50);
        QTRY_VERIFY(readings.size() >= 2);
        QCOMPARE(shownColor(capture), QColor(255, 128, 0));
        QCOMPARE(CapturedColor, u"#FF8000"_s);
#endif

        // The readings went on meanwhile.
        QCursor::setPos(m_swatches[1]->geometry().center());
        QTRY_COMPARE(shownColor(capture), QColor(0x20, 0x40, 0xC0));
#ifdef Q_OS_WIN
        // Typed at the X server under Wine while another window has the focus, F6 reaches the
        // capture window as the hot key it registered.
        m_swatches[1]->activateWindow();
        QTRY_VERIFY(m_swatches[1]->isActiveWindow());
        ProgramProcess::xdotool({u"key"_s, u"F6"_s});
#else
        QTest::keyClick(capture->focusWidget(), Qt::Key_F6);
#endif
        QTRY_VERIFY(!capture);
        QCOMPARE(box(2)->text(), u"#2040C0"_s);
        QCOMPARE(diagram()->DiagramElementColor(2), 0xC04020);
        QVERIFY(SchemeChanged);
        QTRY_VERIFY(box(2)->hasFocus());
        QCOMPARE(box(2)->selectedText(), u"#2040C0"_s);
        verifyMainWindowBack();
    }
};

BARWRIGHT_TEST_MAIN(TestCaptureWindow)
#include "tst_CaptureWindow.moc"
