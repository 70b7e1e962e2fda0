#include "ProgramProcess.h"

#include "TestHelpers.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>

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

QString ProgramProcess::waitForWindow(const QString &title, int timeoutMs)
{
    // xdotool waits itself until such a window is mapped; the newest is the last it names.
    const QString pattern = u'^' + QRegularExpression::escape(title) + u'$';
    return xdotool({u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--name"_s, pattern}, timeoutMs)
        .section(u'\n', -1);
}

QRect ProgramProcess::geometry(const QString &windowId) const
{
    // Lines of "X=…", "Y=…", "WIDTH=…" and "HEIGHT=…", among others.
    QMap<QString, int> values;
    for (const QString &line :
         xdotool({u"getwindowgeometry"_s, u"--shell"_s, windowId}).split(u'\n'))
        values[line.section(u'=', 0, 0)] = line.section(u'=', 1).toInt();
    return {values[u"X"_s], values[u"Y"_s], values[u"WIDTH"_s], values[u"HEIGHT"_s]};
}

QRgb ProgramProcess::diagramPixel(const QString &mainWindowId, QPoint twips) const
{
    // The client area below the menu bar is 352 pixels high; the diagram panel stands at 90, 90
    // twips in it, and its 2-pixel frame surrounds the drawing.
    const QRect window = geometry(mainWindowId);
    const QPoint pixel
        = window.bottomLeft() + QPoint(8 + twips.x() / 15, 1 - 352 + 8 + twips.y() / 15);
    return QGuiApplication::primaryScreen()
               ->grabWindow(0, pixel.x(), pixel.y(), 1, 1)
               .toImage()
               .pixel(0, 0)
        & 0xFFFFFF;
}
