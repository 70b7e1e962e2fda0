#include "output/CodeText.h"
#include "output/CodeWindow.h"
#include "storage/CRegSettings.h"
#include "storage/SchemeFile.h"
#include "support/OldPage.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QProcess>
#include <QPushButton>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CodeOptions)

namespace {

constexpr QFile::Permissions Everyone
    = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

const QByteArray ElementFile = "Barwright Color Scheme File (Do not edit manually)\r\n[Type]\r\n"
                               "IsBase=0\r\n[Colors]\r\nValue 0=#3366CC\r\nValue 1=#ffee00\r\n"
                               "Value 2=#AAFFAA\r\nValue 3=#8844FF\r\nValue 4=#225522\r\n"
                               "Value 5=#110022\r\nValue 6=#F0A0A0\r\n";
// With a dark variant and state faces.
const QByteArray BaseFile = "Barwright Color Scheme File (Do not edit manually)\r\n[Type]\r\n"
                            "IsBase=1\r\n[Color]\r\nValue=#4080C0\r\n[Dark Type]\r\nIsBase=1\r\n"
                            "[Dark Color]\r\nValue=#203050\r\n[Dark States]\r\nHover=#405070\r\n";

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// As `user`, when named: root reads any file.
Run brw2css(const QStringList &arguments, const QByteArray &input = {}, const QString &folder = {},
            const QString &user = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    const QString program = qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR") + u"/brw2css"_s;
    if (user.isEmpty())
        process.start(program, arguments);
    else
        process.start(
            u"setpriv"_s,
            QStringList{u"--reuid="_s + user, u"--regid="_s + user, u"--clear-groups"_s, program}
                + arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(10000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

SchemeVariants schemeIn(const QString &path)
{
    return SchemeVariantsOf(ReadSchemeFile(path));
}

} // namespace

// The converter as a build pipeline runs it: a process, its output and its exit code.
class TestBrw2Css : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_elements = m_folder.filePath(u"elements.brw"_s);
        m_base = m_folder.filePath(u"base.brw"_s);
        QVERIFY(WriteFile(m_elements, ElementFile) && WriteFile(m_base, BaseFile));
    }

    void printsTheChosenFormat_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fromStandardInput");
        QTest::addColumn<bool>("base");
        QTest::addColumn<CodeOptions>("options");

        const ModernSheetOptions plain;
        QTest::newRow("modern by default")
            << QStringList() << false << false << CodeOptions{CodeFormat::Modern, plain};
        QTest::newRow("classic, lower case kept")
            << QStringList{u"--format"_s, u"classic"_s} << false << false
            << CodeOptions{CodeFormat::Classic, plain};
        QTest::newRow("bare css, scope and width")
            << QStringList{u"--format=css"_s, u"--scope"_s, u" .side , #menu"_s, u"--width=9"_s}
            << false << false << CodeOptions{CodeFormat::Css, {u".side , #menu"_s, 9}};
        QTest::newRow("base colour from standard input")
            << QStringList() << true << true << CodeOptions{CodeFormat::Modern, plain};
    }

    void printsTheChosenFormat()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fromStandardInput);
        QFETCH(bool, base);
        QFETCH(CodeOptions, options);
        const QString path = base ? m_base : m_elements;
        const Run run = fromStandardInput
            ? brw2css(arguments << u"-"_s, base ? BaseFile : ElementFile)
            : brw2css(arguments << path);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), BuildCode(schemeIn(path), options).value());
        QCOMPARE(run.out.contains("--scrollbar-hover: #405070;"), base);
    }

    void refusesWithoutOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file"); // written to bad.brw and given on standard input
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        const auto row = [](const char *name, const QStringList &arguments, const QByteArray &file,
                            int exitCode, const QString &message) {
            QTest::newRow(name) << arguments << file << exitCode << message;
        };
        const QByteArray good = ElementFile;
        const QString notScheme = u"bad.brw: is not a Barwright color scheme file"_s;
        const QStringList bad{u"bad.brw"_s};
        row("missing file", {u"nowhere.brw"_s}, good, 1, u"nowhere.brw: no such file"_s);
        row("missing style sheet", {u"nowhere.css"_s}, good, 1, u"nowhere.css: no such file"_s);
        row("folder as a page", {u"--input=html"_s, u"."_s}, good, 1,
            u".: is a folder, not a file"_s);
        row("unreadable page", {u"--input=html"_s, bad[0]}, good, 1,
            u"bad.brw: no permission to read it"_s);
        row("unreadable scheme", bad, good, 1, u"bad.brw: no permission to read it"_s);
        row("wrong header", bad, QByteArray(good).replace("Barwright", "barwright"), 1, notScheme);
        row("incomplete colour", bad, QByteArray(good).replace("#8844FF", "#8844"), 1,
            u"bad.brw: [Colors] Value 3 is \"#8844\", not a color"_s);
        row("missing base colour", bad, QByteArray(BaseFile).replace("Value=#4080C0", ""), 1,
            u"bad.brw: [Color] Value is \"\", not a color"_s);
        row("dark colour no colour", bad, QByteArray(BaseFile).replace("#203050", "#2030GG"), 1,
            u"bad.brw: [Dark Color] Value is \"#2030GG\", not a color"_s);
        row("state no colour", bad, good + "[States]\r\nPressed=#12\r\n", 1,
            u"bad.brw: [States] Pressed is \"#12\", not a color"_s);
        row("unknown format", {u"--format=xml"_s, bad[0]}, good, 2, u"unknown format \"xml\""_s);
        row("width too small", {u"--width=7"_s, bad[0]}, good, 2,
            u"the width must be a whole number from 8 to 32"_s);
        row("unsafe scope", {u"--scope=a{x}"_s, bad[0]}, good, 2,
            u"\"a{x}\" cannot be the scope"_s);
        row("long scope on two lines", {u"--scope=a{\n"_s + QString(70, u'x'), bad[0]}, good, 2,
            u"\"a{\\n"_s + QString(57, u'x') + u"\u2026\" cannot be the scope"_s);
        row("no file", {}, good, 2, u"name one scheme file, or - for standard input"_s);
        row("page without legacy colours", {u"--input=html"_s, u"-"_s}, good, 1,
            u"-: no legacy scrollbar colors for the page"_s);
        row("binary page", {u"--input=css"_s, bad[0]},
            QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 1, u"bad.brw: the file is not text"_s);
    }

    void refusesWithoutOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString bad = m_folder.filePath(u"bad.brw"_s);
        QVERIFY(WriteFile(bad, file));
        const bool locked = message.endsWith(u"no permission to read it"_s);
#ifdef Q_OS_WIN
        if (locked)
            QSKIP("Qt cannot take the right to read a file away on Windows");
#endif
        if (locked)
            QVERIFY(QFile::setPermissions(bad, {})
                    && QFile::setPermissions(m_folder.path(), Everyone));
#ifdef Q_OS_WIN
        const Run run = brw2css(arguments, file, m_folder.path());
#else
        const Run run = brw2css(arguments, file, m_folder.path(),
                                locked && geteuid() == 0 ? u"65534"_s : QString());
#endif
        QFile::setPermissions(bad, Everyone);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(QString::fromUtf8(run.err), u"brw2css: "_s + message + u'\n');
    }

    void matchesTheCodeWindow()
    {
        // The same options, chosen in the code window: the converter prints what it copies.
        CRegSettings settings = ProgramSettings();
        settings.SaveSetting(u"Code"_s, u"Format"_s, u"both"_s);
        settings.SaveSetting(u"Code"_s, u"Scope"_s, u"main .list"_s);
        settings.SaveSetting(u"Code"_s, u"Width"_s, u"20"_s);
        ScriptedPlatform platform;
        CodeWindow window(schemeIn(m_base), platform, nullptr);
        window.copyButton()->click();
        const Run run
            = brw2css({u"--format=both"_s, u"--scope=main .list"_s, u"--width=20"_s, m_base});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(
            platform.clipboard.contains(u"main .list::-webkit-scrollbar {\r\n    width: 20px;"_s));
        QCOMPARE(QString::fromUtf8(run.out), platform.clipboard);
        QVERIFY(platform.clipboard.contains(u"--scrollbar-face: #203050;"_s));
    }

    void importsOldPages()
    {
        // The colours of elements.brw, as an old page wrote them.
        const QString page = m_folder.filePath(u"old.HTM"_s);
        QVERIFY(WriteFile(page, OldPage));
        const CodeOptions modern{CodeFormat::Modern, {}};
        const Run run = brw2css({u"--report"_s, page});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), BuildCode(schemeIn(m_elements), modern).value());
        QVERIFY2(run.err.startsWith("A seven-color scheme, 7 of its colors from the page.\n"
                                    "Line 2, BODY: scrollbar-face-color: #3366CC, applied.\n"),
                 run.err.constData());
    }

private:
    QTemporaryDir m_folder;
    QString m_elements, m_base;
};

BARWRIGHT_TEST_MAIN(TestBrw2Css)
#include "tst_Brw2Css.moc"
