#include "output/ModernStyleSheet.h"
#include "output/PageView.h"
#include "output/PreviewWindow.h"
#include "output/StyleBlock.h"
#include "storage/CRegSettings.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/ScrollbarPixels.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QWebEnginePage>

#include <unistd.h>

using namespace Qt::StringLiterals;
using DocumentColor = PageView::DocumentColor;

namespace {

// The engine wants these before the application exists.
const bool EngineReady = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return true;
}();

// A page that keeps every complaint the engine makes about what it loads.
class WatchedPage : public QWebEnginePage
{
public:
    QStringList complaints;

    bool open(const QString &path)
    {
        QSignalSpy finished(this, &QWebEnginePage::loadFinished);
        load(QUrl::fromLocalFile(path));
        return finished.wait(30000) && finished.constFirst().constFirst().toBool();
    }

    // The script's result; invalid when the engine gives none in time.
    QVariant evaluate(const QString &script)
    {
        QVariant result;
        bool done = false;
        runJavaScript(script, [&](const QVariant &value) {
            result = value;
            done = true;
        });
        return QTest::qWaitFor([&] { return done; }, 10000) ? result : QVariant();
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &) override
    {
        if (level != InfoMessageLevel)
            complaints << u"line %1: %2"_s.arg(line).arg(message);
    }
};

// What the screen shows of a widget.
QImage shown(QWidget *widget)
{
    const QPoint global = widget->mapToGlobal(QPoint());
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, global.x(), global.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The real web engine on a real X server: the preview, loaded from the program's module, the
// stationery page the program writes and the help page it ships.
class TestWebEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stationeryOpensCleanly()
    {
        Q_UNUSED(EngineReady)
        m_platform.fileAnswers = {m_folder.filePath(u"page.htm"_s)};
        m_window.findChild<QAction *>(u"mnuFileOES"_s)->trigger();
        WatchedPage browser;
        QVERIFY(browser.open(m_folder.filePath(u"page.htm"_s)));
        // The engine reads the element between its tags, with its line ends made LF.
        const QStringList lines = BuildStyleBlock(m_window.schemeTexts()).split(u"\r\n"_s);
        QCOMPARE(browser.evaluate(u"document.head.querySelector('style').textContent"_s).toString(),
                 u'\n' + lines.mid(1, 11).join(u'\n') + u'\n');
        QVERIFY2(browser.complaints.isEmpty(), qPrintable(browser.complaints.join(u'\n')));
    }

    void helpPageOpensWithEveryLinkAndCommand()
    {
        WatchedPage page;
        QVERIFY(
            page.open(QDir(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR")).filePath(u"brw.html"_s)));
        const QStringList broken
            = page.evaluate(u"Array.from(document.querySelectorAll('a[href^=\"#\"]'))"
                            ".map(a => a.getAttribute('href'))"
                            ".filter(href => !document.getElementById(href.slice(1)))"_s)
                  .toStringList();
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u' ')));
        // Every menu entry of the program is explained.
        const QString text = page.evaluate(u"document.body.innerText"_s).toString();
        for (const QAction *menu : m_window.menuBar()->actions()) {
            for (const QAction *entry : menu->menu()->actions()) {
                const QString caption = entry->text().remove(u'&');
                QVERIFY2(entry->isSeparator() || text.contains(caption), qPrintable(caption));
            }
        }
        QVERIFY2(page.complaints.isEmpty(), qPrintable(page.complaints.join(u'\n')));
    }

    // Last: the colours tried in the preview stay in the settings.
    void previewShowsTheSchemeAndTriedColours()
    {
        MainWindowFixture fixture;
        // A program folder of its own, with the module and the picture the build put beside the
        // program.
        const QDir built(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR"));
        const QStringList files = built.entryList({u"barwright_webview*"_s, u"arrow.gif"_s});
        QCOMPARE(files.size(), 2);
        for (const QString &file : files)
            QVERIFY(QFile::copy(built.filePath(file), fixture.programDir.filePath(file)));
        // No window manager hands out the focus here: shown is enough.
        fixture.platform.programDir = fixture.programDir.path();
        fixture.window = std::make_unique<MainWindow>(fixture.platform);
        MainWindow *main = fixture.window.get();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        // Seven colours that differ, so that each band of the bevel tells which one it is.
        const QString scheme[] = {u"#CC3300"_s, u"#FFEE00"_s, u"#AAFFAA"_s, u"#8844FF"_s,
                                  u"#225522"_s, u"#110022"_s, u"#33CC00"_s};
        for (int i = 0; i < ElementCount; ++i)
            main->entryBox(i)->put(scheme[i]);
        main->entryBox(HoverIndex)->put(u"#0055FF"_s);
        const SchemeColors colors = *ResolveSchemeColors(main->schemeTexts());

        ProgramSettings().SaveSetting(u"General"_s, u"Show Message 1"_s, u"0"_s);
        WhenModal(
            u"Form3"_s,
            [&colors](QWidget *window) {
                auto *preview = qobject_cast<PreviewWindow *>(window);
                QVERIFY(QTest::qWaitFor([preview] { return preview->isPageLoaded(); }, 30000));
                PageView *page = preview->pageView();
                QVERIFY(page->showsScrollbarColors());
                QCOMPARE(ReadDocumentColor(page, DocumentColor::Background, 10000), u"#FFFFFF"_s);

                EntryBox *back = preview->colorBox(1);
                back->setFocus();
                back->select(1, 6);
                QTest::keyClicks(back, u"336699"_s);
                QCOMPARE(ReadDocumentColor(page, DocumentColor::Background, 10000), u"#336699"_s);
                // The engine would read a text that is no colour as one of its own.
                back->put(u"#GGGGGG"_s);
                QCOMPARE(ReadDocumentColor(page, DocumentColor::Background, 10000), u"#336699"_s);

                // What the engine draws: the tried background, and the page's own scrollbar in
                // the scheme's bevel, from the sheet for today's browsers.
                QWidget *view = page->widget();
                const QRect bar(view->width() - DefaultScrollbarWidth, 0, DefaultScrollbarWidth,
                                view->height());
                QStringList faults;
                const bool drawn = QTest::qWaitFor(
                    [&] {
                        const QImage image = shown(view);
                        faults = BevelFaults(image, bar, colors);
                        return faults.isEmpty()
                            && image.pixel(bar.left() / 2, view->height() - 30)
                            == qRgb(0x33, 0x66, 0x99);
                    },
                    10000);
                QVERIFY2(drawn, qPrintable(faults.join(u"; "_s)));

                // The thumb takes the hover face under the pointer, and its face once it leaves.
                const QPoint thumb(bar.center().x(), bar.top() + DefaultScrollbarWidth + 12);
                const auto thumbShows = [&](QRgb color) {
                    return QTest::qWaitFor(
                        [&] { return (shown(view).pixel(thumb) & 0xFFFFFF) == (color & 0xFFFFFF); },
                        10000);
                };
                QWidget *input = view->focusProxy() ? view->focusProxy() : view;
                QTest::mouseMove(input, thumb);
                QVERIFY(thumbShows(qRgb(0x00, 0x55, 0xFF)));
                QTest::mouseMove(input, QPoint(bar.left() / 2, view->height() / 2));
                QVERIFY(thumbShows(colors[FaceElement]));
                preview->closeButton()->click();
            },
            60000);
        main->findChild<QAction *>(u"mnuFileASP"_s)->trigger();
    }

private:
    QTemporaryDir m_folder;
    // Never shown, which would need a window manager to become active.
    ScriptedPlatform m_platform;
    MainWindow m_window{m_platform};
};

BARWRIGHT_TEST_MAIN(TestWebEngine)
#include "tst_WebEngine.moc"
