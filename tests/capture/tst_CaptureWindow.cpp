#include "app/ElementTable.h"
#include "capture/CaptureState.h"
#include "capture/CaptureWindow.h"
#include "diagram/ScrollbarDiagram.h"
#include "storage/SchemeState.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"

#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

// The capture window with the capture that works everywhere: F6 while the window has the
// focus, pixels read from what the platform shows.
class TestCaptureWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void staysOnTopInTheMiddle();
    void closingWithoutF6DeliversNothing_data();
    void closingWithoutF6DeliversNothing();
    void followsThePointerAndDeliversOnF6();

private:
    MainWindow *main() const { return m_fixture->window.get(); }
    CaptureWindow *openCapture(int index);
    static QColor shownColor(CaptureWindow *capture)
    {
        return capture->grab().toImage().pixelColor(2, 2);
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::vector<std::unique_ptr<QWidget>> m_swatches; // orange, blue
};

void TestCaptureWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
    main()->move(0, 0);
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

void TestCaptureWindow::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<CaptureWindow *>(window))
            delete window;
    }
    m_swatches.clear();
    m_fixture.reset();
}

CaptureWindow *TestCaptureWindow::openCapture(int index)
{
    QTest::mouseClick(main()->findChild<QPushButton *>(u"cmdCC"_s + QString::number(index)),
                      Qt::LeftButton);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *capture = qobject_cast<CaptureWindow *>(window); capture && capture->isVisible())
            return QTest::qWaitForWindowActive(capture) ? capture : nullptr;
    }
    return nullptr;
}

void TestCaptureWindow::staysOnTopInTheMiddle()
{
    CaptureWindow *capture = openCapture(0);
    QVERIFY(capture);
    QVERIFY(capture->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(capture->minimumSize(), capture->maximumSize());
    // Placed before its frame is known, so within a frame's width of the centre.
    const QPoint offCentre
        = capture->geometry().center() - capture->screen()->availableGeometry().center();
    QVERIFY(qAbs(offCentre.x()) <= 4 && qAbs(offCentre.y()) <= 4);
}

void TestCaptureWindow::closingWithoutF6DeliversNothing_data()
{
    QTest::addColumn<int>("key"); // 0: click "Cancel"; -1: the close box
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("close box") << -1;
}

void TestCaptureWindow::closingWithoutF6DeliversNothing()
{
    QFETCH(int, key);
    const auto before = main()->schemeTexts().texts;
    QCursor::setPos(m_swatches[0]->geometry().center());

    QPointer<CaptureWindow> capture = openCapture(3);
    QVERIFY(capture);
    QCOMPARE(CaptureTarget, 3);
    QVERIFY(main()->isMinimized());
    QVERIFY(!main()->isEnabled());
    QTest::keyClicks(main()->entryBox(3), u"12"_s); // taken by nobody
    QTRY_COMPARE(shownColor(capture), QColor(255, 128, 0));

    if (key > 0)
        QTest::keyClick(capture->focusWidget(), Qt::Key(key));
    else if (key == 0)
        QTest::mouseClick(capture->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    else
        capture->close();

    QTRY_VERIFY(!capture);
    QCOMPARE(main()->schemeTexts().texts, before);
    QVERIFY(!SchemeChanged);
    QCOMPARE(main()->windowState(), Qt::WindowNoState);
    QVERIFY(main()->isEnabled());
}

void TestCaptureWindow::followsThePointerAndDeliversOnF6()
{
    QCursor::setPos(m_swatches[0]->geometry().center());
    QPointer<CaptureWindow> capture = openCapture(2);
    QVERIFY(capture);
    QTRY_COMPARE(shownColor(capture), QColor(255, 128, 0));

    // Outside every screen there is no pixel to read: the last colour stays.
    QCursor::setPos(-50, -50);
    QTest::qWait(100);
    QCOMPARE(shownColor(capture), QColor(255, 128, 0));
    QCOMPARE(CapturedColor, u"#FF8000"_s);

    // The readings went on meanwhile.
    QCursor::setPos(m_swatches[1]->geometry().center());
    QTRY_COMPARE(shownColor(capture), QColor(0x20, 0x40, 0xC0));
    QTest::keyClick(capture->focusWidget(), Qt::Key_F6);

    QTRY_VERIFY(!capture);
    EntryBox *box = main()->entryBox(2);
    QCOMPARE(box->text(), u"#2040C0"_s);
    QCOMPARE(m_fixture->diagram->DiagramElementColor(2), 0xC04020);
    QVERIFY(SchemeChanged);
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(box->selectedText(), u"#2040C0"_s);
    QCOMPARE(main()->windowState(), Qt::WindowNoState);
    QVERIFY(main()->isEnabled());
}

BARWRIGHT_TEST_MAIN(TestCaptureWindow)
#include "tst_CaptureWindow.moc"
