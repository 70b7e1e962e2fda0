#include "app/MainWindow.h"
#include "output/StyleBlock.h"
#include "storage/CRegSettings.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"

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
    void cleanup()
    {
        ProgramSettings().DeleteSetting(u"Preview Colors"_s);
        m_platform.messages.clear();
    }

    void stationeryHoldsTheBlockAndOpensCleanly();
    void incompleteCancelledOrFailedStationeryWritesNothing();
    void helpPageOpensWithEveryLinkAndCommand();

private:
    // Saves as stationery, answering the file dialog with `name`; what was written as `written`.
    QByteArray saveStationery(const QString &name, const QString &written = {})
    {
        m_platform.fileAnswers = {name.isEmpty() ? name : m_folder.filePath(name)};
        m_window.findChild<QAction *>(u"mnuFileOES"_s)->trigger();
        QFile file(m_folder.filePath(written));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
    // Never shown, which would need a window manager to become active.
    ScriptedPlatform m_platform;
    MainWindow m_window{m_platform};
};

void TestPagesInBrowser::stationeryHoldsTheBlockAndOpensCleanly()
{
    Q_UNUSED(EngineReady)
    const QByteArray page = saveStationery(u"page"_s, u"page.htm"_s); // the extension is added
    QCOMPARE(m_platform.fileDialogs.constLast().title, u"Save as Outlook Express Stationery"_s);
    QCOMPARE(m_platform.fileDialogs.constLast().defaultSuffix, u"htm"_s);
    const QString block = BuildStyleBlock(m_window.schemeTexts());
    QVERIFY(page.indexOf("<HEAD>\r\n") < page.indexOf(block.toLatin1()));
    QCOMPARE(page.indexOf(block.toLatin1()) + block.size(), page.indexOf("</HEAD>\r\n"));
    QVERIFY(page.contains("<BODY text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n"));
    QCOMPARE(page.count("\r\n"), page.count('\n'));

    WatchedPage browser;
    QVERIFY(browser.open(m_folder.filePath(u"page.htm"_s)));
    // The engine reads the element between its tags, with its line ends made LF.
    const QStringList lines = block.split(u"\r\n"_s);
    QCOMPARE(browser.evaluate(u"document.head.querySelector('style').textContent"_s).toString(),
             u'\n' + lines.mid(1, 11).join(u'\n') + u'\n');
    QCOMPARE(browser
                 .evaluate(u"getComputedStyle(document.body).backgroundColor + ' ' + "
                           "getComputedStyle(document.body).color"_s)
                 .toString(),
             u"rgb(255, 255, 255) rgb(0, 0, 0)"_s);
    QVERIFY2(browser.complaints.isEmpty(), qPrintable(browser.complaints.join(u'\n')));

    // The stored preview colours, kept inside their attributes whatever they hold; the old
    // file is replaced once the user agrees, since "page." names it too.
    CRegSettings settings = ProgramSettings();
    settings.SaveSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#12"_s);
    settings.SaveSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#FF\"><b>"_s);
    QVERIFY(saveStationery(u"page."_s, u"page.htm"_s)
                .contains("<BODY text=\"#12\" bgcolor=\"#FF&quot;&gt;&lt;b&gt;\">"));
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList{u"page.htm"_s});
    QCOMPARE(m_platform.messageTitles(), QStringList{u"Save as Outlook Express Stationery"_s});
}

void TestPagesInBrowser::incompleteCancelledOrFailedStationeryWritesNothing()
{
    QTemporaryDir empty;
    m_folder.swap(empty);
    const auto &messages = m_platform.messages;
    m_window.entryBox(3)->put(u"#C0C0"_s);
    const qsizetype dialogs = m_platform.fileDialogs.size();
    saveStationery(u"page.htm"_s);
    QCOMPARE(m_platform.messageTitles(), QStringList{u"Error"_s});
    QCOMPARE(m_platform.fileDialogs.size(), dialogs);

    m_window.entryBox(3)->put(u"#C0C0C0"_s);
    saveStationery({}); // cancelled
    saveStationery(u"missing/page.htm"_s);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[1].title, u"Error"_s);
    QCOMPARE(messages[1].style, 16);
    // The system's own words, in the user's language, come between the quotes.
    const QString lead
        = u"Barwright could not perform this operation due to the following error:\r\n\r\n\""_s;
    QVERIFY2(messages[1].text.startsWith(lead) && messages[1].text.endsWith(u'"')
                 && messages[1].text.size() > lead.size() + 1,
             qPrintable(messages[1].text));
    QVERIFY(QDir(m_folder.path()).isEmpty());
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
