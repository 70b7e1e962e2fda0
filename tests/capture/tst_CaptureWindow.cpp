#include "app/ElementTable.h"
#include "capture/CaptureState.h"
#include "capture/CaptureWindow.h"
#include "diagram/ScrollbarDiagram.h"
#include "storage/SchemeState.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"
#include "toolkit/Twips.h"

#include <QLabel>
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

    void isLaidOutAsDesigned();
    void closingWithoutF6DeliversNothing_data();
    void closingWithoutF6DeliversNothing();
    void f6DeliversTheColourUnderThePointerToTheTargetBox();
    void anUnreadablePixelKeepsTheLastColour();
    void closingTheMainWindowClosesTheCaptureWindow();

private:
    MainWindow *main() const { return m_fixture->window.get(); }
    CaptureWindow *openCapture(int index);
    QStringList boxTexts() const;
    static CaptureWindow *openCaptureWindow();
    static QColor shownColor(CaptureWindow *capture);

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::vector<std::unique_ptr<QWidget>> m_swatches;
};

namespace {

// A window of one colour, somewhere the main and the capture window do not cover.
std::unique_ptr<QWidget> swatch(QRect geometry, QColor color)
{
    auto window = std::make_unique<QWidget>();
    window->setGeometry(geometry);
    QPalette colors = window->palette();
    colors.setColor(QPalette::Window, color);
    window->setPalette(colors);
    window->setAutoFillBackground(true);
    window->show();
    return window;
}

} // namespace

void TestCaptureWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
    main()->move(0, 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_swatches.push_back(swatch(QRect(screen.right() - 60, 0, 60, 60), QColor(255, 128, 0)));
    m_swatches.push_back(swatch(QRect(screen.right() - 60, 100, 60, 60), QColor(0x20, 0x40, 0xC0)));
    for (const auto &window : m_swatches)
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestCaptureWindow::cleanup()
{
    if (CaptureWindow *open = openCaptureWindow())
        delete open;
    m_swatches.clear();
    m_fixture.reset();
}

CaptureWindow *TestCaptureWindow::openCaptureWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *capture = qobject_cast<CaptureWindow *>(window); capture && capture->isVisible())
            return capture;
    }
    return nullptr;
}

CaptureWindow *TestCaptureWindow::openCapture(int index)
{
    QTest::mouseClick(main()->findChild<QPushButton *>(u"cmdCC"_s + QString::number(index)),
                      Qt::LeftButton);
    CaptureWindow *capture = openCaptureWindow();
    if (capture && !QTest::qWaitForWindowActive(capture))
        return nullptr;
    return capture;
}

QStringList TestCaptureWindow::boxTexts() const
{
    QStringList texts;
    for (int i = 0; i < EntryCount; ++i)
        texts << main()->entryBox(i)->text();
    return texts;
}

QColor TestCaptureWindow::shownColor(CaptureWindow *capture)
{
    return capture->grab().toImage().pixelColor(2, 2);
}

void TestCaptureWindow::isLaidOutAsDesigned()
{
    CaptureWindow *capture = openCapture(0);
    QVERIFY(capture);
    QCOMPARE(capture->objectName(), u"frmCap"_s);
    QCOMPARE(capture->windowTitle(), u"BRW Color Capture"_s);
    QCOMPARE(capture->size(), twipsSize(2085, 1365));
    QCOMPARE(capture->minimumSize(), capture->maximumSize());
    const Qt::WindowFlags flags = capture->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!capture->parentWidget());

    // Placed before the frame is known, so within a frame's width of the centre.
    const QPoint offCentre
        = capture->geometry().center() - capture->screen()->availableGeometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 4 && qAbs(offCentre.y()) <= 4,
             "the capture window is not centred");

    auto *label = capture->findChild<QLabel *>(u"Label1"_s);
    QVERIFY(label);
    QCOMPARE(label->text(), u"Press F6 to capture color under cursor"_s);
    QCOMPARE(label->geometry(), twipsRect(195, 150, 1695, 495));
    auto *cancel = capture->findChild<QPushButton *>(u"Command1"_s);
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), u"Cancel"_s);
    QCOMPARE(cancel->geometry(), twipsRect(495, 810, 1095, 405));
    QVERIFY(cancel->isDefault());
}

void TestCaptureWindow::closingWithoutF6DeliversNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << u"click"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("Esc") << u"esc"_s;
    QTest::newRow("close box") << u"close"_s;
}

void TestCaptureWindow::closingWithoutF6DeliversNothing()
{
    QFETCH(QString, how);
    const QStringList before = boxTexts();
    QCursor::setPos(m_swatches[0]->geometry().center());

    QPointer<CaptureWindow> capture = openCapture(3);
    QVERIFY(capture);
    QCOMPARE(CaptureTarget, 3);
    QVERIFY(main()->isMinimized());
    QVERIFY(!main()->isEnabled());
    // The main window takes no input meanwhile.
    QTest::keyClicks(main()->entryBox(3), u"12"_s);
    QCOMPARE(boxTexts(), before);
    QTRY_COMPARE(shownColor(capture), QColor(255, 128, 0));

    QWidget *focused = capture->focusWidget() ? capture->focusWidget() : capture.data();
    if (how == u"click")
        QTest::mouseClick(capture->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    else if (how == u"enter")
        QTest::keyClick(focused, Qt::Key_Return);
    else if (how == u"esc")
        QTest::keyClick(focused, Qt::Key_Escape);
    else
        capture->close();

    QTRY_VERIFY(!capture);
    QCOMPARE(boxTexts(), before);
    QVERIFY(!SchemeChanged);
    QCOMPARE(main()->windowState(), Qt::WindowNoState);
    QVERIFY(main()->isEnabled());
}

void TestCaptureWindow::f6DeliversTheColourUnderThePointerToTheTargetBox()
{
    struct Capture
    {
        int target;
        QWidget *under;
        QString text;
        int colorNumber;
    };
    // A second capture from another row goes to that row's box and leaves the first alone.
    const Capture captures[] = {
        {0, m_swatches[0].get(), u"#FF8000"_s, 0x0080FF},
        {5, m_swatches[1].get(), u"#2040C0"_s, 0xC04020},
    };
    for (const Capture &step : captures) {
        QCursor::setPos(step.under->geometry().center());
        QPointer<CaptureWindow> capture = openCapture(step.target);
        QVERIFY(capture);
        QTRY_COMPARE(CapturedColor, step.text);
        QTest::keyClick(capture->focusWidget() ? capture->focusWidget() : capture.data(),
                        Qt::Key_F6);

        QTRY_VERIFY(!capture);
        EntryBox *box = main()->entryBox(step.target);
        QCOMPARE(box->text(), step.text);
        QCOMPARE(m_fixture->diagram->DiagramElementColor(step.target), step.colorNumber);
        QVERIFY(SchemeChanged);
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), step.text);
        QCOMPARE(main()->windowState(), Qt::WindowNoState);
        QVERIFY(main()->isEnabled());
    }
    QCOMPARE(main()->entryBox(0)->text(), u"#FF8000"_s);
}

void TestCaptureWindow::anUnreadablePixelKeepsTheLastColour()
{
    QCursor::setPos(m_swatches[0]->geometry().center());
    QPointer<CaptureWindow> capture = openCapture(2);
    QVERIFY(capture);
    QTRY_COMPARE(shownColor(capture), QColor(255, 128, 0));

    // Outside every screen there is no pixel to read.
    QCursor::setPos(-50, -50);
    QTest::qWait(100);
    QCOMPARE(shownColor(capture), QColor(255, 128, 0));
    QCOMPARE(CapturedColor, u"#FF8000"_s);

    // The readings went on meanwhile.
    QCursor::setPos(m_swatches[1]->geometry().center());
    QTRY_COMPARE(shownColor(capture), QColor(0x20, 0x40, 0xC0));
    QTest::keyClick(capture->focusWidget() ? capture->focusWidget() : capture.data(), Qt::Key_F6);
    QTRY_COMPARE(main()->entryBox(2)->text(), u"#2040C0"_s);
}

void TestCaptureWindow::closingTheMainWindowClosesTheCaptureWindow()
{
    QPointer<CaptureWindow> capture = openCapture(1);
    QVERIFY(capture);
    QVERIFY(main()->close());
    QTRY_VERIFY(!capture);
    QVERIFY(main()->isEnabled());
    QVERIFY(!main()->isVisible());
}

BARWRIGHT_TEST_MAIN(TestCaptureWindow)
#include "tst_CaptureWindow.moc"
