#include "output/CodeWindow.h"
#include "output/ModernStyleSheet.h"
#include "output/PagePreviewWindow.h"
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

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QWebEnginePage>
#include <QWebEngineView>

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

// A main window whose program folder holds the web view module and the preview's picture, as
// the build put them beside the program. No window manager hands out the focus here: shown is
// enough.
MainWindow *openWithWebView(MainWindowFixture &fixture)
{
    const QDir built(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR"));
    const QStringList files = built.entryList({u"barwright_webview*"_s, u"arrow.gif"_s});
    for (const QString &file : files)
        QFile::copy(built.filePath(file), fixture.programDir.filePath(file));
    fixture.platform.programDir = fixture.programDir.path();
    fixture.window = std::make_unique<MainWindow>(fixture.platform);
    fixture.window->show();
    return files.size() == 2 && QTest::qWaitForWindowExposed(fixture.window.get())
        ? fixture.window.get()
        : nullptr;
}

// Preview on a Page, with the page or address opened, or typed into the window, and its
// findings shown.
PagePreviewWindow *previewOnPage(MainWindow *main, const QString &page, bool typed = false)
{
    main->findChild<QAction *>(u"mnuFilePagePreview"_s)->trigger();
    PagePreviewWindow *preview = main->pagePreview();
    QSignalSpy found(preview, &PagePreviewWindow::findingsShown);
    if (typed) {
        QTest::keyClicks(preview->pageChoice(), page);
        QTest::keyClick(preview->pageChoice(), Qt::Key_Return);
    }
    return (typed || preview->openPage(page)) && found.wait(30000) ? preview : nullptr;
}

// What a script gives in the page's own world.
QVariant inPage(PagePreviewWindow *preview, const QString &script)
{
    QVariant result;
    bool done = false;
    qobject_cast<QWebEngineView *>(preview->pageView()->widget())
        ->page()
        ->runJavaScript(script, [&](const QVariant &value) {
            result = value;
            done = true;
        });
    return QTest::qWaitFor([&] { return done; }, 10000) ? result : QVariant();
}

const QByteArray DaisyPage = "<!DOCTYPE html><html><head><style>\n"
                             ":root { scrollbar-color: #888888 #EEEEEE; }\n"
                             "</style></head><body style=\"height: 2000px\">\n"
                             "<div class=\"box\" style=\"position: fixed; left: 8px; top: 8px; "
                             "width: 200px; height: 150px; overflow: scroll\">"
                             "<div style=\"width: 400px; height: 400px\"></div></div>"
                             "</body></html>";

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

    void pagePreviewFindsWhatSwitchesTheSchemeOff_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("scope");
        QTest::addColumn<QStringList>("found"); // each finding's first line
        QTest::addColumn<QString>("rule"); // the first finding's
        QTest::addColumn<QString>("imported"); // the face colour Import from This Page takes

        QTest::newRow("daisyUI's root colours, whole page")
            << DaisyPage << QString()
            << QStringList{u"html: scrollbar-color: #888888 #EEEEEE applies to it."_s,
                           u"div.box: scrollbar-color: #888888 #EEEEEE is inherited from html."_s}
            << u"page.html:2:9: :root { scrollbar-color: #888888 #EEEEEE }"_s << QString();
        QTest::newRow("Tailwind's thin scroller")
            << QByteArray("<html><head><style>.scrollbar-thin { scrollbar-width: thin }</style>"
                          "</head><body><div class=\"list scrollbar-thin\" style=\"height: 100px; "
                          "overflow-y: auto\"><p style=\"height: 300px\">Items</p></div>"
                          "<img src=\"https://cdn.example.com/logo.png\"></body></html>")
            << QString()
            << QStringList{u"div.list.scrollbar-thin: scrollbar-width: thin applies to it."_s}
            << u"page.html:1:38: .scrollbar-thin { scrollbar-width: thin }"_s << QString();
        QTest::newRow("a hidden strip, legacy colours on the body")
            << QByteArray("<!DOCTYPE html><html><head><style>\n"
                          ".strip { overflow-x: auto; scrollbar-width: none; }\n"
                          ".strip::-webkit-scrollbar { display: none; }\n"
                          "body { scrollbar-face-color: #336699; }\n"
                          "</style></head><body style=\"height: 2000px\"><div class=\"strip\" "
                          "style=\"width: 200px; white-space: nowrap\">"
                          + QByteArray("A strip of tags that scrolls sideways. ").repeated(8)
                          + "</div></body></html>")
            << QString()
            << QStringList{u"div.strip: Hidden on purpose with scrollbar-width: none."_s,
                           u"div.strip: Hidden on purpose with ::-webkit-scrollbar { display: "
                           "none }."_s,
                           u"body: scrollbar-face-color: #336699 is a legacy color that today's "
                           "browsers ignore."_s,
                           u"body: A scrollbar rule on body, while the page scrolls on its root "
                           "element."_s}
            << u"page.html:2:28: .strip { scrollbar-width: none }"_s << u"#336699"_s;
        QTest::newRow("daisyUI's root colours, scoped to the box")
            << DaisyPage << u".box"_s
            << QStringList{u"html: scrollbar-color: #888888 #EEEEEE applies to it."_s,
                           u"div.box: scrollbar-color: #888888 #EEEEEE is inherited from html."_s}
            << QString() << QString();
        QTest::newRow("a scope that matches nothing")
            << DaisyPage << u"#sidebar"_s
            << QStringList{u"#sidebar: The scope \"#sidebar\" matches no element on this page."_s,
                           u"html: scrollbar-color: #888888 #EEEEEE applies to it."_s}
            << QString() << QString();
    }

    void pagePreviewFindsWhatSwitchesTheSchemeOff()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, scope);
        QFETCH(QStringList, found);
        QFETCH(QString, rule);
        QFETCH(QString, imported);
        ProgramSettings().SaveSetting(u"Code"_s, u"Scope"_s, scope);
        MainWindowFixture fixture;
        MainWindow *main = openWithWebView(fixture);
        QVERIFY(main);
        const QString path = fixture.programDir.filePath(u"page.html"_s);
        QVERIFY(WriteFile(path, page));
        PagePreviewWindow *preview = previewOnPage(main, path);
        QVERIFY(preview);

        // One entry per finding, for screen readers too; each names the rule that causes it.
        QListWidget *list = preview->findingsList();
        QStringList shown;
        QAccessibleInterface *readable = QAccessible::queryAccessibleInterface(list);
        for (int i = 0; i < list->count(); ++i) {
            shown << list->item(i)->text().section(u'\n', 0, 0);
            QCOMPARE(readable->child(i)->text(QAccessible::Name), list->item(i)->text());
        }
        QVERIFY2(shown == found, qPrintable(shown.join(u'\n')));
        QCOMPARE(readable->childCount(), int(found.size()));
        // From a file too, every request to another host is refused and counted.
        QTRY_COMPARE(preview->blockedCount(), int(page.count("https://")));
        if (!rule.isEmpty())
            QVERIFY2(list->item(0)->text().contains(
                         u"Rule: "_s + QUrl::fromLocalFile(path).toString().chopped(9) + rule),
                     qPrintable(list->item(0)->text()));
        // The inherited colour is reset inside the scope; outside it the scope is blamed.
        if (scope == u".box"_s) {
            QVERIFY(list->item(0)->text().contains(u"scope does not cover"_s));
            QVERIFY(list->item(1)->text().contains(u"resets it"_s));
        }

        // Selecting a finding outlines its element for a moment.
        const int first = list->item(0)->data(Qt::UserRole).toInt();
        if (first >= 0) {
            const QString selector = found.first().section(u": "_s, 0, 0);
            const QString outline = u"document.querySelector('%1').style.outline"_s.arg(selector);
            list->setCurrentRow(0);
            QTRY_VERIFY(inPage(preview, outline).toString().contains(u"3px"_s));
            QTRY_COMPARE_WITH_TIMEOUT(inPage(preview, outline).toString(), QString(), 5000);
        }

        QCOMPARE(preview->importButton()->isEnabled(), !imported.isEmpty());
        if (!imported.isEmpty()) {
            fixture.platform.messageAnswers = {MessageBoxResult::No}; // not saved first
            WhenModal(u"frmImportReport"_s, [](QWidget *report) { report->close(); });
            preview->importButton()->click();
            QCOMPARE(main->entryBox(FaceElement)->text(), imported);
        }
    }

    // A put reaches the scoped scroller of the page at once, without a reload: the page keeps
    // its scroll position.
    void pagePreviewShowsEveryPutInPlace()
    {
        ProgramSettings().SaveSetting(u"Code"_s, u"Scope"_s, u".box"_s);
        MainWindowFixture fixture;
        MainWindow *main = openWithWebView(fixture);
        QVERIFY(main);
        const QString path = fixture.programDir.filePath(u"page.html"_s);
        QVERIFY(WriteFile(path, DaisyPage));
        PagePreviewWindow *preview = previewOnPage(main, path);
        QVERIFY(preview);
        QCOMPARE(inPage(preview, u"window.scrollTo(0, 300); window.scrollY"_s).toInt(), 300);
        QSignalSpy loads(preview, &PagePreviewWindow::pageLoaded);

        QWidget *view = preview->pageView()->widget();
        // Inside the bevel of the box's vertical thumb, below its up arrow.
        const QPoint thumb(8 + 200 - DefaultScrollbarWidth / 2, 8 + DefaultScrollbarWidth + 8);
        for (const QRgb face : {qRgb(0xCC, 0x33, 0x00), qRgb(0x00, 0x66, 0xCC)}) {
            main->entryBox(FaceElement)->put(QColor(face).name().toUpper());
            QTRY_COMPARE_WITH_TIMEOUT(shown(view).pixel(thumb) & 0xFFFFFF, face & 0xFFFFFF, 10000);
        }
        // A choice in the code window reaches the page while that window is open: the wider
        // bar takes in a point left of the narrow one.
        const QPoint wider(8 + 200 - 20, 8 + 24 + 8);
        WhenModal(u"Form2"_s, [&](QWidget *code) {
            code->move(view->mapToGlobal(wider) + QPoint(50, 50)); // clear of the page
            qobject_cast<CodeWindow *>(code)->widthField()->setValue(24);
            QTRY_COMPARE_WITH_TIMEOUT(shown(view).pixel(wider) & 0xFFFFFF, 0x0066CCu, 10000);
            code->close();
        });
        main->findChild<QAction *>(u"mnuFileCopy"_s)->trigger();
        ProgramSettings().SaveSetting(u"Code"_s, u"Width"_s,
                                      QString::number(DefaultScrollbarWidth));
        QCOMPARE(loads.count(), 0);
        QCOMPARE(inPage(preview, u"window.scrollY"_s).toInt(), 300);
    }

    // A page from a development server on this computer: requests to other hosts are blocked
    // and counted, the server's own sheet is read, and Reload loads the page anew.
    void pagePreviewTakesADevelopmentServerAndBlocksOtherHosts()
    {
        ProgramSettings().SaveSetting(u"Code"_s, u"Scope"_s, QString());
        MainWindowFixture fixture;
        MainWindow *main = openWithWebView(fixture);
        QVERIFY(main);
        const QDir site(fixture.programDir.filePath(u"site"_s));
        QVERIFY(site.mkpath(u"."_s));
        QVERIFY(WriteFile(site.filePath(u"site.css"_s), "html { scrollbar-color: red blue }\n"));
        QVERIFY(WriteFile(site.filePath(u"index.html"_s),
                          "<html><head><link rel=\"stylesheet\" href=\"site.css\">"
                          "<script src=\"https://cdn.example.com/framework.js\"></script></head>"
                          "<body><img src=\"http://images.example.com/logo.png\"></body></html>"));
        QProcess server;
        server.setWorkingDirectory(site.path());
        server.start(u"python3"_s,
                     {u"-u"_s, u"-m"_s, u"http.server"_s, u"0"_s, u"--bind"_s, u"127.0.0.1"_s});
        QString port;
        QVERIFY(QTest::qWaitFor(
            [&] {
                server.waitForReadyRead(100);
                port = QString::fromLatin1(server.peek(200))
                           .section(u" port "_s, 1)
                           .section(u' ', 0, 0);
                return !port.isEmpty();
            },
            10000));
        const QString address = u"http://127.0.0.1:%1/"_s.arg(port);

        PagePreviewWindow *preview = previewOnPage(main, u"127.0.0.1:"_s + port, true);
        QVERIFY(preview);
        QTRY_COMPARE(preview->blockedCount(), 2);
        QVERIFY(preview->findChild<QLabel *>(u"lblStatus"_s)
                    ->text()
                    .contains(u"2 requests to other hosts were blocked."_s));
        QVERIFY(preview->findingsList()->item(0)->text().contains(
            u"Rule: "_s + address + u"site.css:1:8: html { scrollbar-color: red blue }"_s));

        QSignalSpy loads(preview, &PagePreviewWindow::pageLoaded);
        QTest::keyClick(preview, Qt::Key_F5);
        QVERIFY(loads.wait(30000));
        QTRY_COMPARE(preview->blockedCount(), 2);
        StopProcess(server);

        // Only this computer's pages, and the last ten of them, latest first.
        QVERIFY(!preview->openPage(u"https://example.com/"_s));
        QCOMPARE(fixture.platform.messageTitles(), QStringList{u"Oops!"_s});
        for (int i = 0; i < 10; ++i)
            QVERIFY(preview->openPage(fixture.programDir.filePath(u"page%1.html"_s.arg(i))));
        QCOMPARE(preview->pageChoice()->count(), 10);
        QCOMPARE(preview->pageChoice()->itemText(0), fixture.programDir.filePath(u"page9.html"_s));
        QCOMPARE(preview->recentPages().last(), fixture.programDir.filePath(u"page0.html"_s));
    }

    // Last: the colours tried in the preview stay in the settings.
    void previewShowsTheSchemeAndTriedColours()
    {
        MainWindowFixture fixture;
        MainWindow *main = openWithWebView(fixture);
        QVERIFY(main);
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
