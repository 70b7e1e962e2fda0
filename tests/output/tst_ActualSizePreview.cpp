#include "app/NoticeDialog.h"
#include "color/ColorValues.h"
#include "output/PageView.h"
#include "output/PreviewPage.h"
#include "output/PreviewWindow.h"
#include "output/StyleBlock.h"
#include "storage/CRegSettings.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

#include <optional>

using namespace Qt::StringLiterals;
using DocumentColor = PageView::DocumentColor;

namespace {

const QString General = u"General"_s;
const QString ShowNotice = u"Show Message 1"_s;
const QString Colors = u"Preview Colors"_s;

QString stored(const QString &section, const QString &name)
{
    return ProgramSettings().GetSetting(section, name, u"(absent)"_s);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

PreviewWindow *asPreview(QWidget *window)
{
    return qobject_cast<PreviewWindow *>(window);
}

void closePreview(QWidget *window)
{
    asPreview(window)->closeButton()->click();
}

enum class Answer { NotShown, Ok, Unticked, Closed };

void answerNotice(Answer answer)
{
    WhenModal(u"msg1"_s, [answer](QWidget *window) {
        auto *notice = qobject_cast<NoticeDialog *>(window);
        QVERIFY(notice->showAgainCheck()->isChecked());
        notice->showAgainCheck()->setChecked(answer == Answer::Ok);
        if (answer == Answer::Closed)
            notice->close();
        else
            notice->okButton()->click();
    });
}

} // namespace

// The Actual Size Preview command with its notice, page and preview window. Pages show in the
// plain HTML view here; the web engine's view has a test of its own.
class TestActualSizePreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void noticeFollowsTheStoredChoice_data();
    void noticeFollowsTheStoredChoice();
    void defaultSchemePageIsWrittenByteForByte();
    void commandStopsBeforeThePreviewWindow_data();
    void commandStopsBeforeThePreviewWindow();
    void closeStoresTheColoursAsTheyStand();
    void colourBoxesTryColoursOnThePage();
    void loadingFlagOutlastsAnUnchangedBackgroundBox();

private:
    void preview() { m_fixture->window->findChild<QAction *>(u"mnuFileASP"_s)->trigger(); }
    QString pagePath() const { return m_fixture->programDir.filePath(u"brwpreview.html"_s); }
    std::unique_ptr<PreviewWindow> openPreviewWindow(const QString &textColor,
                                                     const QString &backColor);

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestActualSizePreview::init()
{
    ProgramSettings().DeleteSetting(General);
    ProgramSettings().DeleteSetting(Colors);
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
}

void TestActualSizePreview::cleanup()
{
    m_fixture.reset();
}

static QString documentColor(PreviewWindow &window, DocumentColor which)
{
    QString color;
    window.pageView()->readDocumentColor(which, [&color](const QString &read) { color = read; });
    if (!QTest::qWaitFor([&color] { return !color.isEmpty(); }, 5000))
        return u"(not read)"_s;
    return color;
}

std::unique_ptr<PreviewWindow> TestActualSizePreview::openPreviewWindow(const QString &textColor,
                                                                        const QString &backColor)
{
    QString error;
    const QString page = WritePreviewPage(
        m_fixture->programDir.path(),
        PreviewPageText(BuildStyleBlock(m_fixture->window->schemeTexts()), textColor, backColor),
        error);
    auto window
        = std::make_unique<PreviewWindow>(page, QString(), textColor, backColor, m_fixture->platform, nullptr);
    window->show();
    if (!QTest::qWaitFor([&window] { return window->isPageLoaded(); }, 5000))
        return nullptr;
    return window;
}

void TestActualSizePreview::noticeFollowsTheStoredChoice_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("after");
    QTest::newRow("nothing stored, OK") << QString() << Answer::Ok << u"1"_s;
    QTest::newRow("nothing stored, unticked") << QString() << Answer::Unticked << u"0"_s;
    QTest::newRow("closed, not by OK") << QString() << Answer::Closed << u"(absent)"_s;
    QTest::newRow("1") << u"1"_s << Answer::Ok << u"1"_s;
    QTest::newRow("0") << u"0"_s << Answer::NotShown << u"0"_s;
    QTest::newRow("empty") << u""_s << Answer::NotShown << u""_s;
    QTest::newRow("yes") << u"yes"_s << Answer::NotShown << u"yes"_s;
}

void TestActualSizePreview::noticeFollowsTheStoredChoice()
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
        closePreview(window);
    });
    preview();
    QVERIFY(previewed);
    QVERIFY(!unexpected || unexpected->caught() == 0);
    QCOMPARE(stored(General, ShowNotice), after);
}

void TestActualSizePreview::defaultSchemePageIsWrittenByteForByte()
{
    answerNotice(Answer::Ok);
    WhenModal(u"Form3"_s, [](QWidget *window) {
        QCOMPARE(asPreview(window)->colorBox(0)->text(), u"#000000"_s);
        QCOMPARE(asPreview(window)->colorBox(1)->text(), u"#FFFFFF"_s);
        QVERIFY(!asPreview(window)->isLoading());
        closePreview(window);
    });
    preview();
    QCOMPARE(m_fixture->window->PreviewTextColor, u"#000000"_s);
    QCOMPARE(m_fixture->window->PreviewBackColor, u"#FFFFFF"_s);

    // Every entry is followed by an empty line; the style block's last line ends already.
    const QByteArray expected
        = "<HTML>\r\n\r\n"
          "<HEAD>\r\n\r\n"
          "<script language='Javascript1.2'>\r\n\r\n"
          "function nrc() {\r\n\r\n"
          "if (event.button >1) {\r\n\r\n"
          "alert('Function disabled.');\r\n\r\n"
          "return false;}}\r\n\r\n"
          "document.onmousedown = nrc;\r\n\r\n"
          "</script>\r\n\r\n"
          "<STYLE type=\"text/css\">\r\n"
          "<!--\r\n"
          "BODY {\r\n"
          "scrollbar-face-color:#C0C0C0;\r\n"
          "scrollbar-highlight-color:#FFFFFF;\r\n"
          "scrollbar-3dlight-color:#C0C0C0;\r\n"
          "scrollbar-darkshadow-color:#000000;\r\n"
          "scrollbar-shadow-color:#808080;\r\n"
          "scrollbar-arrow-color:#FFFFFF;\r\n"
          "scrollbar-track-color:#E0E0E0;\r\n"
          "}\r\n"
          "-->\r\n"
          "</STYLE>\r\n\r\n\r\n"
          "</HEAD>\r\n\r\n"
          "<BODY text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n\r\n"
          "<FONT FACE=\"Tahoma,Arial,Helvetica\"><B>This is what the scrollbars will look like "
          "on your page when viewed in I.E. 5.5 or later.</B></FONT>\r\n\r\n"
          "<BR><BR><CENTER><IMG SRC=\"arrow.gif\" alt=\"Should be an arrow here. Did you "
          "delete it?\"></CENTER><BR>\r\n\r\n"
          "<script language=javascript src=\"http://www.fernwick.example/120x60ad.js\">"
          "</script>\r\n\r\n"
          "<BR><BR><BR><BR><BR><BR><BR><BR><BR><BR><BR><BR><BR><BR><BR><BR><BR>\r\n\r\n"
          "</BODY>\r\n\r\n"
          "</HTML>\r\n\r\n";
    QCOMPARE(contents(pagePath()), expected);
}

void TestActualSizePreview::commandStopsBeforeThePreviewWindow_data()
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

void TestActualSizePreview::commandStopsBeforeThePreviewWindow()
{
    QFETCH(bool, incomplete);
    QFETCH(QString, message);
    if (incomplete) {
        m_fixture->window->entryBox(3)->put(u"#C0C0"_s);
        QFile page(pagePath());
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("earlier");
    } else {
        // Folders in the page's places cannot be opened as files, not even by the superuser.
        QVERIFY(QDir().mkpath(pagePath()));
        QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                              + u"/brwpreview.html"_s));
    }
    bool noticeFirst = false;
    answerNotice(Answer::Ok);
    m_fixture->platform.whileMessageShown = [&noticeFirst](const ScriptedPlatform::Message &) {
        noticeFirst = stored(General, ShowNotice) == u"1";
    };
    ModalWindowCatcher previewWindow(u"Form3"_s);
    preview();
    QCOMPARE(previewWindow.caught(), 0);
    QVERIFY(noticeFirst);
    QCOMPARE(m_fixture->platform.messageTitles(), QStringList{u"Error"_s});
    QVERIFY2(m_fixture->platform.messages[0].text.startsWith(message),
             qPrintable(m_fixture->platform.messages[0].text));
    if (incomplete)
        QCOMPARE(contents(pagePath()), QByteArray("earlier"));
}

void TestActualSizePreview::closeStoresTheColoursAsTheyStand()
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
    QVERIFY(contents(pagePath()).contains("\r\n<BODY text=\"#12\" bgcolor=\"#FFFFFF\">\r\n"));
    QCOMPARE(stored(Colors, u"bgcolor"_s), u"#FFFFFF"_s);
}

void TestActualSizePreview::colourBoxesTryColoursOnThePage()
{
    const std::unique_ptr<PreviewWindow> window = openPreviewWindow(u"#112233"_s, u"#445566"_s);
    QVERIFY(window);
    // The plain view shows the page in its own colours and says what it cannot show.
    QVERIFY(window->findChild<QLabel *>(u"scrollbarNote"_s)->isVisible());
    QCOMPARE(documentColor(*window, DocumentColor::Text), u"#112233"_s);
    QCOMPARE(documentColor(*window, DocumentColor::Background), u"#445566"_s);

    EntryBox *text = window->colorBox(0);
    text->put(u"#12345"_s);
    text->setFocus();
    text->end(false);
    QTest::keyClicks(text, u"6"_s);
    QCOMPARE(documentColor(*window, DocumentColor::Text), u"#123456"_s);
    QCOMPARE(text->selectedText(), u"123456"_s);

    // Deleting the "#" brings it back, caret at the end, and applies the colour again.
    text->put(u"#654321"_s);
    window->pageView()->setDocumentColor(DocumentColor::Text, u"#000000"_s);
    text->home(false);
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->text(), u"#654321"_s);
    QCOMPARE(text->cursorPosition(), 7);
    QCOMPARE(documentColor(*window, DocumentColor::Text), u"#654321"_s);

    // A complete text that is no colour stays off the page; the palette's choice goes on.
    EntryBox *back = window->colorBox(1);
    back->put(u"#GGGGGG"_s);
    QCOMPARE(documentColor(*window, DocumentColor::Background), u"#445566"_s);
    m_fixture->platform.colorAnswers = {0x3366FF}; // red in the low byte
    window->paletteButton(1)->click();
    QCOMPARE(m_fixture->platform.colorRequests, QList<int>{HexToColor(u"#GGGGGG"_s)});
    QCOMPARE(documentColor(*window, DocumentColor::Background), u"#FF6633"_s);
}

void TestActualSizePreview::loadingFlagOutlastsAnUnchangedBackgroundBox()
{
    // A stored "#" leaves the background box as it was made, so the load never clears the
    // flag: the first change of that box only clears it, and nothing before reaches the page.
    const std::unique_ptr<PreviewWindow> window = openPreviewWindow(u"#112233"_s, u"#"_s);
    QVERIFY(window);
    QVERIFY(window->isLoading());
    window->colorBox(0)->put(u"#ABCDEF"_s);
    window->colorBox(1)->put(u"#FEDCBA"_s);
    QVERIFY(!window->isLoading());
    QCOMPARE(documentColor(*window, DocumentColor::Text), u"#112233"_s);
    QVERIFY(documentColor(*window, DocumentColor::Background) != u"#FEDCBA"_s);
    window->colorBox(1)->put(u"#FEDCBA"_s);
    QCOMPARE(documentColor(*window, DocumentColor::Background), u"#FEDCBA"_s);
}

BARWRIGHT_TEST_MAIN(TestActualSizePreview)
#include "tst_ActualSizePreview.moc"
