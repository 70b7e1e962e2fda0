#include "app/MainWindow.h"
#include "storage/SchemeState.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"
#include "toolkit/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowIsFixedWithTheDesignedClientArea();
    void controlsStandWhereTheyAreDesigned_data();
    void controlsStandWhereTheyAreDesigned();
    void menusListEveryEntryInOrder();
    void tabOrderStartsAtGenerateCode();
    void captionsAreComplete();
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

void TestMainWindow::windowIsFixedWithTheDesignedClientArea()
{
    QCOMPARE(window()->objectName(), u"Form1"_s);
    QCOMPARE(window()->windowTitle(), u"Barwright"_s);
    const QSize client(window()->width(), window()->height() - window()->menuBar()->height());
    QCOMPARE(client, twipsSize(5850, 5280));
    QCOMPARE(window()->statusBar()->height(), twipsToPixels(285));
    QCOMPARE(window()->minimumSize(), window()->maximumSize());
    const Qt::WindowFlags flags = window()->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void TestMainWindow::controlsStandWhereTheyAreDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("diagram") << u"Picture1"_s << u"client"_s << QRect(90, 90, 1875, 4845);
    QTest::newRow("colors frame") << u"Frame1"_s << u"client"_s << QRect(2070, 0, 3705, 3915);
    QTest::newRow("base frame") << u"Frame2"_s << u"Frame1"_s << QRect(90, 3120, 3525, 705);
    QTest::newRow("face box") << u"txtclr0"_s << u"Frame1"_s << QRect(1590, 270, 1005, 285);
    QTest::newRow("track box") << u"txtclr6"_s << u"Frame1"_s << QRect(1590, 2790, 1005, 285);
    QTest::newRow("track palette") << u"selbttn6"_s << u"Frame1"_s << QRect(2670, 2730, 405, 375);
    QTest::newRow("track capture") << u"cmdCC6"_s << u"Frame1"_s << QRect(3120, 2730, 405, 375);
    QTest::newRow("base check") << u"chkBC"_s << u"Frame2"_s << QRect(180, 210, 1245, 405);
    QTest::newRow("base box") << u"txtclr7"_s << u"Frame2"_s << QRect(1470, 270, 1005, 285);
    QTest::newRow("base palette") << u"selbttn7"_s << u"Frame2"_s << QRect(2550, 210, 405, 375);
    QTest::newRow("base capture") << u"cmdCC7"_s << u"Frame2"_s << QRect(3000, 210, 405, 375);
    QTest::newRow("save") << u"Command3"_s << u"client"_s << QRect(2070, 3960, 1815, 465);
    QTest::newRow("load") << u"Command2"_s << u"client"_s << QRect(3960, 3960, 1815, 465);
    QTest::newRow("preview") << u"Command4"_s << u"client"_s << QRect(2070, 4500, 1815, 465);
    QTest::newRow("generate") << u"Command1"_s << u"client"_s << QRect(3960, 4500, 1815, 465);
}

void TestMainWindow::controlsStandWhereTheyAreDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    auto *control = window()->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestMainWindow::menusListEveryEntryInOrder()
{
    QStringList seen;
    for (QAction *menuAction : window()->menuBar()->actions()) {
        seen << menuAction->text();
        for (QAction *entry : menuAction->menu()->actions()) {
            seen << (entry->isSeparator() ? u"-"_s : entry->objectName() + u' ' + entry->text());
            QVERIFY(entry->shortcut().isEmpty());
        }
    }
    const QStringList expected{
        u"&File"_s,
        u"mnuFileCopy &Generate Code"_s,
        u"mnuFileASP &Actual Size Preview"_s,
        u"-"_s,
        u"mnuFileSave &Save Color Scheme"_s,
        u"mnuFileLoad &Load Color Scheme"_s,
        u"-"_s,
        u"mnuFileOES Save as &Outlook Express Stationery"_s,
        u"-"_s,
        u"mnuFileExit &Exit"_s,
        u"&Edit"_s,
        u"mnuEditRestDef &Restore Defaults"_s,
        u"&Help"_s,
        u"mnuHelpContents &Contents"_s,
        u"mnuHelpAbout &About"_s,
        u"-"_s,
        u"mnuHelpMoreFree &More Cool Software"_s,
    };
    QCOMPARE(seen, expected);
}

void TestMainWindow::tabOrderStartsAtGenerateCode()
{
    QCOMPARE(window()->focusWidget()->objectName(), u"Command1"_s);
    QStringList expected{u"Command1"_s};
    for (int i = 0; i < 7; ++i)
        expected << u"txtclr%1"_s.arg(i) << u"selbttn%1"_s.arg(i) << u"cmdCC%1"_s.arg(i);
    expected << u"chkBC"_s << u"txtclr7"_s << u"selbttn7"_s << u"cmdCC7"_s << u"Command3"_s
             << u"Command2"_s << u"Command4"_s;

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
