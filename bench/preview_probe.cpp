// Times the Actual Size Preview command in the program's own main window: from the command to
// the page being loaded, for the first opening (which loads the web view module and starts the
// engine) and the later ones; then the CPU share of the program, its engine helper processes
// included, while the last preview stands open and idle with the caret in a colour box.
//
//   preview_probe PROGRAM_FOLDER OPENINGS IDLE_SECONDS
//
// Prints "open <n> <ms>" for each opening and "idle <percent of one core>".
#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "output/PageViewLoader.h"
#include "output/PreviewWindow.h"
#include "storage/CRegSettings.h"
#include "toolkit/EntryBox.h"
#include "toolkit/Windows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <map>
#include <unistd.h>

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

// CPU ticks used so far by this process and by every process descended from it, by process.
std::map<int, long long> treeTicks()
{
    std::map<int, int> parents;
    std::map<int, long long> ticks;
    for (const QString &entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        QFile stat(u"/proc/"_s + entry + u"/stat"_s);
        if (!isPid || !stat.open(QIODevice::ReadOnly))
            continue;
        // Fields after the command name, which is in parentheses and may hold blanks.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            continue;
        parents[pid] = fields[1].toInt();
        ticks[pid] = fields[11].toLongLong() + fields[12].toLongLong();
    }
    std::map<int, long long> tree;
    const int self = int(getpid());
    for (const auto &[pid, used] : ticks) {
        for (int p = pid; p > 1; p = parents.count(p) ? parents[p] : 0) {
            if (p == self) {
                tree[pid] = used;
                break;
            }
        }
    }
    return tree;
}

// Ticks used between two samples by the processes still there at the second.
long long ticksBetween(const std::map<int, long long> &before,
                       const std::map<int, long long> &after)
{
    long long used = 0;
    for (const auto &[pid, ticks] : after) {
        const auto earlier = before.find(pid);
        used += ticks - (earlier == before.end() ? 0 : earlier->second);
    }
    return used;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OPENINGS IDLE_SECONDS\n", argv[0]);
        return 2;
    }
    PreparePageViews();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Barwright"_s);
    UseDesignFont();
    const int openings = QString::fromLocal8Bit(argv[2]).toInt();
    const int idleSeconds = QString::fromLocal8Bit(argv[3]).toInt();

    ProgramSettings().SaveSetting(u"General"_s, u"Show Message 1"_s, u"0"_s);
    ProbePlatform platform(QString::fromLocal8Bit(argv[1]));
    MainWindow window(platform);
    CenterOnScreen(&window);
    window.show();

    QElapsedTimer clock;
    int opening = 0;
    // Finds each preview window as it comes up, and stops looking until the next opening.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
        auto *preview = qobject_cast<PreviewWindow *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        watch.stop();
        auto report = [&, preview] {
            std::printf("open %d %.1f\n", opening + 1, double(clock.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            const bool last = opening + 1 == openings;
            if (!last) {
                QTimer::singleShot(200, preview, [preview] { preview->closeButton()->click(); });
                return;
            }
            // Standing still as after a colour was tried: the caret blinks in its box, and
            // each blink repaints the window that holds the page.
            preview->activateWindow();
            preview->colorBox(0)->setFocus();
            preview->colorBox(0)->deselect();
            // Let the page settle, then measure a stretch of standing still.
            QTimer::singleShot(2000, preview, [preview, idleSeconds] {
                const std::map<int, long long> before = treeTicks();
                QElapsedTimer idle;
                idle.start();
                QTimer::singleShot(idleSeconds * 1000, preview, [=] {
                    const double seconds = double(idle.nsecsElapsed()) / 1e9;
                    const double used
                        = double(ticksBetween(before, treeTicks())) / double(sysconf(_SC_CLK_TCK));
                    std::printf("idle %.2f\n", 100.0 * used / seconds);
                    std::fflush(stdout);
                    preview->closeButton()->click();
                });
            });
        };
        if (preview->isPageLoaded())
            report();
        else
            QObject::connect(preview, &PreviewWindow::pageLoaded, preview, report,
                             Qt::SingleShotConnection);
    });

    QTimer::singleShot(500, &window, [&] {
        QAction *command = window.findChild<QAction *>(u"mnuFileASP"_s);
        for (opening = 0; opening < openings; ++opening) {
            clock.start();
            watch.start(0);
            command->trigger();
        }
        QApplication::quit();
    });
    return QApplication::exec();
}
