#include "color/ColorValues.h"
#include "output/PageView.h"
#include "output/PreviewNotice.h"
#include "output/PreviewPage.h"
#include "output/PreviewWindow.h"
#include "storage/CRegSettings.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"
#include "toolkit/Twips.h"

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

void closePreview(QWidget *window)
{
    qobject_cast<PreviewWindow *>(window)->closeButton()->click();
}

void answerNotice(bool showAgain)
{
    WhenModal(u"msg1"_s, [showAgain](QWidget *window) {
        auto *notice = qobject_cast<PreviewNotice *>(window);
        QVERIFY(notice->showAgainCheck()->isChecked());
        notice->showAgainCheck()->setChecked(showAgain);
        notice->okButton()->click();
    });
}

} // namespace

// The Actual Size Preview command with its notice, page and preview window. The windows show
// pages in the plain HTML view here; the web engine's view has a test of its own.
class TestActualSizePreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowsStandAsDesigned_data();
    void windowsStandAsDesigned();
    void noticeFollowsTheStoredChoice_data();
    void noticeFollowsTheStoredChoice();
    void onlyOkStoresTheNoticeChoice();
    void defaultSchemePageIsWrittenByteForByte();
    void commandStopsBeforeThePreviewWindow_data();
    void commandStopsBeforeThePreviewWindow();
    void closeStoresTheColoursForTheNextPreview();
    void colourBoxesTryColoursOnThePage();
    void loadingFlagOutlastsAnUnchangedBackgroundBox();

private:
    void preview() { m_fixture->window->findChild<QAction *>(u"mnuFileASP"_s)->trigger(); }
    QString pagePath() const { return m_fixture->programDir.filePath(u"brwpreview.html"_s); }
    QString documentColor(PreviewWindow &window, DocumentColor which);
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

QString TestActualSizePreview::documentColor(PreviewWindow &window, DocumentColor which)
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
        = std::make_unique<PreviewWindow>(page, textColor, backColor, m_fixture->platform, nullptr);
    window->show();
    if (!QTest::qWaitFor([&window] { return window->isPageLoaded(); }, 5000))
        return nullptr;
    return window;
}

void TestActualSizePreview::windowsStandAsDesigned_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    const QString notice = u"msg1"_s;
    const QString preview = u"Form3"_s;
    QTest::newRow("notice icon") << notice << u"Image1"_s << QRect(180, 270, 480, 480) << QString();
    QTest::newRow("notice text")
        << notice << u"Label1"_s << QRect(900, 180, 2895, 1035)
        << u"You must have I.E. version 5.5 or later installed on your system in order to "
           "preview the scrollbars in the colors you have defined. If you don't, you will see "
           "them in their default colors."_s;
    QTest::newRow("notice check") << notice << u"Check1"_s << QRect(480, 1350, 3045, 285)
                                  << u"Show this message again in the future."_s;
    QTest::newRow("notice ok") << notice << u"OKButton"_s << QRect(1365, 1770, 1215, 375)
                               << u"OK"_s;
    QTest::newRow("page") << preview << u"wb1"_s << QRect(90, 90, 4905, 4185) << QString();
    QTest::newRow("text caption") << preview << u"Label1"_s << QRect(60, 4380, 1275, 225)
                                  << u"Text color:"_s;
    QTest::newRow("text box") << preview << u"txtclr0"_s << QRect(60, 4695, 1005, 285)
                              << u"#000000"_s;
    QTest::newRow("text palette") << preview << u"selbttn0"_s << QRect(1140, 4650, 405, 375)
                                  << QString();
    QTest::newRow("back caption") << preview << u"Label2"_s << QRect(1650, 4380, 1545, 225)
                                  << u"Background color:"_s;
    QTest::newRow("back box") << preview << u"txtclr1"_s << QRect(1650, 4695, 1005, 285)
                              << u"#FFFFFF"_s;
    QTest::newRow("back palette") << preview << u"selbttn1"_s << QRect(2730, 4650, 405, 375)
                                  << QString();
    QTest::newRow("close") << preview << u"Command1"_s << QRect(3240, 4380, 1785, 645)
                           << u"Close"_s;
}

void TestActualSizePreview::windowsStandAsDesigned()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    PreviewNotice notice(nullptr);
    QCOMPARE(notice.windowTitle(), u"Important Message"_s);
    QCOMPARE(notice.size(), twipsSize(3945, 2250));
    const std::unique_ptr<PreviewWindow> preview = openPreviewWindow(u"#000000"_s, u"#FFFFFF"_s);
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), u"Actual Size Preview"_s);
    QCOMPARE(preview->size(), twipsSize(5100, 5100));
    QVERIFY(preview->closeButton()->isDefault());

    QWidget *parent = window == u"msg1" ? static_cast<QWidget *>(&notice) : preview.get();
    auto *widget = parent->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), parent);
    QCOMPARE(widget->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(widget->property("text").toString(), text);
    if (control == u"Image1")
        QVERIFY(!qobject_cast<QLabel *>(widget)->pixmap().isNull());
    if (control.startsWith(u"selbttn"))
        QVERIFY(!qobject_cast<QPushButton *>(widget)->icon().isNull());
}

void TestActualSizePreview::noticeFollowsTheStoredChoice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shown");
    QTest::newRow("nothing stored") << QString() << true;
    QTest::newRow("1") << u"1"_s << true;
    QTest::newRow("0") << u"0"_s << false;
    QTest::newRow("empty") << u""_s << false;
    QTest::newRow("yes") << u"yes"_s << false;
}

void TestActualSizePreview::noticeFollowsTheStoredChoice()
{
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    if (!stored.isNull())
        ProgramSettings().SaveSetting(General, ShowNotice, stored);

    std::optional<ModalWindowCatcher> unexpected;
    if (shown)
        answerNotice(true);
    else
        unexpected.emplace(u"msg1"_s);
    bool previewed = false;
    WhenModal(u"Form3"_s, [&previewed](QWidget *window) {
        previewed = true;
        closePreview(window);
    });
    preview();
    QVERIFY(previewed);
    QVERIFY(!unexpected || unexpected->caught() == 0);
    QCOMPARE(::stored(General, ShowNotice), shown ? u"1"_s : stored);
}

void TestActualSizePreview::onlyOkStoresTheNoticeChoice()
{
    // Closed by its title bar: nothing stored, so it comes again.
    WhenModal(u"msg1"_s, [](QWidget *notice) {
        qobject_cast<PreviewNotice *>(notice)->showAgainCheck()->setChecked(false);
        notice->close();
    });
    WhenModal(u"Form3"_s, closePreview);
    preview();
    QCOMPARE(stored(General, ShowNotice), u"(absent)"_s);

    answerNotice(false);
    WhenModal(u"Form3"_s, closePreview);
    preview();
    QCOMPARE(stored(General, ShowNotice), u"0"_s);

    ModalWindowCatcher notice(u"msg1"_s);
    WhenModal(u"Form3"_s, closePreview);
    preview();
    QCOMPARE(notice.caught(), 0);
}

void TestActualSizePreview::defaultSchemePageIsWrittenByteForByte()
{
    answerNotice(true);
    WhenModal(u"Form3"_s, [](QWidget *window) {
        auto *preview = qobject_cast<PreviewWindow *>(window);
        QCOMPARE(preview->colorBox(0)->text(), u"#000000"_s);
        QCOMPARE(preview->colorBox(1)->text(), u"#FFFFFF"_s);
        QVERIFY(!preview->isLoading());
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
        << false << u"Can't show preview. The preview page could not be written:\n\n"_s;
}

void TestActualSizePreview::commandStopsBeforeThePreviewWindow()
{
    QFETCH(bool, incomplete);
    QFETCH(QString, message);
    QString earlier = pagePath();
    if (incomplete) {
        m_fixture->window->entryBox(3)->put(u"#C0C0"_s);
        QFile page(pagePath());
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("earlier");
    } else {
        // Folders in the page's places cannot be opened as files, not even by the superuser.
        QVERIFY(QDir().mkpath(pagePath()));
        earlier = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
            + u"/brwpreview.html"_s;
        QVERIFY(QDir().mkpath(earlier));
    }

    bool noticeFirst = false;
    answerNotice(true);
    m_fixture->platform.whileMessageShown = [&noticeFirst](const ScriptedPlatform::Message &) {
        noticeFirst = stored(General, ShowNotice) == u"1";
    };
    ModalWindowCatcher previewWindow(u"Form3"_s);
    preview();
    QCOMPARE(previewWindow.caught(), 0);
    QCOMPARE(m_fixture->platform.messageTitles(), QStringList{u"Error"_s});
    QVERIFY2(m_fixture->platform.messages[0].text.startsWith(message),
             qPrintable(m_fixture->platform.messages[0].text));
    QVERIFY(noticeFirst);
    if (incomplete)
        QCOMPARE(contents(pagePath()), QByteArray("earlier"));
    else
        QVERIFY(m_fixture->platform.messages[0].text.contains(earlier));
}

void TestActualSizePreview::closeStoresTheColoursForTheNextPreview()
{
    ProgramSettings().SaveSetting(General, ShowNotice, u"0"_s);
    // Typed "#12" in the text box, Esc: Close is the cancel button too.
    WhenModal(u"Form3"_s, [](QWidget *window) {
        EntryBox *box = qobject_cast<PreviewWindow *>(window)->colorBox(0);
        box->setFocus();
        box->select(1, 6);
        QTest::keyClicks(box, u"12"_s);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    preview();
    QCOMPARE(stored(Colors, u"fgcolor"_s), u"#12"_s);
    QCOMPARE(stored(Colors, u"bgcolor"_s), u"#FFFFFF"_s);

    // Closing by the title bar stores nothing.
    WhenModal(u"Form3"_s, [](QWidget *window) {
        auto *preview = qobject_cast<PreviewWindow *>(window);
        QCOMPARE(preview->colorBox(0)->text(), u"#12"_s);
        preview->colorBox(1)->put(u"#ABCDEF"_s);
        preview->close();
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
    QVERIFY(!window->pageView()->showsScrollbarColors());
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
    QTest::keyClicks(text, u"a"_s);
    QCOMPARE(text->text(), u"#A"_s);

    // Deleting the "#" brings it back and applies the colour again.
    text->put(u"#654321"_s);
    window->pageView()->setDocumentColor(DocumentColor::Text, u"#000000"_s);
    text->home(false);
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->text(), u"#654321"_s);
    QCOMPARE(text->cursorPosition(), 7);
    QVERIFY(!text->hasSelectedText());
    QCOMPARE(documentColor(*window, DocumentColor::Text), u"#654321"_s);

    // A complete text that is no colour stays off the page.
    EntryBox *back = window->colorBox(1);
    back->put(u"#GGGGGG"_s);
    QCOMPARE(documentColor(*window, DocumentColor::Background), u"#445566"_s);

    m_fixture->platform.colorAnswers = {0x3366FF}; // red in the low byte
    window->paletteButton(1)->click();
    QCOMPARE(m_fixture->platform.colorRequests, QList<int>{HexToColor(u"#GGGGGG"_s)});
    QCOMPARE(back->text(), u"#FF6633"_s);
    QCOMPARE(documentColor(*window, DocumentColor::Background), u"#FF6633"_s);
    window->paletteButton(1)->click(); // cancelled
    QCOMPARE(back->text(), u"#FF6633"_s);
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
