#include "app/NoticeDialog.h"
#include "output/ModernStyleSheet.h"
#include "output/PageView.h"
#include "output/PreviewWindow.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/ScrollbarPixels.h"
#include "support/TestHelpers.h"
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

// The preview on the real web engine, loaded from the program's module, on a real X server.
class TestPreviewWebEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void previewShowsTheSchemeAndTriedColours();
};

void TestPreviewWebEngine::previewShowsTheSchemeAndTriedColours()
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
    const SchemeColors colors = *ResolveSchemeColors(main->schemeTexts());

    WhenModal(u"msg1"_s, [](QWidget *notice) {
        qobject_cast<NoticeDialog *>(notice)->showAgainCheck()->setChecked(false);
        qobject_cast<NoticeDialog *>(notice)->okButton()->click();
    });
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

            // What the engine draws: the tried background, and the page's own scrollbar in
            // the scheme's bevel, from the sheet for today's browsers.
            QWidget *view = page->widget();
            const VerticalBar bar{view->width() - DefaultScrollbarWidth, 0, DefaultScrollbarWidth,
                                  view->height()};
            QStringList faults;
            const bool drawn = QTest::qWaitFor(
                [&] {
                    const QImage image = shown(view);
                    faults = BevelFaults(image, bar, colors);
                    return faults.isEmpty()
                        && image.pixel(bar.left / 2, view->height() - 30) == qRgb(0x33, 0x66, 0x99);
                },
                10000);
            QVERIFY2(drawn, qPrintable(faults.join(u"; "_s)));
            preview->closeButton()->click();
        },
        60000);
    main->findChild<QAction *>(u"mnuFileASP"_s)->trigger();
}

BARWRIGHT_TEST_MAIN(TestPreviewWebEngine)
#include "tst_PreviewWebEngine.moc"
