#include "support/ProgramProcess.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>

using namespace Qt::StringLiterals;

// Runs a tool to its end; its exit code, or -1 when it did not finish. Keeps what it printed.
static int run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitCode();
}

// Installs the build into a fresh prefix and uses it as the desktop would.
class TestInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installedProgramStartsFromTheMenuEntry()
    {
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        const QString build = qEnvironmentVariable("BARWRIGHT_BUILD_DIR");
        QCOMPARE(run(qEnvironmentVariable("CMAKE_COMMAND"),
                     {u"--install"_s, build, u"--prefix"_s, prefix.path()}),
                 0);

        // One self-contained program folder, and the command on the PATH leading into it.
        const QStringList names
            = QString::fromUtf8(ReadFile(QDir(build).filePath(u"program-files.txt"_s)))
                  .split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(names.contains(u"brw.html"_s));
        for (const QString &name : names)
            QVERIFY2(QFile::exists(root.filePath(u"lib/barwright/"_s + name)), qPrintable(name));
        const QString command = root.filePath(u"bin/barwright"_s);
        QCOMPARE(QFileInfo(command).canonicalFilePath(),
                 QFileInfo(root.filePath(u"lib/barwright/barwright"_s)).canonicalFilePath());
        QCOMPARE(run(root.filePath(u"bin/brw2css"_s), {u"--version"_s}), 0);

        // The menu entry is valid, and names the command and an icon that is installed.
        const QString entry = root.filePath(u"share/applications/barwright.desktop"_s);
        QString complaints;
        QCOMPARE(run(u"desktop-file-validate"_s, {entry}, &complaints), 0);
        QVERIFY2(complaints.trimmed().isEmpty(), qPrintable(complaints));
        QSettings desktop(entry, QSettings::IniFormat);
        QCOMPARE(desktop.value(u"Desktop Entry/Exec"_s).toString(), command);
        const QString icon = desktop.value(u"Desktop Entry/Icon"_s).toString();
        for (const int size : {16, 48, 256})
            QCOMPARE(QImage(root.filePath(
                                u"share/icons/hicolor/%1x%1/apps/%2.png"_s.arg(size).arg(icon)))
                         .size(),
                     QSize(size, size));

        ProgramProcess program;
        QVERIFY(program.start({}, command));
        QVERIFY2(!program.waitForWindow(u"Barwright"_s).isEmpty(),
                 "the installed program showed no main window");
    }
};

BARWRIGHT_TEST_MAIN(TestInstall)
#include "tst_Install.moc"
