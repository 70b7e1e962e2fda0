#include "app/NoticeDialog.h"
#include "color/ColorValues.h"
#include "output/PreviewPage.h"
#include "output/PreviewWindow.h"
#include "output/StyleBlock.h"
#include "storage/CRegSettings.h"
#include "support/MainWindowTest.h"
#include "support/ModalWindows.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"
#include "toolkit/MessageBox.h"

#include <QCheckBox>
#include <QStandardPaths>

#include <optional>

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

enum class Answer { NotShown, Ok, Unticked, Closed };

void answerNotice(Answer answer)
{
    WhenModal(u"msg1"_s, [answer](QWidget *window) {
        auto *notice = qobject_cast<NoticeDialog *>(window);
        VerifyTextsFit(notice);
        QVERIFY(notice->showAgainCheck()->isChecked());
        notice->showAgainCheck()->setChecked(answer == Answer::Ok);
        if (answer == Answer::Closed)
            notice->close();
        else
            notice->okButton()->click();
    });
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
    std::unique_ptr<PreviewWindow> openPreviewWindow(const QString &textColor,
                                                     const QString &backColor) const
    {
        QString error;
        const QString page = WritePreviewPage(
            m_fixture->programDir.path(),
            PreviewPageText(BuildStyleBlock(window()->schemeTexts()), textColor, backColor),
            error);
        auto preview
            = std::make_unique<PreviewWindow>(page, QString(), textColor, backColor, platform(), nullptr);
        preview->show();
        return QTest::qWaitFor([&preview] { return preview->isPageLoaded(); }, 5000)
            ? std::move(preview)
            : nullptr;
    }
    // Saves as stationery, answering the file dialog with `name`, in a folder of its own.
    QByteArray saveStationery(const QString &name, const QString &written = {}) const
    {
        platform().fileAnswers = {name.isEmpty() ? name : inProgramDir(u"pages/"_s + name)};
        trigger(u"mnuFileOES"_s);
        return ReadFile(inProgramDir(u"pages/"_s + written));
    }

private Q_SLOTS:
    void init()
    {
        ProgramSettings().DeleteSetting(General);
        ProgramSettings().DeleteSetting(Colors);
        MainWindowTest::init();
    }

    void noticeFollowsTheStoredChoice_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("after");
        QTest::newRow("nothing stored, OK") << QString() << Answer::Ok << u"1"_s;
        QTest::newRow("nothing stored, unticked") << QString() << Answer::Unticked << u"0"_s;
        QTest::newRow("closed, not by OK") << QString() << Answer::Closed << u"(absent)"_s;
        QTest::newRow("1") << u"1"_s << Answer::Ok << u"1"_s;
        QTest::newRow("anything but 1") << u"yes"_s << Answer::NotShown << u"yes"_s;
    }

    void noticeFollowsTheStoredChoice()
    {
        QFETCH(QString, before);
        QFETCH(Answer, answer);
        QFETCH(QString, after);
        if (!before.isNull())
            ProgramSettings().SaveSetting(General, ShowNotice, before);
        std::optional<ModalWindowCatcher> unexpected;
        if (answer == Answer::NotShown)
            unexpected.emplace(u"msg1"_s);
        else
            answerNotice(answer);
        bool previewed = false;
        WhenModal(u"Form3"_s, [&previewed](QWidget *window) {
            previewed = true;
            asPreview(window)->closeButton()->click();
        });
        preview();
        QVERIFY(previewed);
        QVERIFY(!unexpected || unexpected->caught() == 0);
        QCOMPARE(stored(General, ShowNotice), after);
    }

    void defaultSchemePageIsWrittenByteForByte()
    {
        answerNotice(Answer::Ok);
        WhenModal(u"Form3"_s, [](QWidget *window) {
            VerifyTextsFit(window);
            QCOMPARE(asPreview(window)->colorBox(0)->text(), u"#000000"_s);
            QCOMPARE(asPreview(window)->colorBox(1)->text(), u"#FFFFFF"_s);
            QVERIFY(!asPreview(window)->isLoading());
            asPreview(window)->closeButton()->click();
        });
        preview();
        QCOMPARE(window()->PreviewTextColor, u"#000000"_s);
        QCOMPARE(window()->PreviewBackColor, u"#FFFFFF"_s);
        // Every entry is followed by an empty line; the style block's last line ends already.
        const QByteArray expected
            = "<HTML>\r\n\r\n<HEAD>\r\n\r\n<script language='Javascript1.2'>\r\n\r\n"
              "function nrc() {\r\n\r\nif (event.button >1) {\r\n\r\n"
              "alert('Function disabled.');\r\n\r\nreturn false;}}\r\n\r\n"
              "document.onmousedown = nrc;\r\n\r\n</script>\r\n\r\n"
            + BuildStyleBlock(window()->schemeTexts()).toLatin1()
            + "\r\n\r\n</HEAD>\r\n\r\n<BODY text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n\r\n"
              "<FONT FACE=\"Tahoma,Arial,Helvetica\"><B>This is what the scrollbars will look "
              "like on your page when viewed in I.E. 5.5 or later.</B></FONT>\r\n\r\n"
              "<BR><BR><CENTER><IMG SRC=\"arrow.gif\" alt=\"Should be an arrow here. Did you "
              "delete it?\"></CENTER><BR>\r\n\r\n"
              "<script language=javascript src=\"http://www.fernwick.example/120x60ad.js\">"
              "</script>\r\n\r\n"
            + QByteArray("<BR>").repeated(17) + "\r\n\r\n</BODY>\r\n\r\n</HTML>\r\n\r\n";
        QCOMPARE(ReadFile(pagePath()), expected);
    }

    void pageGoesWhereItCanBeWritten()
    {
        const QString program = m_fixture->programDir.path();
        const QDir data(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
        QVERIFY(data.path().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        QVERIFY(WriteFile(inProgramDir(u"arrow.gif"_s), "GIF89a one"));
        QVERIFY(WriteFile(pagePath(), QByteArray(4096, 'x')));
        // An earlier, longer page is emptied first.
        QString error;
        const QString inProgram = QDir::toNativeSeparators(pagePath());
        QCOMPARE(WritePreviewPage(program, u"<HTML>\r\n"_s, error), inProgram);
        QCOMPARE(ReadFile(inProgram), QByteArray("<HTML>\r\n"));
        QVERIFY(!data.exists());

        // A folder in the page's place cannot be opened as a file, not even by the superuser:
        // the page goes to the user's data folder, with the picture, which follows a changed
        // original.
        QVERIFY(QFile::remove(inProgram) && QDir().mkdir(inProgram));
        const QString inData = QDir::toNativeSeparators(data.filePath(u"brwpreview.html"_s));
        QCOMPARE(WritePreviewPage(program, u"page"_s, error), inData);
        QCOMPARE(ReadFile(inData), QByteArray("page"));
        QCOMPARE(ReadFile(data.filePath(u"arrow.gif"_s)), QByteArray("GIF89a one"));
        QVERIFY(WriteFile(inProgramDir(u"arrow.gif"_s), "GIF89a two"));
        QCOMPARE(WritePreviewPage(program, u"page"_s, error), inData);
        QCOMPARE(ReadFile(data.filePath(u"arrow.gif"_s)), QByteArray("GIF89a two"));
        QVERIFY(error.isEmpty());

        // Nowhere: both places, each with the system's reason; the command stops before the
        // preview window, after the notice.
        QVERIFY(QFile::remove(inData) && data.mkdir(u"brwpreview.html"_s));
        QCOMPARE(WritePreviewPage(program, u"page"_s, error), QString());
        const QStringList lines = error.split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(inProgram + u": "_s) && lines[0].size() > inProgram.size() + 5,
                 qPrintable(error));
        QVERIFY2(lines[1].startsWith(inData + u": "_s) && lines[1].size() > inData.size() + 5,
                 qPrintable(error));
    }

    void commandStopsBeforeThePreviewWindow_data()
    {
        QTest::addColumn<bool>("incomplete");
        QTest::addColumn<QString>("message");
        QTest::newRow("incomplete scheme")
            << true
            << u"Can't show preview. Please enter a valid hex color value or click the palette "
               "button to choose a color for all elements."_s;
        QTest::newRow("page cannot be written")
            << false
            << u"Barwright could not perform this operation due to the following error:\r\n\r\n"_s;
    }

    void commandStopsBeforeThePreviewWindow()
    {
        QFETCH(bool, incomplete);
        QFETCH(QString, message);
        if (incomplete) {
            box(3)->put(u"#C0C0"_s);
            QVERIFY(WriteFile(pagePath(), "earlier"));
        } else {
            // Folders in the page's places cannot be opened as files.
            QVERIFY(QDir().mkpath(pagePath()));
            QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(
                                      QStandardPaths::AppLocalDataLocation)
                                  + u"/brwpreview.html"_s));
        }
        bool noticeFirst = false;
        answerNotice(Answer::Ok);
        platform().whileMessageShown = [&noticeFirst](const ScriptedPlatform::Message &) {
            noticeFirst = stored(General, ShowNotice) == u"1";
        };
        ModalWindowCatcher previewWindow(u"Form3"_s);
        preview();
        QCOMPARE(previewWindow.caught(), 0);
        QVERIFY(noticeFirst);
        QCOMPARE(platform().messageTitles(), QStringList{u"Error"_s});
        QVERIFY2(platform().messages[0].text.startsWith(message),
                 qPrintable(platform().messages[0].text));
        if (incomplete)
            QCOMPARE(ReadFile(pagePath()), QByteArray("earlier"));
    }

    void closeStoresTheColoursAsTheyStand()
    {
        ProgramSettings().SaveSetting(General, ShowNotice, u"0"_s);
        // "#12" typed in the text box, then Esc: Close is the cancel button too.
        WhenModal(u"Form3"_s, [](QWidget *window) {
            EntryBox *box = asPreview(window)->colorBox(0);
            box->setFocus();
            box->select(1, 6);
            QTest::keyClicks(box, u"12"_s);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        preview();
        QCOMPARE(stored(Colors, u"fgcolor"_s), u"#12"_s);
        QCOMPARE(stored(Colors, u"bgcolor"_s), u"#FFFFFF"_s);

        // The next page and window start from them; closing by the title bar stores nothing.
        WhenModal(u"Form3"_s, [](QWidget *window) {
            QCOMPARE(asPreview(window)->colorBox(0)->text(), u"#12"_s);
            asPreview(window)->colorBox(1)->put(u"#ABCDEF"_s);
            window->close();
        });
        preview();
        QVERIFY(ReadFile(pagePath()).contains("\r\n<BODY text=\"#12\" bgcolor=\"#FFFFFF\">\r\n"));
        QCOMPARE(stored(Colors, u"bgcolor"_s), u"#FFFFFF"_s);
    }

    void colourBoxesTryColoursOnThePage()
    {
        const std::unique_ptr<PreviewWindow> preview = openPreviewWindow(u"#112233"_s, u"#445566"_s);
        QVERIFY(preview);
        const PageView *view = preview->pageView();
        // The plain view shows the page in its own colours and says what it cannot show.
        QVERIFY(preview->findChild<QLabel *>(u"scrollbarNote"_s)->isVisible());
        QCOMPARE(ReadDocumentColor(view, Text), u"#112233"_s);
        QCOMPARE(ReadDocumentColor(view, Background), u"#445566"_s);

        EntryBox *text = preview->colorBox(0);
        text->put(u"#12345"_s);
        text->setFocus();
        text->end(false);
        QTest::keyClicks(text, u"6"_s);
        QCOMPARE(ReadDocumentColor(view, Text), u"#123456"_s);
        QCOMPARE(text->selectedText(), u"123456"_s);

        // Deleting the "#" brings it back, caret at the end, and applies the colour again.
        text->put(u"#654321"_s);
        preview->pageView()->setDocumentColor(Text, u"#000000"_s);
        text->home(false);
        QTest::keyClick(text, Qt::Key_Delete);
        QCOMPARE(text->text(), u"#654321"_s);
        QCOMPARE(text->cursorPosition(), 7);
        QCOMPARE(ReadDocumentColor(view, Text), u"#654321"_s);

        // A complete text that is no colour stays off the page; the palette's choice goes on.
        preview->colorBox(1)->put(u"#GGGGGG"_s);
        QCOMPARE(ReadDocumentColor(view, Background), u"#445566"_s);
        platform().colorAnswers = {0x3366FF}; // red in the low byte
        preview->paletteButton(1)->click();
        QCOMPARE(platform().colorRequests, QList<int>{HexToColor(u"#GGGGGG"_s)});
        QCOMPARE(ReadDocumentColor(view, Background), u"#FF6633"_s);
    }

    void loadingFlagOutlastsAnUnchangedBackgroundBox()
    {
        // A stored "#" leaves the background box as it was made, so the load never clears the
        // flag: the first change of that box only clears it, and nothing before reaches the
        // page.
        const std::unique_ptr<PreviewWindow> preview = openPreviewWindow(u"#112233"_s, u"#"_s);
        QVERIFY(preview);
        QVERIFY(preview->isLoading());
        preview->colorBox(0)->put(u"#ABCDEF"_s);
        preview->colorBox(1)->put(u"#FEDCBA"_s);
        QVERIFY(!preview->isLoading());
        QCOMPARE(ReadDocumentColor(preview->pageView(), Text), u"#112233"_s);
        QVERIFY(ReadDocumentColor(preview->pageView(), Background) != u"#FEDCBA"_s);
        preview->colorBox(1)->put(u"#FEDCBA"_s);
        QCOMPARE(ReadDocumentColor(preview->pageView(), Background), u"#FEDCBA"_s);
    }

    void stationeryHoldsTheBlockInThePreviewColours()
    {
        QVERIFY(QDir().mkpath(inProgramDir(u"pages"_s)));
        const QByteArray page = saveStationery(u"page"_s, u"page.htm"_s); // extension added
        const ScriptedPlatform::FileDialog dialog = platform().fileDialogs.constLast();
        QVERIFY(dialog.save);
        QCOMPARE(dialog.folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(dialog.defaultSuffix, u"htm"_s);
        const QByteArray block = BuildStyleBlock(window()->schemeTexts()).toLatin1();
        QVERIFY(page.indexOf("<HEAD>\r\n") < page.indexOf(block));
        QCOMPARE(page.indexOf(block) + block.size(), page.indexOf("</HEAD>\r\n"));
        QVERIFY(page.contains("<BODY text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n"));
        QCOMPARE(page.count("\r\n"), page.count('\n'));

        // The stored preview colours, kept inside their attributes whatever they hold; the old
        // file is replaced once the user agrees, since "page." names it too.
        CRegSettings settings = ProgramSettings();
        settings.SaveSetting(Colors, u"fgcolor"_s, u"#12"_s);
        settings.SaveSetting(Colors, u"bgcolor"_s, u"#FF\"><b>"_s);
        QVERIFY(saveStationery(u"page."_s, u"page.htm"_s)
                    .contains("<BODY text=\"#12\" bgcolor=\"#FF&quot;&gt;&lt;b&gt;\">"));
        QCOMPARE(QDir(inProgramDir(u"pages"_s)).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"page.htm"_s});
        QCOMPARE(platform().messageTitles(), QStringList{u"Save as Outlook Express Stationery"_s});
    }

    void stationeryIncompleteCancelledOrFailedWritesNothing()
    {
        QVERIFY(QDir().mkpath(inProgramDir(u"pages"_s)));
        box(3)->put(u"#C0C0"_s);
        saveStationery(u"page.htm"_s);
        QCOMPARE(platform().messageTitles(), QStringList{u"Error"_s});
        QVERIFY(platform().fileDialogs.isEmpty());

        box(3)->put(u"#C0C0C0"_s);
        saveStationery({}); // cancelled
        saveStationery(u"missing/page.htm"_s);
        const auto &messages = platform().messages;
        QCOMPARE(platform().messageTitles(), (QStringList{u"Error"_s, u"Error"_s}));
        QCOMPARE(messages[1].style, int(MessageBoxStyle::Critical));
        // The system's own words, in the user's language, come between the quotes.
        const QString lead
            = u"Barwright could not perform this operation due to the following error:\r\n\r\n\""_s;
        QVERIFY2(messages[1].text.startsWith(lead) && messages[1].text.endsWith(u'"')
                     && messages[1].text.size() > lead.size() + 1,
                 qPrintable(messages[1].text));
        QVERIFY(QDir(inProgramDir(u"pages"_s)).isEmpty());
    }
};

BARWRIGHT_TEST_MAIN(TestActualSizePreview)
#include "tst_ActualSizePreview.moc"
