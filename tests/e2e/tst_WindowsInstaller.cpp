#include "support/ProgramProcess.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QDir>
#include <QDirIterator>

using namespace Qt::StringLiterals;

namespace {

// A value of the program's uninstall key, read by `reg` as Apps & Features reads it, from
// outside this test's own registry; "(none)" when there is no such value.
QString uninstallValue(const QString &root, const QString &name)
{
    QProcess reg;
    reg.start(u"reg"_s,
              {u"query"_s,
               root
                   + u"\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                     "Barwright"_s,
               u"/v"_s, name});
    if (!reg.waitForFinished(20000) || reg.exitCode() != 0)
        return u"(none)"_s;
    const QString line = QString::fromLocal8Bit(reg.readAllStandardOutput()).trimmed();
    return line.section(u"REG_SZ"_s, 1).trimmed();
}

} // namespace

// The NSIS package under Wine, as a user installs it: silently, then started from where it
// went, then silently removed.
class TestWindowsInstaller : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installsStartsAndUninstallsSilently_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("programs"); // the folder that receives the program's
        QTest::addColumn<QString>("startMenu");
        QTest::addColumn<QString>("root"); // of the uninstall key
        const auto in = [](const char *variable, const QString &path) {
            return QDir(qEnvironmentVariable(variable)).filePath(path);
        };
        QTest::newRow("for everyone")
            << QStringList{u"/S"_s} << in("ProgramW6432", {})
            << in("ProgramData", u"Microsoft/Windows/Start Menu/Programs"_s) << u"HKLM"_s;
        QTest::newRow("for the current user")
            << QStringList{u"/S"_s, u"/CURRENTUSER"_s} << in("LOCALAPPDATA", u"Programs"_s)
            << in("APPDATA", u"Microsoft/Windows/Start Menu/Programs"_s) << u"HKCU"_s;
    }

    void installsStartsAndUninstallsSilently()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, programs);
        QFETCH(QString, startMenu);
        QFETCH(QString, root);
        const QString installer = qEnvironmentVariable("BARWRIGHT_INSTALLER");
        QVERIFY2(QFile::exists(installer), qPrintable(installer));
        QCOMPARE(QProcess::execute(installer, arguments), 0);

        // The program folder as the build laid it out, with the uninstaller beside it.
        const QDir folder(QDir(programs).filePath(u"Barwright"_s));
        QStringList expected
            = QString::fromUtf8(ReadFile(qEnvironmentVariable("BARWRIGHT_PROGRAM_FILES")))
                  .toLower()
                  .split(u'\n', Qt::SkipEmptyParts);
        expected << u"uninstall.exe"_s;
        expected.sort();
        QStringList installed;
        for (QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            installed << folder.relativeFilePath(it.next()).toLower();
        installed.sort();
        QCOMPARE(installed, expected);
        const QString menuEntry = QDir(startMenu).filePath(u"Barwright/Barwright.lnk"_s);
        QVERIFY2(QFile::exists(menuEntry), qPrintable(menuEntry));

        QCOMPARE(uninstallValue(root, u"DisplayName"_s), u"Barwright"_s);
        QCOMPARE(uninstallValue(root, u"DisplayVersion"_s),
                 qEnvironmentVariable("BARWRIGHT_VERSION"));
        QCOMPARE(uninstallValue(root, u"Publisher"_s), u"Fernwick"_s);
        QCOMPARE(QFileInfo(uninstallValue(root, u"DisplayIcon"_s)).canonicalFilePath(),
                 QFileInfo(folder.filePath(u"barwright.exe"_s)).canonicalFilePath());

        ProgramProcess program;
        QVERIFY(program.start({}, folder.filePath(u"barwright.exe"_s)));
        QVERIFY2(!program.waitForWindow(u"Barwright"_s, 30000).isEmpty(),
                 "the installed program showed no main window");
        StopProcess(program.process());

        // The uninstaller runs on from a copy of itself and ends on its own, the Start menu last.
        QCOMPARE(QProcess::execute(folder.filePath(u"Uninstall.exe"_s), {u"/S"_s}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!folder.exists(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(QFileInfo(menuEntry).path()), 20000);
        QCOMPARE(uninstallValue(root, u"DisplayName"_s), u"(none)"_s);
    }
};

BARWRIGHT_TEST_MAIN(TestWindowsInstaller)
#include "tst_WindowsInstaller.moc"
