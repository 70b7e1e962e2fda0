#include "color/ColorValues.h"
#include "output/CodeText.h"
#include "output/PagePreviewWindow.h"
#include "output/PreviewPage.h"
#include "output/PreviewWindow.h"
#include "output/StyleBlock.h"
#include "storage/CRegSettings.h"
#include "support/MainWindowTest.h"
#include "support/ModalWindows.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using enum PageView::DocumentColor;

namespace {

const QString General = u"General"_s;
const QString ShowNotice = u"Show Message 1"_s;
const QString Colors = u"Preview Colors"_s;

QString stored(const QString &section, const QString &name)
{
    return ProgramSettings().GetSetting(section, name, u"(absent)"_s);
}

PreviewWindow *asPreview(QWidget *window)
{
    return qobject_cast<PreviewWindow *>(window);
}

} // namespace

// The pages the program writes: the Actual Size Preview command with its notice, page and
// preview window, and the stationery command. Pages show in the plain HTML view here; the web
// engine's view has a test of its own.
class TestActualSizePreview : public MainWindowTest
{
    Q_OBJECT

private:
    void preview() const { trigger(u"mnuFileASP"_s); }
    QString pagePath() const { return inProgramDir(u"brwpreview.html"_s); }
    // Saves as stationery into a folder of its own, answering the file dialog with `name`.
    QByteArray saveStationery(const QString &name) const
    {
        platform().fileAnswers = {name.isEmpty() ? name : inProgramDir(u"pages/"_s + name)};
        trigger(u"mnuFileOES"_s);
        return ReadFile(inProgramDir(u"pages/"_s + name));
    }

private Q_SLOTS:
    void init()
    {
        ProgramSettings().DeleteSetting(General);
        ProgramSettings().DeleteSetting(Colors);
        MainWindowTest::init();
    }

    void pageAndWindowStartFromTheStoredColours()
    {
        ProgramSettings().SaveSetting(General, ShowNotice, u"0"_s);
        // "#12" typed in the text box, then Esc: Close is the cancel button too.
        WhenModal(u"Form3"_s, [](QWidget *window) {
            VerifyTextsFit(window);
            EntryBox *box = asPreview(window)->colorBox(0);
            box->setFocus();
            box->select(1, 6);
            QTest::keyClicks(box, u"12"_s);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        preview();
        // The style block's last line ends already; an empty line follows it.
        const QByteArray page = ReadFile(pagePath());
        const QByteArray block = BuildStyleBlock(window()->schemeTexts()).toLatin1();
        QVERIFY(page.contains("</script>\r\n\r\n" + block
                              + "\r\n\r\n</HEAD>\r\n\r\n<BODY text=\"#000000\" bgcolor=\"#FFFFFF\">"
                                "\r\n\r\n"));

        // The next window starts from the stored colours; closing by the title bar stores nothing.
        // The user's browser is shown the page as the window shows it, with the sheet for
        // today's browsers, in a file of its own.
        WhenModal(u"Form3"_s, [](QWidget *window) {
            QCOMPARE(asPreview(window)->colorBox(0)->text(), u"#12"_s);
            asPreview(window)->colorBox(1)->put(u"#ABCDEF"_s);
            asPreview(window)->browserButton()->click();
            window->close();
        });
        preview();
        QVERIFY(ReadFile(pagePath()).contains("\r\n<BODY text=\"#12\" bgcolor=\"#FFFFFF\">\r\n"));
        QCOMPARE(stored(Colors, u"bgcolor"_s), u"#FFFFFF"_s);
        const QString browserPage = QDir::toNativeSeparators(inProgramDir(u"brwbrowser.html"_s));
        QCOMPARE(platform().launched, QStringList{browserPage});
        CodeOptions modern{CodeFormat::Modern, {}};
        const QByteArray sheet = BuildCode(window()->scheme(), modern)->toLatin1();
        QVERIFY(ReadFile(browserPage)
                    .contains(block + "\r\n" + sheet
                              + "\r\n\r\n</HEAD>\r\n\r\n<BODY text=\"#12\" "
                                "bgcolor=\"#ABCDEF\">"));
    }

    // "Dark" is offered only for a scheme with a dark variant; both choices are stored on Close.
    void engineAndVariantChoicesAreRemembered()
    {
        const QStringList looks{u"Chromium"_s, u"Firefox"_s, u"Forced"_s};
        for (const auto &[dark, look, theme] :
             {std::tuple(false, 1, u"Dark"_s), std::tuple(true, 2, u"Dark"_s),
              std::tuple(true, 0, u"Light"_s)}) {
            CRegSettings settings = ProgramSettings();
            settings.SaveSetting(General, ShowNotice, u"0"_s);
            settings.SaveSetting(Colors, u"showas"_s, looks[look]);
            settings.SaveSetting(Colors, u"theme"_s, theme);
            if (dark && !window()->scheme().dark)
                trigger(u"mnuEditDerive"_s);
            WhenModal(u"Form3"_s, [&](QWidget *window) {
                PreviewWindow *preview = asPreview(window);
                VerifyTextsFit(window);
                QCOMPARE(preview->engineChoice()->currentIndex(), look);
                QCOMPARE(preview->variantChoice(true)->isVisibleTo(window), dark);
                QCOMPARE(preview->variantChoice(true)->isChecked(), dark && theme == u"Dark"_s);
                preview->engineChoice()->setCurrentIndex((look + 1) % 3);
                preview->variantChoice(theme == u"Light"_s)->setChecked(true);
                preview->closeButton()->click();
            });
            preview();
            QCOMPARE(stored(Colors, u"showas"_s), looks[(look + 1) % 3]);
            // Without a dark variant, the stored choice waits for a scheme that has one.
            QCOMPARE(stored(Colors, u"theme"_s) == theme, !dark);
        }
    }

    void pageGoesWhereItCanBeWritten()
    {
        const QString program = m_fixture->programDir.path();
        const QDir data(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
#ifndef Q_OS_WIN
        QVERIFY(data.path().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
#endif
        data.rmdir(u"brwpreview.html"_s); // on Windows the user's own folder, kept between runs
        QVERIFY(WriteFile(inProgramDir(u"arrow.gif"_s), "GIF89a one"));
        // A folder in the page's place cannot be opened as a file, not even by the superuser:
        // the page goes to the user's data folder, with the picture.
        QString error;
        const QString inProgram = QDir::toNativeSeparators(pagePath());
        QVERIFY(QDir().mkdir(inProgram));
        const QString inData = QDir::toNativeSeparators(data.filePath(u"brwpreview.html"_s));
        QCOMPARE(WritePreviewPage(program, u"page"_s, error), inData);
        QCOMPARE(ReadFile(inData), QByteArray("page"));
        QCOMPARE(ReadFile(data.filePath(u"arrow.gif"_s)), QByteArray("GIF89a one"));
#ifndef Q_OS_WIN
        // A system-wide installation is left as the package manager put it, even for root.
        if (QTemporaryDir installed(u"/opt/barwright-XXXXXX"_s); installed.isValid()) {
            QCOMPARE(WritePreviewPage(installed.path(), u"installed"_s, error), inData);
            QCOMPARE(QDir(installed.path()).entryList(QDir::Files), QStringList());
        }
#endif

        // Nowhere: the command tells both places, each with the system's reason, and opens no
        // preview window.
        QVERIFY(QFile::remove(inData) && data.mkdir(u"brwpreview.html"_s));
        ProgramSettings().SaveSetting(General, ShowNotice, u"0"_s);
        ModalWindowCatcher previewWindow(u"Form3"_s);
        preview();
        QCOMPARE(previewWindow.caught(), 0);
        QCOMPARE(platform().messageTitles(), QStringList{u"Error"_s});
        const QString text = platform().messages[0].text;
        QVERIFY2(text.contains(u'"' + inProgram + u": "_s)
                     && text.contains(u'\n' + inData + u": "_s),
                 qPrintable(text));
    }

    void incompleteSchemeWritesNoPageAfterTheNotice_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("named"); // in the message; none for the classic block's own
        QTest::newRow("3dlight") << 3 << false << QString();
        QTest::newRow("hover face") << int(HoverIndex) << false << u"the Hover Face box."_s;
        QTest::newRow("dark face") << 0 << true << u"the Face Color box of the dark colors."_s;
    }

    // Ticking and unticking the notice's check is proven on the base colour's notice.
    void incompleteSchemeWritesNoPageAfterTheNotice()
    {
        QFETCH(int, index);
        QFETCH(bool, dark);
        QFETCH(QString, named);
        if (dark)
            trigger(u"mnuEditDerive"_s);
        box(index)->put(u"#C0C0"_s);
        QVERIFY(WriteFile(pagePath(), "earlier"));
        WhenModal(u"msg1"_s, [](QWidget *notice) {
            VerifyTextsFit(notice);
            QVERIFY(notice->findChild<QLabel *>(u"Label1"_s)->text().contains(u"built-in"_s));
            notice->close(); // not by OK: nothing is stored
        });
        ModalWindowCatcher previewWindow(u"Form3"_s);
        preview();
        QCOMPARE(stored(General, ShowNotice), u"(absent)"_s);
        QCOMPARE(previewWindow.caught(), 0);
        QCOMPARE(platform().messageTitles(), QStringList{u"Error"_s});
        QVERIFY(platform().messages[0].text.endsWith(named));
        QCOMPARE(ReadFile(pagePath()), QByteArray("earlier"));
        // The stationery's classic block needs the light colours alone.
        saveStationery(u"page.htm"_s);
        QCOMPARE(platform().fileDialogs.isEmpty(), named.isEmpty());
    }

    void colourBoxesTryColoursOnThePage()
    {
        QVERIFY(WriteFile(pagePath(), PreviewPageText({}, u"#112233"_s, u"#445566"_s).toLatin1()));
        PreviewWindow preview(pagePath(), {}, u"#112233"_s, u"#445566"_s, platform(), nullptr);
        preview.show();
        QTRY_VERIFY(preview.isPageLoaded());
        const PageView *view = preview.pageView();
        EntryBox *text = preview.colorBox(0);
        text->put(u"#12345"_s);
        text->setFocus();
        text->end(false);
        QTest::keyClicks(text, u"6"_s);
        QCOMPARE(ReadDocumentColor(view, Text), u"#123456"_s);
        QCOMPARE(text->selectedText(), u"123456"_s);

        // Deleting the "#" brings it back, caret at the end, and applies the colour again.
        text->put(u"#654321"_s);
        preview.pageView()->setDocumentColor(Text, u"#000000"_s);
        text->home(false);
        QTest::keyClick(text, Qt::Key_Delete);
        QCOMPARE(text->text(), u"#654321"_s);
        QCOMPARE(text->cursorPosition(), 7);
        QCOMPARE(ReadDocumentColor(view, Text), u"#654321"_s);

        // The palette opens on what the box holds, no colour here; its choice goes on the page.
        preview.colorBox(1)->put(u"#GGGGGG"_s);
        platform().colorAnswers = {0x3366FF}; // red in the low byte
        preview.paletteButton(1)->click();
        QCOMPARE(platform().colorRequests, QList<int>{HexToColor(u"#GGGGGG"_s)});
        QCOMPARE(ReadDocumentColor(view, Background), u"#FF6633"_s);
    }

    // Without the web view module, as on Windows: a copy of the page with the sheet as its last
    // style sheet, beside the original so that its own files are found, opened in the browser.
    void pagePreviewWithoutTheWebViewOpensACopyInTheBrowser()
    {
        QVERIFY(QDir().mkpath(inProgramDir(u"site"_s)));
        const QByteArray original = "<html><HEAD><link rel=stylesheet href=site.css></HEAD>"
                                    "<body>caf\xE9</body></html>";
        QVERIFY(WriteFile(inProgramDir(u"site/index.html"_s), original));
        platform().fileAnswers = {inProgramDir(u"site/index.html"_s)};
        trigger(u"mnuFilePagePreview"_s);
        const QString copy = inProgramDir(u"site/index.barwright.html"_s);
        QCOMPARE(platform().launched, QStringList{copy});
        const QByteArray sheet = PagePreviewWindow::PageSheet(window()->scheme()).toUtf8();
        QVERIFY(sheet.contains("scrollbar-color"));
        QCOMPARE(ReadFile(copy),
                 "<html><HEAD><link rel=stylesheet href=site.css><style id=\"barwright-sheet\">\n"
                     + sheet + "</style>\n</HEAD><body>caf\xE9</body></html>");
        QCOMPARE(ReadFile(inProgramDir(u"site/index.html"_s)), original);
        QCOMPARE(platform().messageTitles(), QStringList{u"Preview on a Page"_s});
        QVERIFY(platform().messages[0].text.contains(u"\"index.barwright.html\", beside"_s));

        // An incomplete colour: the page is not asked for.
        box(0)->put(u"#12"_s);
        trigger(u"mnuFilePagePreview"_s);
        QCOMPARE(platform().messageTitles().last(), u"Oops!"_s);
        QCOMPARE(platform().fileDialogs.size(), 1);
    }

    // Naming and replacing the file are the save dialog's, proven with schemes; here the stored
    // colours stay inside their attributes, whatever they hold.
    void stationeryHoldsThePreviewColours()
    {
        QVERIFY(QDir().mkpath(inProgramDir(u"pages"_s)));
        CRegSettings settings = ProgramSettings();
        settings.SaveSetting(Colors, u"fgcolor"_s, u"#12"_s);
        settings.SaveSetting(Colors, u"bgcolor"_s, u"#FF\"><b>"_s);
        const QByteArray page = saveStationery(u"page.htm"_s);
        const QByteArray body = "<BODY text=\"#12\" bgcolor=\"#FF&quot;&gt;&lt;b&gt;\">\r\n";
        QVERIFY(page.contains(BuildStyleBlock(window()->schemeTexts()).toLatin1() + "</HEAD>\r\n"
                              + body));
        QCOMPARE(page.count("\r\n"), page.count('\n'));
        QVERIFY(PreviewPageText({}, u"#12"_s, u"#FF\"><b>"_s).contains(QString::fromLatin1(body)));

        // Cancelled, or into a missing folder: nothing is written, and the failure is told.
        QVERIFY(QFile::remove(inProgramDir(u"pages/page.htm"_s)));
        saveStationery({});
        saveStationery(u"missing/page.htm"_s);
        QCOMPARE(platform().messageTitles(), QStringList{u"Error"_s});
        QVERIFY(QDir(inProgramDir(u"pages"_s)).isEmpty());
    }
};

BARWRIGHT_TEST_MAIN(TestActualSizePreview)
#include "tst_ActualSizePreview.moc"
