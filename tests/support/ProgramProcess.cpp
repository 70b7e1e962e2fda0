#include "ProgramProcess.h"

#include "TestHelpers.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

ProgramProcess::ProgramProcess()
{
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
}

ProgramProcess::~ProgramProcess()
{
    StopProcess(m_process);
}

QString ProgramProcess::programPath()
{
    return QDir(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR")).filePath(u"barwright"_s);
}

bool ProgramProcess::start(const QStringList &environment, const QString &program,
                           const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"QT_QPA_PLATFORM"_s);
    for (const QString &entry : environment)
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    m_process.setProcessEnvironment(env);
    m_process.start(program, arguments);
    return m_process.waitForStarted(5000);
}

#ifdef Q_OS_WIN
// Under Wine a Linux program starts but cannot be waited for: it leaves its output and then a
// mark in a folder of the Linux side (drive Z:), which is polled.
static QByteArray linuxTool(const QString &tool, const QStringList &arguments, int timeoutMs)
{
    const QTemporaryDir folder(u"Z:/tmp/barwright-tool-XXXXXX"_s);
    const QString script = u"timeout %1 "_s.arg(timeoutMs / 1000 + 1) + tool
        + u" \"$@\" >\"$0/out\"; touch \"$0/done\""_s;
    if (!QProcess::startDetached(u"/bin/sh"_s,
                                 QStringList{u"-c"_s, script, folder.path().mid(2)} + arguments)
        || !QTest::qWaitFor([&folder] { return QFile::exists(folder.filePath(u"done"_s)); },
                            timeoutMs))
        return {};
    return ReadFile(folder.filePath(u"out"_s));
}

QString ProgramProcess::xdotool(const QStringList &arguments, int timeoutMs)
{
    return QString::fromLocal8Bit(linuxTool(u"xdotool"_s, arguments, timeoutMs)).trimmed();
}
#else
QString ProgramProcess::xdotool(const QStringList &arguments, int timeoutMs)
{
    QProcess tool;
    tool.start(u"xdotool"_s, arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}
#endif

QString ProgramProcess::waitForWindow(const QString &title, int timeoutMs)
{
    // xdotool waits itself until such a window is mapped; the newest is the last it names.
    const QString pattern = u'^' + QRegularExpression::escape(title) + u'$';
    return xdotool({u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--name"_s, pattern}, timeoutMs)
        .section(u'\n', -1);
}

QRgb ProgramProcess::diagramPixel(const QString &mainWindowId, QPoint twips) const
{
    // The client area below the menu bar is 352 pixels high; the diagram panel stands at 90, 90
    // twips in it, and its 2-pixel frame surrounds the drawing.
#ifdef Q_OS_WIN
    // Under Wine the id is the X server's, which only an X client can read.
    const QImage window = QImage::fromData(
        linuxTool(u"import"_s, {u"-window"_s, mainWindowId, u"-depth"_s, u"8"_s, u"ppm:-"_s},
                  10000),
        "PPM");
#else
    const QImage window
        = QGuiApplication::primaryScreen()->grabWindow(mainWindowId.toULongLong()).toImage();
#endif
    const QPoint pixel(8 + twips.x() / 15, window.height() - 352 + 8 + twips.y() / 15);
    return window.pixel(pixel) & 0xFFFFFF;
}
