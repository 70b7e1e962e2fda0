#include "storage/CIniFile.h"
#include "storage/CRegSettings.h"
#include "storage/SchemeFile.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QByteArray Header = "Barwright Color Scheme File (Do not edit manually)\r\n";

SchemeVariants defaults(bool baseColor = false)
{
    return {{{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s, u"#808080"_s, u"#000000"_s,
              u"#E0E0E0"_s, u"#808080"_s},
             baseColor,
             {}},
            std::nullopt};
}

QString storeFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Fernwick"_s, u"Barwright"_s)
        .fileName();
}

#ifdef Q_OS_WIN
// What `reg query` finds in a key of the program's settings, seen from outside the test.
QString registryValues(const QString &section)
{
    QProcess reg;
    reg.start(
        u"reg"_s,
        {u"query"_s,
         u"HKCU\\"_s + TestRegistryRoot() + u"\\Software\\Fernwick\\Barwright\\"_s + section});
    return reg.waitForFinished(20000) && reg.exitCode() == 0
        ? QString::fromLocal8Bit(reg.readAllStandardOutput()).simplified()
        : u"(no key)"_s;
}
#else
unsigned mode(const QString &path)
{
    struct stat info = {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777u : 0u;
}
#endif

} // namespace

// INI files, the settings store and scheme files.
class TestSchemeFile : public QObject
{
    Q_OBJECT

private:
    CIniFile at(const QString &section, const QString &key) const
    {
        CIniFile ini;
        ini.setPath(m_path);
        ini.setSection(section);
        ini.setKey(key);
        return ini;
    }

    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        m_path = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()));
#ifdef Q_OS_WIN
        QSettings(storeFile(), QSettings::NativeFormat).clear();
#else
        QFile::remove(storeFile());
#endif
    }

    void iniReadsAndWritesInPlaceWithoutRegardToCase()
    {
        CIniFile ini = at(u"Type"_s, u"IsBase"_s);
        ini.setDefault(u"d"_s);
        QCOMPARE(ini.Value(), u"d"_s); // no file, and reading makes none
        QVERIFY(!QFile::exists(m_path));
        ini.setValue(u"0"_s);
        QCOMPARE(ini.LastReturnCode(), 1);
        QCOMPARE(ReadFile(m_path), "[Type]\r\nIsBase=0\r\n");

        // A header line the reader does not understand stays where it is; LF alone is read;
        // values lose their blanks, unless quoted, and NUL characters; keys of other sections
        // are not this section's.
        QVERIFY(WriteFile(m_path,
                          "Header line\n[type]\nisbase=0\n[colors]\nvalue 0 = #aBcDeF \n"
                          "Quoted=\"  spaced  \"\n[Other]\nValue 1=#000000\n"));
        QCOMPARE(at(u"COLORS"_s, u"Value 0"_s).Value(), u"#aBcDeF"_s);
        QCOMPARE(at(u"Colors"_s, u"quoted"_s).Value(), u"  spaced  "_s);
        QCOMPARE(at(u"Colors"_s, u"Value 1"_s).Value(), QString());
        ini.setValue(u"1"_s);
        at(u"Colors"_s, u"Value 1"_s).setValue(u"#FFFFFF"_s);
        at(u"New"_s, u"Key"_s).setValue(u"a"_s + QChar(0) + u"b"_s);
        QCOMPARE(ReadFile(m_path),
                 "Header line\r\n[type]\r\nisbase=1\r\n[colors]\r\n"
                 "value 0 = #aBcDeF \r\nQuoted=\"  spaced  \"\r\nValue 1=#FFFFFF\r\n"
                 "[Other]\r\nValue 1=#000000\r\n[New]\r\nKey=ab\r\n");

        ini.setPath(m_dir.path()); // a folder: nothing to read, nothing written
        QCOMPARE(ini.Value(), u"d"_s);
        ini.setValue(u"1"_s);
        QCOMPARE(ini.LastReturnCode(), 0);
        QVERIFY(!ini.lastErrorString().isEmpty());
    }

    void settingsStoreTexts()
    {
#ifndef Q_OS_WIN
        // The test's own configuration folder, never the user's.
        QVERIFY(storeFile().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
#endif
        // Only the user's own store counts, not the company-wide file behind it; reading
        // creates nothing.
        QSettings company(QSettings::NativeFormat, QSettings::UserScope, u"Fernwick"_s);
        company.setValue(u"General/Show Message 1"_s, u"0"_s);
        company.sync();
        CRegSettings settings = ProgramSettings();
        QCOMPARE(settings.GetSetting(u"General"_s, u"Show Message 1"_s, u"1"_s), u"1"_s);
#ifdef Q_OS_WIN
        QCOMPARE(registryValues(u"General"_s), u"(no key)"_s);
        company.clear();
#else
        QVERIFY(!QFileInfo::exists(storeFile()));
        QFile::remove(company.fileName());
#endif

        QVERIFY(settings.SaveSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#12"_s));
        QVERIFY(settings.SaveSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#222222"_s));
        QVERIFY(settings.SaveSetting(u"General"_s, u"Show Message 2"_s, QString()));
        CRegSettings fresh = ProgramSettings();
        // An empty text is a value, not an absent one.
        QCOMPARE(fresh.GetSetting(u"General"_s, u"Show Message 2"_s, u"1"_s), QString());
        QVERIFY(fresh.DeleteSetting(u"Preview Colors"_s, u"fgcolor"_s));
        QCOMPARE(fresh.GetSetting(u"Preview Colors"_s, u"fgcolor"_s, u"d"_s), u"d"_s);
        QCOMPARE(fresh.GetSetting(u"Preview Colors"_s, u"bgcolor"_s), u"#222222"_s);
#ifdef Q_OS_WIN
        // In the registry, under the program's key, as REG_SZ values of those names.
        QVERIFY(registryValues(u"Preview Colors"_s)
                    .endsWith(u"\\Preview Colors bgcolor REG_SZ #222222"_s));
        QVERIFY(registryValues(u"General"_s).endsWith(u"\\General Show Message 2 REG_SZ"_s));
#endif
    }

    void savesAreByteExactAndWhole()
    {
        QCOMPARE(WriteSchemeFile(m_path, defaults(true)), QString());
        QCOMPARE(ReadFile(m_path), Header + "[Type]\r\nIsBase=1\r\n[Color]\r\nValue=#808080\r\n");
        QVERIFY(ReadSchemeFile(m_path).baseColor);
        QCOMPARE(ReadSchemeFile(m_path).baseText, u"#808080"_s);
        // Saving starts a new file: switching back leaves no "Color" section.
        QCOMPARE(WriteSchemeFile(m_path, defaults()), QString());
        QCOMPARE(ReadFile(m_path),
                 Header
                     + "[Type]\r\nIsBase=0\r\n"
                       "[Colors]\r\nValue 0=#C0C0C0\r\nValue 1=#FFFFFF\r\nValue 2=#FFFFFF\r\n"
                       "Value 3=#C0C0C0\r\nValue 4=#808080\r\nValue 5=#000000\r\n"
                       "Value 6=#E0E0E0\r\n");

#ifndef Q_OS_WIN
        // Through a link the target is saved and the link stays; a replaced file keeps its
        // mode.
        QCOMPARE(chmod(QFile::encodeName(m_path).constData(), 0700), 0);
        const QString link = m_dir.filePath(u"link.brw"_s);
        QVERIFY(QFile::link(m_path, link));
        QCOMPARE(WriteSchemeFile(link, defaults(true)), QString());
        QVERIFY(QFileInfo(link).isSymLink() && ReadFile(m_path).contains("IsBase=1"));
        QCOMPARE(mode(m_path), 0700u);

        // The disk fills up halfway through the new file: the old one stays as it was.
        const QByteArray before = ReadFile(m_path);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{80, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const QString error = WriteSchemeFile(m_path, defaults());
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadFile(m_path), before);
        // No temporary file is left behind.
        QCOMPARE(QDir(m_dir.path()).entryList({u".*"_s}, QDir::Files | QDir::Hidden),
                 QStringList());
#endif
    }

    void headerIsTheFirstFieldOfTheFirstLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("header");
        const QByteArray h = Header.chopped(2);
        QTest::newRow("LF only, no more lines") << h + "\n" << true;
        QTest::newRow("then a comma") << h + ",more text\r\n" << true;
        QTest::newRow("leading blanks, quoted") << "   \"" + h + "\",x\r\n" << true;
        QTest::newRow("trailing text") << h + " v2\r\n" << false;
    }

    void headerIsTheFirstFieldOfTheFirstLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, header);
        QVERIFY(WriteFile(m_path, bytes));
        QCOMPARE(HasSchemeHeader(m_path), header);
        QVERIFY(!HasSchemeHeader(m_dir.filePath(u"deleted.brw"_s)));
    }

    void readingAcrossModesAndOddFiles()
    {
        // Only "1" means the base colour, not a number that reads as one.
        QVERIFY(
            WriteFile(m_path, Header + "[Type]\r\nIsBase=01\r\n[Colors]\r\nValue 2=#123456\r\n"));
        SchemeFileContent content = ReadSchemeFile(m_path);
        QVERIFY(!content.baseColor);
        QCOMPARE(content.elementTexts[2], u"#123456"_s);
        QCOMPARE(content.elementTexts[0], QString()); // missing keys read empty
        // Lines far longer than the fuzzer tries, and bytes that are no UTF-8.
        const QByteArray megabyte(1 << 20, 'x');
        QVERIFY(WriteFile(m_path,
                          Header + "[Colors]\r\n" + megabyte + "\r\nValue 0=" + megabyte
                              + "\r\nValue 1=\xC3\x28\xFF\xFE\r\n"));
        content = ReadSchemeFile(m_path);
        QCOMPARE(content.elementTexts[0], QString(254, u'x'));
        QCOMPARE(content.elementTexts[1], QString::fromLatin1("\xC3\x28\xFF\xFE"));

        // A folder and a pipe given as the name: refused at once, never waited on.
        QVERIFY(!HasSchemeHeader(m_dir.path()));
#ifndef Q_OS_WIN
        QCOMPARE(mkfifo(QFile::encodeName(m_path + u".fifo"_s).constData(), 0600), 0);
        QVERIFY(!HasSchemeHeader(m_path + u".fifo"_s));
        QCOMPARE(ReadSchemeFile(m_path + u".fifo"_s).elementTexts[0], QString());
#endif
    }
};

BARWRIGHT_TEST_MAIN(TestSchemeFile)
#include "tst_SchemeFile.moc"
