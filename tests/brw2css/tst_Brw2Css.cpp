#include "output/CodeText.h"
#include "output/CodeWindow.h"
#include "output/StyleSheetExporter.h"
#include "storage/CRegSettings.h"
#include "storage/SchemeFile.h"
#include "support/OldPage.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QDir>
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

// A page with each kind of finding, a linked sheet, a remote one and, before one finding on its
// line, a character of two bytes; and the framework sheet it links.
const QByteArray CheckedPage
    = "<!DOCTYPE html>\n<link rel=\"stylesheet\" href=\"css/theme.css\">\n"
      "<link rel=stylesheet href=\"https://cdn.example.com/ui.css\">\n"
      "<style>\n/* \xC3\xBC */ .strip::-webkit-scrollbar { display: none }\n"
      "html::-webkit-scrollbar, .list { WIDTH: 0px }\n</style>\n"
      "<body style=\"scrollbar-face-color: #3366CC\">\n";
const QByteArray ThemeSheet = "/* a framework's theme */\n:root { scrollbar-color: #888 #eee }\n"
                              "@layer utilities {\n  .scrollbar-thin { scrollbar-width: thin }\n}\n"
                              "* { scrollbar-width: none; scrollbar-color: auto }\n";

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
        // Barwright's own sheet, Firefox's thin scrollbar-width and dark variant included.
        const QString own = BuildCode(schemeIn(m_base), {CodeFormat::Css, {{}, 9}}).value();
        QVERIFY(QDir(m_folder.path()).mkpath(u"site/css"_s));
        QVERIFY(WriteFile(m_folder.filePath(u"own.css"_s), own.toUtf8())
                && WriteFile(m_folder.filePath(u"site/index.html"_s), CheckedPage)
                && WriteFile(m_folder.filePath(u"site/css/theme.css"_s), ThemeSheet)
                && WriteFile(m_folder.filePath(u"site/broken.htm"_s),
                             "<link rel=stylesheet href=missing.css>"));
    }

    void printsTheChosenFormat_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fromStandardInput");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<CodeOptions>("options");

        const ModernSheetOptions plain;
        const QStringList classic{u"--format"_s, u"classic"_s};
        QTest::newRow("modern by default")
            << QStringList() << false << ElementFile << CodeOptions{CodeFormat::Modern, plain};
        QTest::newRow("classic, lower case kept")
            << classic << false << ElementFile << CodeOptions{CodeFormat::Classic, plain};
        // The classic block has neither the dark variant nor the states.
        QTest::newRow("classic, dark and state incomplete")
            << classic << false
            << QByteArray(BaseFile).replace("#203050", "#2030").replace("#405070", "#GG")
            << CodeOptions{CodeFormat::Classic, plain};
        QTest::newRow("bare css, scope and width")
            << QStringList{u"--format=css"_s, u"--scope"_s, u" .side , #menu"_s, u"--width=9"_s}
            << false << ElementFile << CodeOptions{CodeFormat::Css, {u".side , #menu"_s, 9}};
        QTest::newRow("base colour from standard input")
            << QStringList() << true << BaseFile << CodeOptions{CodeFormat::Modern, plain};
    }

    void printsTheChosenFormat()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fromStandardInput);
        QFETCH(QByteArray, file);
        QFETCH(CodeOptions, options);
        const QString path = m_folder.filePath(u"in.brw"_s);
        QVERIFY(WriteFile(path, file));
        const Run run
            = fromStandardInput ? brw2css(arguments << u"-"_s, file) : brw2css(arguments << path);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), BuildCode(schemeIn(path), options).value());
        QCOMPARE(run.out.contains("--scrollbar-hover: #405070;"), file == BaseFile);
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
        row("misspelt pseudo-class", {u"--scope=li:nth-chlid(2)"_s, bad[0]}, good, 2,
            u"\"li:nth-chlid(2)\" cannot be the scope: browsers know no pseudo-class "
            "\":nth-chlid\""_s);
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

    void checksPages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QString off = u"Chromium 121+ and Safari 26.2+ then drop "_s;
        const QString page
            = u"site/index.html:3:28: note: \"https://cdn.example.com/ui.css\" "
              "is remote, so it is not read\n"
              "site/index.html:5:37: warning: \".strip::-webkit-scrollbar { display: "
              "none }\" does not reach the root: it hides the scrollbar in Chromium "
              "and Safari\n"
              "site/index.html:6:34: warning: \"html::-webkit-scrollbar, .list { "
              "WIDTH: 0px }\" reaches the page's own scrollbar: it hides the "
              "scrollbar in Chromium and Safari\n"
              "site/index.html:8:14: warning: \"<body style='scrollbar-face-color: "
              "#3366CC'>\" reaches the whole page by inheritance: today's browsers "
              "ignore this legacy Internet Explorer color\n"_s;
        const auto theme = [&](const QString &thin) {
            return u"site/css/theme.css:2:9: warning: \":root { scrollbar-color: #888 #eee }\" "
                   "reaches the whole page by inheritance: "_s
                + off
                + u"the bevel outside Barwright's scope\nsite/css/theme.css:4:21: warning: "
                  "\".scrollbar-thin { scrollbar-width: thin }\" "_s
                + thin
                + u"\nsite/css/theme.css:6:5: warning: \"* { scrollbar-width: none }\" reaches "
                  "every element: it hides the scrollbar\n"_s;
        };
        const QStringList check{u"--check"_s};
        QTest::newRow("each kind, a linked and a remote sheet")
            << check + QStringList{u"site/index.html"_s} << QByteArray() << 1
            << page + theme(u"does not reach the root: "_s + off + u"the bevel where it applies"_s)
            << QString();
        QTest::newRow("the scope, and a sheet named twice")
            << check
                + QStringList{u"--scope= .scrollbar-thin"_s, u"site/css/theme.css"_s,
                              u"site/css/theme.css"_s}
            << QByteArray() << 1
            << theme(u"reaches Barwright's scope: "_s + off
                     + u"its bevel unless Barwright's sheet comes after it"_s)
            << QString();
        QTest::newRow("standard input as a page")
            << check + QStringList{u"-"_s} << QByteArray("<div\nstyle='scrollbar-width: 8px'>") << 1
            << u"-:2:8: warning: \"<div style='scrollbar-width: 8px'>\" does not reach the root: "_s
                + off + u"the bevel where it applies\n"_s
            << QString();
        QTest::newRow("Barwright's own sheet")
            << check + QStringList{u"own.css"_s} << QByteArray() << 0 << QString() << QString();
        QTest::newRow("a linked sheet missing")
            << check + QStringList{u"site/broken.htm"_s} << QByteArray() << 2
            << u"site/broken.htm:1:27: error: \"missing.css\" cannot be read: no such file\n"_s
            << QString();
        QTest::newRow("a missing file, and the others checked")
            << check + QStringList{u"nowhere.css"_s, u"own.css"_s} << QByteArray() << 2 << QString()
            << u"brw2css: nowhere.css: no such file\n"_s;
        QTest::newRow("a scheme file")
            << check + QStringList{u"base.brw"_s} << QByteArray() << 2 << QString()
            << u"brw2css: base.brw: is no page or style sheet; --input "
               "tells its kind\n"_s;
        QTest::newRow("with a format") << check + QStringList{u"--format=css"_s, u"own.css"_s}
                                       << QByteArray() << 2 << QString()
                                       << u"brw2css: --check takes no --format, --width or "
                                          "--report\n"_s;
        QTest::newRow("no file") << check << QByteArray() << 2 << QString()
                                 << u"brw2css: name the pages and style sheets to check, or - "
                                    "for standard input\n"_s;
    }

    void checksPages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = brw2css(arguments, input, m_folder.path());
        QCOMPARE(QString::fromUtf8(run.out), out);
        QCOMPARE(QString::fromUtf8(run.err), err);
        QCOMPARE(run.exitCode, exitCode);
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

        // Exported, a style sheet file gets the bare sheet, a page what the window shows.
        const StyleSheetExporter exporter(platform, nullptr);
        const QString sheet = m_folder.filePath(u"base.css"_s);
        const QString page = m_folder.filePath(u"base.htm"_s);
        platform.fileAnswers = {sheet, page};
        QCOMPARE(exporter.exportScheme(schemeIn(m_base), m_base), sheet);
        QCOMPARE(exporter.exportScheme(schemeIn(m_base), m_base), page);
        QCOMPARE(ReadFile(page), run.out);
        QCOMPARE(
            ReadFile(sheet),
            brw2css({u"--format=css"_s, u"--scope=main .list"_s, u"--width=20"_s, m_base}).out);
        QCOMPARE(platform.fileDialogs.value(0).fileName, u"base.css"_s);
        QCOMPARE(platform.fileDialogs.value(1).folder, m_folder.path()); // the last export's
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
