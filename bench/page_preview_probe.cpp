// Times Preview on a Page in the program's own main window: from a put into the face's entry
// box to the screen showing the new face in the page's scrollbar, for a number of puts, each
// colour alternating with the next.
//
//   page_preview_probe PROGRAM_FOLDER PAGE PUTS
//
// Prints "put <n> <ms>" for each put.
#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "output/PagePreviewWindow.h"
#include "output/PageView.h"
#include "output/PageViewLoader.h"
#include "scheme/ElementTable.h"
#include "toolkit/EntryBox.h"
#include "toolkit/Windows.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

class ProbePlatform : public QtPlatformServices
{
public:
    explicit ProbePlatform(QString folder)
        : m_folder(std::move(folder))
    {
    }
    QString programFolder() const override { return m_folder; }

private:
    QString m_folder;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER PAGE PUTS\n", argv[0]);
        return 2;
    }
    PreparePageViews();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Barwright"_s);
    UseDesignFont();
    const QString page = QString::fromLocal8Bit(argv[2]);
    const int puts = QString::fromLocal8Bit(argv[3]).toInt();

    ProbePlatform platform(QString::fromLocal8Bit(argv[1]));
    MainWindow window(platform);
    window.show();
    window.findChild<QAction *>(u"mnuFilePagePreview"_s)->trigger();
    PagePreviewWindow *preview = window.pagePreview();
    if (!preview) {
        std::fprintf(stderr, "no web view module in %s\n", argv[1]);
        return 1;
    }
    preview->move(0, 0);

    QElapsedTimer clock;
    int put = 0;
    QRgb wanted = 0;
    QPoint thumb;
    QTimer look;
    look.setInterval(0);
    const auto next = [&] {
        if (put == puts) {
            QApplication::exit(0); // the scheme is changed: no save question
            return;
        }
        ++put;
        wanted = put % 2 ? qRgb(0xCC, 0x33, 0x00) : qRgb(0x00, 0x66, 0xCC);
        clock.start();
        window.entryBox(FaceElement)->put(QColor(wanted).name().toUpper());
        look.start();
    };
    // The page's own scrollbar: the thumb's face just below the up arrow.
    QObject::connect(&look, &QTimer::timeout, &look, [&] {
        const QImage pixel
            = QGuiApplication::primaryScreen()->grabWindow(0, thumb.x(), thumb.y(), 1, 1).toImage();
        if ((pixel.pixel(0, 0) & 0xFFFFFF) != (wanted & 0xFFFFFF)) {
            if (clock.elapsed() > 5000) {
                std::fprintf(stderr, "put %d: the screen shows %s at %d,%d\n", put,
                             qPrintable(QColor(pixel.pixel(0, 0)).name()), thumb.x(), thumb.y());
                QApplication::exit(1);
            }
            return;
        }
        look.stop();
        std::printf("put %d %.1f\n", put, double(clock.nsecsElapsed()) / 1e6);
        std::fflush(stdout);
        // The page settles before the next put, as between two edits.
        QTimer::singleShot(100, &look, next);
    });
    QObject::connect(
        preview, &PagePreviewWindow::findingsShown, &look,
        [&] {
            QWidget *view = preview->pageView()->widget();
            thumb = view->mapToGlobal(QPoint(view->width() - 8, 16 + 8));
            QTimer::singleShot(500, &look, next);
        },
        Qt::SingleShotConnection);
    preview->openPage(page);
    return QApplication::exec();
}
