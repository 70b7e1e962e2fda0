// Runs the main window and its capture window on the current X server and measures what the
// capture window costs: CPU of this process (and of the X server, given its process id) over
// the same span with the main window idle and with the capture window open, the capture
// window's readings a second and how often its colour changed.
//
//   capture_probe SECONDS [X_SERVER_PID]
//
// The pointer must be kept moving meanwhile, over colours that differ from pixel to pixel.
#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "toolkit/Windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double processCpuSeconds(const QString &pid)
{
    QFile stat(u"/proc/"_s + pid + u"/stat"_s);
    if (pid.isEmpty() || !stat.open(QIODevice::ReadOnly))
        return 0;
    // Fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return double(fields.value(11).toLongLong() + fields.value(12).toLongLong())
        / double(sysconf(_SC_CLK_TCK));
}

class Counter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Span
{
    double seconds = 0, own = 0, server = 0;
};

// Measures `seconds` of running the event loop.
Span measure(int seconds, const QString &serverPid)
{
    Span span;
    QElapsedTimer clock;
    const double own = ownCpuSeconds();
    const double server = processCpuSeconds(serverPid);
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    span.seconds = double(clock.nsecsElapsed()) / 1e9;
    span.own = (ownCpuSeconds() - own) / span.seconds * 100;
    span.server = (processCpuSeconds(serverPid) - server) / span.seconds * 100;
    return span;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    UseDesignFont();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const QString serverPid = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    QtPlatformServices platform;
    MainWindow main(platform);
    CenterOnScreen(&main);
    main.show();
    QTimer::singleShot(500, &app, [&] {
        const Span idle = measure(seconds, serverPid);

        main.findChild<QPushButton *>(u"cmdCC0"_s)->click();
        QWidget *capture = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == u"frmCap"_s)
                capture = window;
        }
        if (!capture) {
            std::fprintf(stderr, "the capture window did not open\n");
            QCoreApplication::exit(1);
            return;
        }
        Counter counter;
        capture->installEventFilter(&counter);
        int readings = 0;
        QObject::connect(capture->findChild<QTimer *>(u"Timer1"_s), &QTimer::timeout, &app,
                         [&readings] { ++readings; });
        const Span open = measure(seconds, serverPid);

        std::printf("%-22s %10s %12s\n", "", "Barwright", "X server");
        std::printf("%-22s %9.2f%% %11.2f%%\n", "main window idle", idle.own, idle.server);
        std::printf("%-22s %9.2f%% %11.2f%%\n", "capture window open", open.own, open.server);
        std::printf("%-22s %9.2f%% %11.2f%%\n", "capture window's share", open.own - idle.own,
                    open.server - idle.server);
        std::printf("readings: %.1f a second; colour changes shown: %.1f a second\n",
                    readings / open.seconds, counter.paints / open.seconds);
        std::printf("(CPU in %% of one core over %.1f s with the pointer moving; target: "
                    "capture window under 5%%, at 50 updates a second or more)\n",
                    open.seconds);
        capture->close();
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
