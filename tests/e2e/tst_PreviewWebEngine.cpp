#include "app/NoticeDialog.h"
#include "output/PageView.h"
#include "output/PreviewWindow.h"
#include "storage/CRegSettings.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;
using DocumentColor = PageView::DocumentColor;

namespace {

QString documentColor(PageView *view, DocumentColor which)
{
    QString color;
    view->readDocumentColor(which, [&color](const QString &read) { color = read; });
    if (!QTest::qWaitFor([&color] { return !color.isEmpty(); }, 10000))
        return u"(not read)"_s;
    return color;
}

// What the screen shows at a point of a widget.
QRgb shownAt(QWidget *widget, QPoint point)
{
    const QPoint global = widget->mapToGlobal(point);
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, global.x(), global.y(), 1, 1)
        .toImage()
        .pixel(0, 0);
}

bool waitForPixel(QWidget *widget, QPoint point, QRgb color)
{
    return QTest::qWaitFor(
        [&] { return (shownAt(widget, point) & 0xFFFFFF) == (color & 0xFFFFFF); }, 10000);
}

} // namespace

// The preview on the real web engine, loaded from the program's module, on a real X server.
class TestPreviewWebEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void previewShowsTheSchemeAndKeepsTriedColours();
};

void TestPreviewWebEngine::previewShowsTheSchemeAndKeepsTriedColours()
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
    main->entryBox(0)->put(u"#CC3300"_s); // face
    main->entryBox(6)->put(u"#33CC00"_s); // track

    WhenModal(u"msg1"_s, [](QWidget *notice) {
        qobject_cast<NoticeDialog *>(notice)->showAgainCheck()->setChecked(false);
        qobject_cast<NoticeDialog *>(notice)->okButton()->click();
    });
    WhenModal(
        u"Form3"_s,
        [](QWidget *window) {
            auto *preview = qobject_cast<PreviewWindow *>(window);
            QVERIFY(QTest::qWaitFor([preview] { return preview->isPageLoaded(); }, 30000));
            PageView *page = preview->pageView();
            QVERIFY(page->showsScrollbarColors());
            QCOMPARE(documentColor(page, DocumentColor::Background), u"#FFFFFF"_s);

            EntryBox *back = preview->colorBox(1);
            back->setFocus();
            back->select(1, 6);
            QTest::keyClicks(back, u"336699"_s);
            QCOMPARE(documentColor(page, DocumentColor::Background), u"#336699"_s);

            // What the engine draws: the tried background, and the scheme's scrollbar with
            // its thumb at the top and the track below it.
            QWidget *view = page->widget();
            const int bar = view->width() - 8;
            QVERIFY(
                waitForPixel(view, QPoint(bar / 2, view->height() - 30), qRgb(0x33, 0x66, 0x99)));
            QVERIFY(waitForPixel(view, QPoint(bar, 30), qRgb(0xCC, 0x33, 0x00)));
            QVERIFY(waitForPixel(view, QPoint(bar, view->height() - 22), qRgb(0x33, 0xCC, 0x00)));
            preview->closeButton()->click();
        },
        60000);
    main->findChild<QAction *>(u"mnuFileASP"_s)->trigger();
    QCOMPARE(ProgramSettings().GetSetting(u"Preview Colors"_s, u"fgcolor"_s), u"#000000"_s);
    QCOMPARE(ProgramSettings().GetSetting(u"Preview Colors"_s, u"bgcolor"_s), u"#336699"_s);

    // The next preview starts from the kept colours.
    WhenModal(u"Form3"_s, [](QWidget *window) {
        auto *preview = qobject_cast<PreviewWindow *>(window);
        QVERIFY(QTest::qWaitFor([preview] { return preview->isPageLoaded(); }, 30000));
        QCOMPARE(preview->colorBox(1)->text(), u"#336699"_s);
        QCOMPARE(documentColor(preview->pageView(), DocumentColor::Background), u"#336699"_s);
        preview->closeButton()->click();
    });
    main->findChild<QAction *>(u"mnuFileASP"_s)->trigger();
    QFile page(fixture.programDir.filePath(u"brwpreview.html"_s));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("\r\n<BODY text=\"#000000\" bgcolor=\"#336699\">\r\n"));
}

BARWRIGHT_TEST_MAIN(TestPreviewWebEngine)
#include "tst_PreviewWebEngine.moc"
