#include "support/ProgramProcess.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
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

// Installs the build into a fresh prefix and uses it as the desktop would; packages it.
class TestInstall : public QObject
{
    Q_OBJECT

    const QString m_appId = qEnvironmentVariable("BARWRIGHT_APP_ID");

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
        const QString entry = root.filePath(u"share/applications/%1.desktop"_s.arg(m_appId));
        QString complaints;
        QCOMPARE(run(u"desktop-file-validate"_s, {entry}, &complaints), 0);
        QVERIFY2(complaints.trimmed().isEmpty(), qPrintable(complaints));
        QSettings desktop(entry, QSettings::IniFormat);
        QCOMPARE(desktop.value(u"Desktop Entry/Exec"_s).toString(), command + u" %f"_s);
        const QString icon = desktop.value(u"Desktop Entry/Icon"_s).toString();
        for (const int size : {16, 48, 256})
            QCOMPARE(QImage(root.filePath(
                                u"share/icons/hicolor/%1x%1/apps/%2.png"_s.arg(size).arg(icon)))
                         .size(),
                     QSize(size, size));

        // What software centres and man read, without a warning.
        QCOMPARE(run(u"sh"_s,
                     {u"-c"_s,
                      u"out=$(appstreamcli validate --no-net \"$0\") || echo \"$out\"; "
                      "MANWIDTH=80 man --warnings -l \"$1\" \"$2\" 2>&1 >/dev/null"_s,
                      root.filePath(u"share/metainfo/%1.metainfo.xml"_s.arg(m_appId)),
                      root.filePath(u"share/man/man1/barwright.1.gz"_s),
                      root.filePath(u"share/man/man1/brw2css.1.gz"_s)},
                     &complaints),
                 0);
        QCOMPARE(complaints, QString());

        // The Debian package holds the same files under /usr, and the web engine's library among
        // its dependencies; lintian finds no error in it.
        QTemporaryDir packages;
        QCOMPARE(run(qEnvironmentVariable("CPACK_COMMAND"),
                     {u"-G"_s, u"DEB"_s, u"-B"_s, packages.path(), u"--config"_s,
                      QDir(build).filePath(u"CPackConfig.cmake"_s)}),
                 0);
        const QString deb = packages.filePath(
            u"barwright_%1_amd64.deb"_s.arg(qEnvironmentVariable("BARWRIGHT_VERSION")));
        QString contents;
        QCOMPARE(run(u"dpkg-deb"_s, {u"--contents"_s, deb}, &contents), 0);
        qsizetype files = 0;
        for (QDirIterator it(prefix.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext(); ++files)
            QVERIFY2(contents.contains(u" ./usr/"_s + root.relativeFilePath(it.next())),
                     qPrintable(contents));
        QCOMPARE(contents.split(u'\n').filter(QRegularExpression(u"[^/]$"_s)).size(), files);
        QCOMPARE(run(u"dpkg-deb"_s, {u"--field"_s, deb, u"Depends"_s}, &contents), 0);
        QVERIFY2(contents.contains(u"libqt6webenginecore6 "_s), qPrintable(contents));
        QVERIFY2(run(u"lintian"_s, {u"--fail-on"_s, u"error"_s, deb}, &contents) == 0,
                 qPrintable(contents));

        ProgramProcess program;
        QVERIFY(program.start({}, command));
        QVERIFY2(!program.waitForWindow(u"Barwright"_s).isEmpty(),
                 "the installed program showed no main window");
        StopProcess(program.process());

        // A scheme file opened as a file manager opens it: its type known by the installed
        // MIME file, the program started by the entry that names that type.
        const QString share = root.filePath(u"share"_s);
        QCOMPARE(run(u"update-mime-database"_s, {share + u"/mime"_s}), 0);
        QCOMPARE(run(u"update-desktop-database"_s, {share + u"/applications"_s}), 0);
        qputenv("XDG_DATA_DIRS", (share + u":/usr/share"_s).toLocal8Bit());
        const QString scheme = root.filePath(u"green.brw"_s);
        QVERIFY(WriteFile(scheme,
                          "Barwright Color Scheme File (Do not edit manually)\r\n"
                          "[Type]\r\nIsBase=0\r\n[Colors]\r\nValue 0=#00C000\r\n"));
        QString type;
        QCOMPARE(run(u"gio"_s, {u"info"_s, u"-a"_s, u"standard::content-type"_s, scheme}, &type),
                 0);
        QVERIFY2(type.contains(u"application/x-barwright-scheme"_s), qPrintable(type));
        // The program keeps gio's output, which must outlive gio.
        QCOMPARE(run(u"sh"_s, {u"-c"_s, u"gio open \"$0\" >/dev/null 2>&1"_s, scheme}), 0);
        const QString opened = program.waitForWindow(u"Barwright"_s);
        QVERIFY(!opened.isEmpty());
        QTRY_COMPARE(program.diagramPixel(opened, {900, 2800}), 0x00C000u);
        // Started by gio, not by the test: ended by its window's Quit key.
        ProgramProcess::xdotool({u"windowfocus"_s, u"--sync"_s, opened});
        ProgramProcess::xdotool({u"key"_s, u"ctrl+q"_s});
        QTRY_VERIFY(
            ProgramProcess::xdotool({u"search"_s, u"--name"_s, u"^Barwright$"_s}).isEmpty());
    }
};

BARWRIGHT_TEST_MAIN(TestInstall)
#include "tst_Install.moc"
