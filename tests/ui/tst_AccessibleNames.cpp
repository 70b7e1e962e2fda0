#include "app/ImportReportWindow.h"
#include "app/StateColorsWindow.h"
#include "capture/CaptureWindow.h"
#include "output/CodeWindow.h"
#include "output/PreviewWindow.h"
#include "support/AccessibleNames.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "ui/AboutWindow.h"

#include <functional>

using namespace Qt::StringLiterals;

using WindowMaker = std::function<QWidget *(MainWindow &)>;
Q_DECLARE_METATYPE(WindowMaker)

// Every window as a screen reader finds it: each item named, no name twice, each control
// within the keyboard's reach.
class TestAccessibleNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyItemNamedOnce_data()
    {
        QTest::addColumn<WindowMaker>("make");
        QTest::newRow("main") << WindowMaker([](MainWindow &main) { return &main; });
        QTest::newRow("capture") << WindowMaker(
            [](MainWindow &main) -> QWidget * { return CaptureWindow::Show(main); });
        QTest::newRow("preview") << WindowMaker([](MainWindow &main) -> QWidget * {
            return new PreviewWindow(u"missing.html"_s, main.scheme(), u"#000000"_s, u"#FFFFFF"_s,
                                     main.platform(), &main);
        });
        QTest::newRow("states") << WindowMaker(
            [](MainWindow &main) -> QWidget * { return main.stateWindow(); });
        QTest::newRow("code") << WindowMaker([](MainWindow &main) -> QWidget * {
            return new CodeWindow(main.scheme(), main.platform(), &main);
        });
        QTest::newRow("about") << WindowMaker(
            [](MainWindow &main) -> QWidget * { return new AboutWindow(&main); });
        QTest::newRow("import report") << WindowMaker([](MainWindow &main) -> QWidget * {
            return new ImportReportWindow(u"Heading"_s, u"Line 1"_s, main.platform(), &main);
        });
    }

    void everyItemNamedOnce()
    {
        QFETCH(WindowMaker, make);
        MainWindowFixture fixture;
        QVERIFY(fixture.open());
        QWidget *window = make(*fixture.window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList faults = AccessibilityFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
        if (window != fixture.window.get())
            window->close();
    }
};

BARWRIGHT_TEST_MAIN(TestAccessibleNames)
#include "tst_AccessibleNames.moc"
