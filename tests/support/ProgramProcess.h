#pragma once

#include <QColor>
#include <QPoint>
#include <QProcess>
#include <QString>

// The real program, started in a process of its own on the test's X server, and what the
// desktop tools (xdotool) can tell about its windows.
class ProgramProcess
{
public:
    ProgramProcess();
    ~ProgramProcess();

    // Starts the program of the build's program folder, or the one given.
    bool start(const QStringList &environment = {}, const QString &program = programPath(),
               const QStringList &arguments = {});
    // Waits for a window of this exact title to be mapped; returns its X window id or 0.
    QString waitForWindow(const QString &title, int timeoutMs = 10000);
    // The colour the screen shows at a point, in twips, of the main window's diagram drawing.
    QRgb diagramPixel(const QString &mainWindowId, QPoint twips) const;
    QProcess &process() { return m_process; }

    static QString programPath();
    static QString xdotool(const QStringList &arguments, int timeoutMs = 5000);

private:
    QProcess m_process;
};
