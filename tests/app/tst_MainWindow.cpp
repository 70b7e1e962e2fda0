#include "app/MainWindow.h"
#include "diagram/ScrollbarDiagram.h"
#include "storage/CRegSettings.h"
#include "storage/SchemeState.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void tabOrderStartsAtGenerateCode();
    void captionsAreComplete();
    void pointingAtTheDiagramMarksCaptions();
    void releasingOverTheDiagramSelectsABox();
    void closingAnUnchangedSchemeAsksNothing();
    void exitEndsAtOnceWithoutAsking();

private:
    MainWindow *window() const { return m_fixture->window.get(); }
    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
}

void TestMainWindow::cleanup()
{
    m_fixture.reset();
}

void TestMainWindow::tabOrderStartsAtGenerateCode()
{
    QCOMPARE(window()->focusWidget()->objectName(), u"Command1"_s);
    QStringList expected{u"Command1"_s};
    for (int i = 0; i < 7; ++i)
        expected << u"txtclr%1"_s.arg(i) << u"selbttn%1"_s.arg(i) << u"cmdCC%1"_s.arg(i);
    expected << u"chkBC"_s << u"txtclr7"_s << u"selbttn7"_s << u"cmdCC7"_s << u"Command3"_s
             << u"Command2"_s << u"Command4"_s << u"marqueePanel"_s;

    QStringList chain;
    QWidget *w = window()->findChild<QWidget *>(u"Command1"_s);
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w->objectName() != u"Command1"_s);
    QCOMPARE(chain, expected);
}

void TestMainWindow::captionsAreComplete()
{
    // Every fixed text fits its control, whatever the desktop font.
    for (const QLabel *label : window()->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window()) && !label->wordWrap())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text())
                         <= label->contentsRect().width(),
                     qPrintable(label->text()));
    }
}

// The elements whose captions are red.
static QList<int> marked(const MainWindow *window)
{
    QList<int> red;
    for (int i = 0; i < 7; ++i) {
        if (window->elementCaption(i)->palette().color(QPalette::WindowText) == Qt::red)
            red << i;
    }
    return red;
}

// A pixel of the diagram panel for a point in twips of its inner area.
static QPoint at(const ShapePanel *panel, int x, int y)
{
    return panel->pixelRect(QRect(x, y, 15, 15)).topLeft();
}

void TestMainWindow::pointingAtTheDiagramMarksCaptions()
{
    ScrollbarDiagram *diagram = window()->diagram();
    QTest::mouseMove(diagram, at(diagram, 900, 2800)); // thumb face
    QCOMPARE(marked(window()), QList<int>{0});
    QTest::mouseMove(diagram, at(diagram, 1410, 2800)); // thumb shadow band
    QCOMPARE(marked(window()), QList<int>{4});
    QTest::mouseMove(diagram->arrowBox(), at(diagram->arrowBox(), 135, 45)); // the arrow
    QCOMPARE(marked(window()), (QList<int>{1, 4})); // the others stay as they are
    QTest::mouseMove(diagram->arrowBox(), at(diagram->arrowBox(), 15, 15)); // beside it
    QCOMPARE(marked(window()), (QList<int>{0, 4}));
    QTest::mouseMove(diagram, at(diagram, 90, 2000)); // blank margin
    QCOMPARE(marked(window()), QList<int>{});
    QTest::mouseMove(diagram, at(diagram, 900, 4300)); // track
    QTest::mouseMove(window()->centralWidget(), QPoint(134, 200)); // the window's background
    QCOMPARE(marked(window()), QList<int>{});
}

void TestMainWindow::releasingOverTheDiagramSelectsABox()
{
    ScrollbarDiagram *diagram = window()->diagram();
    QTest::mouseClick(diagram, Qt::RightButton, {}, at(diagram, 900, 2800));
    QCOMPARE(window()->focusWidget(), window()->entryBox(0));
    QCOMPARE(window()->entryBox(0)->selectedText(), u"#C0C0C0"_s);

    // Pressed over the thumb, dragged onto the arrow box, released there.
    const QPoint arrow = diagram->arrowBox()->geometry().center();
    QTest::mousePress(diagram, Qt::LeftButton, {}, at(diagram, 900, 2800));
    QTest::mouseMove(diagram, arrow);
    QCOMPARE(marked(window()), QList<int>{1});
    QTest::mouseRelease(diagram, Qt::LeftButton, {}, arrow);
    QCOMPARE(window()->focusWidget(), window()->entryBox(1));

    // Beside the arrow, in the arrow box, the face is what the pointer marks.
    QTest::mouseClick(diagram->arrowBox(), Qt::LeftButton, {}, at(diagram->arrowBox(), 15, 15));
    QCOMPARE(window()->focusWidget(), window()->entryBox(0));

    QTest::mouseClick(diagram, Qt::LeftButton, {}, at(diagram, 90, 2000)); // blank margin
    QCOMPARE(window()->focusWidget(), window()->entryBox(0));

    // In base-colour mode releases change nothing.
    ProgramSettings().SaveSetting(u"General"_s, u"Show Message 2"_s, u"0"_s);
    window()->baseColorCheck()->setChecked(true);
    window()->entryBox(7)->setFocus();
    QTest::mouseClick(diagram, Qt::LeftButton, {}, at(diagram, 900, 2800));
    QCOMPARE(window()->focusWidget(), window()->entryBox(7));
}

void TestMainWindow::closingAnUnchangedSchemeAsksNothing()
{
    QVERIFY(!SchemeChanged);
    QVERIFY(window()->close());
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void TestMainWindow::exitEndsAtOnceWithoutAsking()
{
    window()->entryBox(0)->put(u"#123456"_s);
    QVERIFY(SchemeChanged);
    auto *exit = window()->findChild<QAction *>(u"mnuFileExit"_s);
    QTimer::singleShot(0, exit, &QAction::trigger);
    QTimer failsafe;
    failsafe.callOnTimeout([] { QCoreApplication::exit(99); });
    failsafe.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QVERIFY(!window()->isVisible());
}

BARWRIGHT_TEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
