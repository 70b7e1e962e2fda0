#include "legacy/LegacyPageFile.h"
#include "legacy/ScrollbarDeclarations.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The default scheme with some colours replaced, as the eight texts and the base flag.
QString scheme(const QList<std::pair<int, const char *>> &changes, bool base = false)
{
    QStringList texts{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s,
                      u"#808080"_s, u"#000000"_s, u"#E0E0E0"_s, u"#"_s};
    for (const auto &[index, text] : changes)
        texts[index] = QString::fromLatin1(text);
    return texts.join(u' ') + (base ? u" base"_s : QString());
}

QString schemeOf(const LegacyColorImport &result)
{
    if (!result.found)
        return {};
    return QStringList(result.scheme.texts.begin(), result.scheme.texts.end()).join(u' ')
        + (result.scheme.baseColor ? u" base"_s : QString());
}

} // namespace

class TestLegacyColors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesInTheStylesOfTheWild_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("css");
        QTest::addColumn<QString>("expected"); // empty: no colours for the page
        QTest::addColumn<QStringList>("reported");

        QTest::newRow("upper case in a BODY style attribute")
            << u"<HTML><HEAD><TITLE>Old</TITLE></HEAD>\n"
               "<BODY BGCOLOR=white STYLE=\"SCROLLBAR-FACE-COLOR: #336699;\n"
               "  SCROLLBAR-ARROW-COLOR: #FFFF00;SCROLLBAR-TRACK-COLOR:#000080\">\n</BODY></HTML>"_s
            << false << scheme({{0, "#336699"}, {1, "#FFFF00"}, {6, "#000080"}})
            << QStringList{
                   u"A seven-color scheme, 3 of its colors from the page."_s,
                   u"Line 3, BODY style attribute: scrollbar-arrow-color: #FFFF00, applied."_s};
        QTest::newRow("style sheet with comments and !important")
            << u"/* site colours: body { scrollbar-face-color: red } */\n"
               "@import url(\"print.css\");\n@media screen {\n  body {\n"
               "    scrollbar-face-color: /* teal */ #008080 !important;\n"
               "    scrollbar-shadow-color : rgb(0,\n 64,\t64) ! IMPORTANT ;\n  }\n}\n"_s
            << true << scheme({{0, "#008080"}, {4, "#004040"}})
            << QStringList{u"Line 5, body: scrollbar-face-color: #008080, applied."_s,
                           u"Line 6, body: scrollbar-shadow-color: rgb(0, 64, 64) (#004040), "
                           "applied."_s};
        QTest::newRow("named, short-hex, rgb() and system colours")
            << u"<style type=\"text/css\">\n<!--\nBODY { scrollbar-face-color: Navy;"
               " scrollbar-highlight-color: #fc0;\n  scrollbar-shadow-color: rgb(50%, 0%, 100%);"
               " scrollbar-darkshadow-color: RGB( 0 , 128 , 255 );\n"
               "  scrollbar-3dlight-color: ThreeDShadow; scrollbar-arrow-color: C0FFEE }\n"
               "-->\n</style>"_s
            << false
            << scheme({{0, "#000080"},
                       {1, "#C0FFEE"},
                       {2, "#FFCC00"},
                       {3, "#808080"},
                       {4, "#8000FF"},
                       {5, "#0080FF"}})
            << QStringList{u"Line 3, BODY: scrollbar-face-color: Navy (#000080), applied."_s};
        QTest::newRow("a textarea rule does not win; the last page rule does")
            << u"<style>body { scrollbar-face-color: #111111 }\n"
               "textarea, .box { scrollbar-face-color: #222222 }\n</style>\n"
               "<script>document.write('<style>body{scrollbar-face-color:red}</style>')</script>\n"
               "<body><div style='scrollbar-track-color: #444444'></div>\n"
               "<style>html>body { SCROLLBAR-FACE-COLOR: #333333 }</style>"_s
            << false << scheme({{0, "#333333"}})
            << QStringList{u"Line 1, body: scrollbar-face-color: #111111, set aside: line 6 has a "
                           "more specific selector."_s,
                           u"Line 2, textarea, .box: scrollbar-face-color: #222222, set aside: not "
                           "the page's own scrollbar."_s,
                           u"Line 5, div style attribute: scrollbar-track-color: #444444, set "
                           "aside: not the page's own scrollbar."_s};
        QTest::newRow("base only")
            << u"<body style=\"scrollbar-base-color: #6699cc\">"_s << false
            << scheme({{7, "#6699CC"}}, true) << QStringList{u"A base-color scheme: #6699CC."_s};
        QTest::newRow("base plus elements")
            << u"body { scrollbar-base-color: #6699CC; scrollbar-arrow-color: black;\n"
               "scrollbar-track-color: inherit }"_s
            << true
            << scheme(
                   {{0, "#6699CC"}, {1, "#000000"}, {3, "#6699CC"}, {4, "#446688"}, {6, "#B3CCE6"}})
            << QStringList{u"Line 1, body: scrollbar-base-color: #6699CC, applied: the element "
                           "colors the page leaves out are derived from it."_s,
                           u"Derived from the base color #6699CC: face #6699CC, highlight #FFFFFF, "
                           "3dlight #6699CC, shadow #446688, darkshadow #000000, track #B3CCE6."_s};
        QTest::newRow("the cascade, system colours, * and a look-alike")
            << u"<style>body { scrollbar-face-color: #111111 !important }\n"
               "html body.x { scrollbar-face-color: #222222; scrollbar-highlight-color: #333333 }\n"
               "* { scrollbar-track-color: InfoBackground; scrollbar-dlight-color: #fff }\n"
               "body { scrollbar-highlight-color: #444444 }</style>\n"
               "<body class=x style=\"scrollbar-shadow-color: Highlight\">\n"
               "<style>body { scrollbar-shadow-color: #555555 }</style>"_s
            << false << scheme({{0, "#111111"}, {2, "#333333"}, {4, "#000080"}, {6, "#FFFFE1"}})
            << QStringList{u"Line 2, html body.x: scrollbar-face-color: #222222, set aside: line 1 "
                           "is !important."_s,
                           u"Line 3, *: scrollbar-dlight-color: #fff, set aside: not a scrollbar "
                           "color Barwright knows."_s,
                           u"Line 6, body: scrollbar-shadow-color: #555555, set aside: line 5 is a "
                           "style attribute."_s};
        QTest::newRow("a long element name is cut")
            << u"<"_s + QString(100, u'n') + u" style='scrollbar-face-color: red'>"_s << false
            << QString()
            << QStringList{u"Line 1, "_s + QString(60, u'n')
                           + u"… style attribute: scrollbar-face-color: red "
                             "(#FF0000), set aside: not the page's own scrollbar."_s};
        // The conditions IE 5.5 to 9 take, and those only other browsers take.
        QTest::newRow("conditional comments")
            << u"<!--[if IE]><style>body { scrollbar-face-color: #FF0000 }</style><![endif]-->\n"
               "<!--[if lt IE 5.5]><style>body { scrollbar-arrow-color: #00FF00 }</style>"
               "<![endif]-->\n<!--[if !IE]><!--><style>body { scrollbar-track-color: #0000FF }"
               "</style><!--<![endif]-->\n<![if !IE]><style>body { scrollbar-base-color: #00AA00 }"
               "</style><![endif]>\n<!--[if gt IE 8]><!--><style>html { "
               "scrollbar-highlight-color: #ABCDEF }</style><!--<![endif]-->\n"
               "<!--[IF (gt IE 5)&(lt IE 9)]><body style=\"scrollbar-shadow-color: #123456\">"
               "<![endif]-->\n<style media=\"print\">body { scrollbar-3dlight-color: #555555 }"
               "</style>"_s
            << false << scheme({{0, "#FF0000"}, {2, "#ABCDEF"}, {4, "#123456"}})
            << QStringList{u"Line 1, body, in the conditional comment [if IE]: "
                           "scrollbar-face-color: #FF0000, applied."_s,
                           u"Line 6, body style attribute, in the conditional comment [if (gt IE "
                           "5)&(lt IE 9)]: scrollbar-shadow-color: #123456, applied."_s,
                           u"Line 7, body: scrollbar-3dlight-color: #555555, set aside: only for "
                           "print."_s};
        QTest::newRow("rules for other media")
            << u"@media print { body { scrollbar-arrow-color: #444444 } }\n"
               "@media screen, print { body { scrollbar-face-color: #336699 } }\n"
               "@media not print { @media handheld { body { scrollbar-track-color: #111 } }\n"
               "body { scrollbar-highlight-color: #333333 } }\n"
               "@media all and (min-width: 600px) { body { scrollbar-shadow-color: #222222 } }"_s
            << true << scheme({{0, "#336699"}, {2, "#333333"}, {4, "#222222"}})
            << QStringList{u"Line 1, body: scrollbar-arrow-color: #444444, set aside: only for "
                           "print."_s,
                           u"Line 3, body: scrollbar-track-color: #111 (#111111), set aside: only "
                           "for handheld."_s};
        QTest::newRow("none") << u"<html><body><!-- <body style=\"scrollbar-face-color:red\"> -->\n"
                                 "<p>scrollbar-face-color: red</p></body></html>"_s
                              << false << QString()
                              << QStringList{
                                     u"No legacy scrollbar colors for the page were found."_s};
    }

    void pagesInTheStylesOfTheWild()
    {
        QFETCH(QString, page);
        QFETCH(bool, css);
        QFETCH(QString, expected);
        QFETCH(QStringList, reported);

        const LegacyColorImport result
            = ImportLegacyColors(page.toUtf8(), css ? LegacySource::Css : LegacySource::Html);
        QVERIFY(result.error.isEmpty());
        QCOMPARE(schemeOf(result), expected);
        const QStringList lines = result.report.split(u'\n');
        for (const QString &line : reported)
            QVERIFY2(lines.contains(line), qPrintable(result.report));
    }

    // The page preview's reader: what bears on scrollbars, where it stands and under what.
    void scrollbarDeclarationsWithTheirPlaces_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QStringList>("found");

        QTest::newRow("frameworks' rules")
            << u"/* daisyUI */\n:root { scrollbar-color: #888 #eee; color: red }\n"
               "@media (min-width: 1px) { .scrollbar-thin { scrollbar-width: thin !important } }\n"
               ".strip::-webkit-scrollbar { display: none; }\nbody { SCROLLBAR-FACE-COLOR: #336699 }"_s
            << QStringList{u"2:9 :root { scrollbar-color: #888 #eee }"_s,
                           u"3:45 [@media (min-width: 1px)] .scrollbar-thin { scrollbar-width: "
                           "thin !important }"_s,
                           u"4:29 .strip::-webkit-scrollbar { display: none }"_s,
                           u"5:8 body { scrollbar-face-color: #336699 }"_s};
        QTest::newRow("braces in strings and comments, other at-rules and nested rules")
            << u"a[title=\"{\"] /* } */ { scrollbar-color: red blue }\n"
               "@font-face { font-family: x; scrollbar-color: red }\n@import url(\"x;y.css\");\n"
               ".a { content: \"}\"; scrollbar-width: none; & .b { scrollbar-width: thin } }\n"
               "<!-- .c { scrollbar-width: thin } -->"_s
            << QStringList{u"1:24 a[title=\"{\"] { scrollbar-color: red blue }"_s,
                           u"4:20 .a { scrollbar-width: none }"_s,
                           u"5:11 .c { scrollbar-width: thin }"_s};
        QTest::newRow("cut off inside a rule and a comment")
            << u".x { scrollbar-color: red\n/* never closed { scrollbar-width: none }"_s
            << QStringList{u"1:6 .x { scrollbar-color: red }"_s};
    }

    void scrollbarDeclarationsWithTheirPlaces()
    {
        QFETCH(QString, css);
        QFETCH(QStringList, found);
        QStringList read;
        for (const ScrollbarDeclaration &d : FindScrollbarDeclarations(css)) {
            const QString conditions
                = d.conditions.isEmpty() ? QString() : u'[' + d.conditions.join(u", "_s) + u"] "_s;
            read << u"%1:%2 %3%4 { %5: %6%7 }"_s.arg(d.line)
                        .arg(d.column)
                        .arg(conditions, d.selector, d.property, d.value,
                             d.important ? u" !important"_s : QString());
        }
        QCOMPARE(read, found);
    }

    void largeAndBinaryFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // an error, or a line of the report

        const QByteArray line = "<p style=\"color: red\">Lorem ipsum dolor sit amet</p>\n";
        const QByteArray rule = "<style>body { scrollbar-face-color: #123456 }</style>\n";
        const qsizetype lines = (LegacyPageLimit - rule.size()) / line.size();
        QByteArray page = line.repeated(lines) + rule;
        page += QByteArray(LegacyPageLimit - page.size(), ' ');
        QTest::newRow("20 MB page")
            << page << u"Line %1, body: scrollbar-face-color: #123456, applied."_s.arg(lines + 1);
        QTest::newRow("over 20 MB") << page + ' ' << u"the file is larger than 20 MB"_s;
        QByteArray junk(1 << 20, Qt::Uninitialized);
        QRandomGenerator(13).fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
        QTest::newRow("binary junk") << junk << u"the file is not text"_s;
    }

    void largeAndBinaryFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString path = m_dir.filePath(u"page.html"_s);
        QVERIFY(WriteFile(path, bytes));
        const LegacyColorImport result = ImportLegacyPage(path, LegacySourceOf(path));
        if (result.error.isEmpty())
            QVERIFY2(result.report.split(u'\n').contains(expected), qPrintable(result.report));
        else
            QCOMPARE(result.error, expected);
    }

private:
    QTemporaryDir m_dir;
};

BARWRIGHT_TEST_MAIN(TestLegacyColors)
#include "tst_LegacyColors.moc"
