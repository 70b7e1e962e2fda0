#include "app/MainWindow.h"
#include "output/StyleBlock.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QWebEnginePage>

#include <unistd.h>

using namespace Qt::StringLiterals;

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

} // namespace

// The stationery page the program writes and the help page it ships, opened in a real browser
// engine.
class TestPagesInBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stationeryOpensCleanly();
    void helpPageOpensWithEveryLinkAndCommand();

private:
    QTemporaryDir m_folder;
    // Never shown, which would need a window manager to become active.
    ScriptedPlatform m_platform;
    MainWindow m_window{m_platform};
};

void TestPagesInBrowser::stationeryOpensCleanly()
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
    QCOMPARE(browser
                 .evaluate(u"getComputedStyle(document.body).backgroundColor + ' ' + "
                           "getComputedStyle(document.body).color"_s)
                 .toString(),
             u"rgb(255, 255, 255) rgb(0, 0, 0)"_s);
    QVERIFY2(browser.complaints.isEmpty(), qPrintable(browser.complaints.join(u'\n')));
}

void TestPagesInBrowser::helpPageOpensWithEveryLinkAndCommand()
{
    WatchedPage page;
    QVERIFY(page.open(QDir(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR")).filePath(u"brw.html"_s)));
    QCOMPARE(page.title(), u"Barwright Help"_s);
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

BARWRIGHT_TEST_MAIN(TestPagesInBrowser)
#include "tst_PagesInBrowser.moc"
