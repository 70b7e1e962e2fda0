#include "output/CodeText.h"
#include "output/StyleBlock.h"
#include "support/ScriptedPlatform.h"

#include <QColor>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SchemeColors)

namespace {

SchemeTexts defaultScheme()
{
    SchemeTexts scheme;
    for (int i = 0; i < ElementCount; ++i)
        scheme.texts[size_t(i)] = QString::fromUtf16(SchemeElements[size_t(i)].defaultText);
    scheme.texts[BaseColorIndex] = u"#"_s;
    return scheme;
}

} // namespace

// The code for pages, in each of its formats: pure functions of the scheme.
class TestCodeText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classicBlockTakesTextsVerbatim()
    {
        // Whatever the boxes hold goes in as it stands; a base-colour block has its one line.
        SchemeTexts scheme = defaultScheme();
        scheme.texts[ShadowElement] = u"#GGGGGG"_s;
        scheme.texts[TrackElement] = u"#c0c0c0"_s;
        QCOMPARE(BuildStyleBlock(scheme),
                 u"<STYLE type=\"text/css\">\r\n<!--\r\nBODY {\r\n"
                 "scrollbar-face-color:#C0C0C0;\r\n"
                 "scrollbar-highlight-color:#FFFFFF;\r\n"
                 "scrollbar-3dlight-color:#C0C0C0;\r\n"
                 "scrollbar-darkshadow-color:#000000;\r\n"
                 "scrollbar-shadow-color:#GGGGGG;\r\n"
                 "scrollbar-arrow-color:#FFFFFF;\r\n"
                 "scrollbar-track-color:#c0c0c0;\r\n"
                 "}\r\n-->\r\n</STYLE>\r\n"_s);
        scheme.baseColor = true;
        scheme.texts[BaseColorIndex] = u"#336699"_s;
        QCOMPARE(BuildStyleBlock(scheme),
                 u"<STYLE type=\"text/css\">\r\n<!--\r\nBODY {\r\n"
                 "scrollbar-base-color:#336699;\r\n}\r\n-->\r\n</STYLE>\r\n"_s);
    }

    void checkLooksAtLengthsOfTheModesTextsOnly()
    {
        ScriptedPlatform platform;
        SchemeTexts scheme = defaultScheme();
        QVERIFY(CheckStyleInput(scheme, platform, nullptr)); // the base box's "#" is not looked at
        scheme.texts[Light3DElement] = u"#C0C0"_s;
        scheme.texts[DarkShadowElement].clear();
        QVERIFY(!CheckStyleInput(scheme, platform, nullptr)); // one message for both
        scheme.baseColor = true;
        QVERIFY(!CheckStyleInput(scheme, platform, nullptr));
        scheme.texts[BaseColorIndex] = u"#GGGGGG"_s; // only the length counts
        QVERIFY(CheckStyleInput(scheme, platform, nullptr));
        QCOMPARE(platform.messages.size(), 2);
    }

    void derivesColorsFromTheBase_data()
    {
        QTest::addColumn<QRgb>("base");
        // Face, arrow, highlight, 3dlight, shadow, darkshadow, track.
        QTest::addColumn<SchemeColors>("expected");
        QTest::newRow("classic grey gives the default scheme")
            << qRgb(0xC0, 0xC0, 0xC0)
            << SchemeColors{{0xFFC0C0C0, 0xFF000000, 0xFFFFFFFF, 0xFFC0C0C0, 0xFF808080, 0xFF000000,
                             0xFFE0E0E0}};
        QTest::newRow("dark base, white arrows, halves round up")
            << qRgb(0x01, 0x02, 0x35)
            << SchemeColors{{0xFF010235, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF010235, 0xFF010123, 0xFF000000,
                             0xFF80819A}};
    }

    void derivesColorsFromTheBase()
    {
        QFETCH(QRgb, base);
        QFETCH(SchemeColors, expected);
        QCOMPARE(DeriveFromBase(base).rgb, expected.rgb);

        SchemeTexts scheme;
        scheme.baseColor = true;
        scheme.texts[BaseColorIndex] = ColorText(base).toLower();
        QCOMPARE(ResolveSchemeColors(scheme)->rgb, expected.rgb);
    }

    void derivesASoundDarkVariant()
    {
        SchemeTexts grey = defaultScheme(), base{{}, true, {u"#"_s, u"#FFFFFF"_s}};
        grey.states = {u"#A0A0A0"_s, u"#"_s}; // a hover face darker than the face
        base.texts[BaseColorIndex] = u"#4A6FA5"_s; // a pressed face lighter than the base
        SchemeTexts blue = defaultScheme(); // a dark face on a light track
        blue.texts[FaceElement] = u"#0000FF"_s;
        blue.texts[TrackElement] = u"#FFFF80"_s;
        const auto l = [](QRgb color) {
            return QColor(color).lightnessF();
        };
        const auto y = [](QRgb color) { // grows with relative luminance
            return ContrastRatio(color, qRgb(0, 0, 0));
        };
        for (SchemeTexts light : {grey, base, blue}) {
            const SchemeTexts dark = DeriveDarkVariant(light).value();
            const SchemeColors from = *ResolveSchemeColors(light), to = *ResolveSchemeColors(dark);
            const QRgb face = to[FaceElement];
            QVERIFY(!dark.baseColor && y(to[TrackElement]) < y(face));
            QVERIFY(ContrastRatio(face, to[TrackElement]) >= NonTextContrastMinimum
                    && ContrastRatio(to[ArrowElement], face) >= NonTextContrastMinimum);
            QVERIFY(l(to[HighlightElement]) > l(face) && l(to[Light3DElement]) > l(face)
                    && l(to[ShadowElement]) < l(face) && l(to[DarkShadowElement]) < l(face));
            // A state set in the light variant is set in the dark one, its step turned round.
            for (size_t i = 0; i < StateCount; ++i)
                QVERIFY(IsNoStateText(dark.states[i]) == IsNoStateText(light.states[i])
                        && (y(from.states[i]) - y(from[FaceElement])) * (y(to.states[i]) - y(face))
                            <= 0);
            light.texts[light.baseColor ? BaseColorIndex : ShadowElement] = u"#80"_s;
            QVERIFY(!DeriveDarkVariant(light));
        }
    }

    void acceptsOnlySafeScopes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scope"); // empty: refused
        QTest::newRow("blanks trimmed") << u"  #menu > ul  "_s << u"#menu > ul"_s;
        QTest::newRow("list and quotes")
            << u"div[title=\"a,b\"], :is(p, q)"_s << u"div[title=\"a,b\"], :is(p, q)"_s;
        QTest::newRow("line breaks and tabs are blanks")
            << u".a,\r\n.b\t>\fp[title='x\ty']"_s << u".a, .b > p[title='x\ty']"_s;
        for (const QString &good :
             {u"ul#m>li.a:not(.b, [x]) + *:nth-child(-n+ 3 of p) ~ a[href^='x' i]:hover"_s,
              u"#\\31 23, :has(> img), .md\\:flex, -x:nth-of-type(odd):lang(en)"_s,
              u"input:Focus-Visible:user-invalid, :root:state(open):dir(rtl)"_s})
            QTest::newRow(qPrintable(good)) << good << good;
        for (const QString &bad : {u""_s,
                                   u"   "_s,
                                   u"a {"_s,
                                   u"a}"_s,
                                   u"a; b"_s,
                                   u"</style><p>"_s,
                                   u"a /* b"_s,
                                   u"@import url(x)"_s,
                                   u"a\1b"_s,
                                   u"[title=\"x]"_s,
                                   u":is(a"_s,
                                   u"a]"_s,
                                   u".box,"_s,
                                   u","_s,
                                   u"..box"_s,
                                   u"#123"_s,
                                   u"div >"_s,
                                   u".a\\"_s,
                                   u"a::before"_s,
                                   u"p:nth-child(2n+)"_s,
                                   u"a,,b"_s,
                                   u"[x=1]"_s,
                                   u":is()"_s,
                                   u"-1a"_s,
                                   u".a:hovr"_s,
                                   u"div:selection"_s,
                                   u"li:nth-chlid(2)"_s,
                                   u":hover(a)"_s,
                                   u"[title='a\nb']"_s,
                                   u":dir(up)"_s})
            QTest::newRow(qPrintable(u"refused: "_s + QString(bad).replace(u'\n', u"\\n"_s)))
                << bad << QString();
    }

    void acceptsOnlySafeScopes()
    {
        QFETCH(QString, text);
        QFETCH(QString, scope);
        QCOMPARE(ScopeSelector(text).value_or(QString()), scope);
        QCOMPARE(ScopeSelectorItems(text).join(u", "_s), scope);
    }

    // How the sheet draws is proven in real browsers; here, what they are not shown: a list
    // as the scope, the width's range, the branches' order, CR LF and the arrows' escaping.
    void sheetScopesEverySelectorAndKeepsTheWidthInRange()
    {
        const SchemeColors colors = *ResolveSchemeColors(defaultScheme());
        const QString css = BuildModernStyleSheet({colors, std::nullopt}, {u".a, .b"_s, 10});
        QVERIFY(css.startsWith(u".a,\r\n.b {\r\n  --scrollbar-face: #C0C0C0;\r\n"_s));
        QVERIFY(css.contains(u"  .a::-webkit-scrollbar,\r\n  .b::-webkit-scrollbar {\r\n"_s));
        QVERIFY(css.contains(u"    width: 10px;\r\n    height: 10px;\r\n"_s));
        QVERIFY(css.contains(u"    scrollbar-width: thin;\r\n"_s));
        QCOMPARE(css.count(u"\r\n"_s), css.count(u'\n'));
        // Forced colours come last, so that they win.
        const qsizetype bevelled = css.indexOf(u"@supports selector(::-webkit-scrollbar-thumb)"_s);
        const qsizetype plain = css.indexOf(u"@supports not selector(::-webkit-scrollbar-thumb)"_s);
        const qsizetype forced = css.indexOf(u"@media (forced-colors: active) {\r\n"_s);
        QVERIFY(0 < bevelled && bevelled < plain && plain < forced);
        QVERIFY(css.indexOf(u"--scrollbar-face: ButtonFace;"_s) > forced);
        // The arrows are SVG in data addresses: "#" percent-encoded, no markup.
        QCOMPARE(css.count(u"fill='%23FFFFFF'"_s), 4);
        QVERIFY(!css.contains(u"'#"_s) && !css.contains(u'<'));

        // For the whole page, Firefox narrows every scroller, as the bevelled branch does.
        const QString page = BuildModernStyleSheet({colors, std::nullopt}, {{}, 10});
        QVERIFY(page.contains(u"  html,\r\n  html * {\r\n    scrollbar-width: thin;\r\n"_s));

        const QString wide = BuildModernStyleSheet({colors, std::nullopt}, {u"#x"_s, 99});
        QVERIFY(wide.contains(u"    width: 32px;\r\n"_s) && !wide.contains(u"thin"_s));
    }

    void formatsShareOneImplementation()
    {
        SchemeTexts scheme = defaultScheme();
        const QString classic = BuildStyleBlock(scheme);
        const QString modern
            = BuildModernStyleSheet({*ResolveSchemeColors(scheme), std::nullopt}, {});
        const auto code = [&scheme](CodeFormat format) {
            return BuildCode({scheme, std::nullopt}, {format, {}}).value_or(u"(none)"_s);
        };
        QCOMPARE(code(CodeFormat::Classic), classic);
        QCOMPARE(code(CodeFormat::Css), modern);
        QCOMPARE(code(CodeFormat::Modern), u"<style>\r\n"_s + modern + u"</style>\r\n"_s);
        QCOMPARE(code(CodeFormat::Both), classic + code(CodeFormat::Modern));

        // An incomplete colour gives no sheet for today's browsers.
        scheme.texts[Light3DElement] = u"#C0C0"_s;
        QCOMPARE(code(CodeFormat::Modern), u"(none)"_s);
    }

    // Where the state and dark rules stand matters: hover before pressed, dark after light,
    // forced colours after both; the classic block and the preview stay apart from them.
    void sheetAddsStatesAndTheDarkVariant()
    {
        SchemeVariants scheme{defaultScheme(), std::nullopt};
        QVERIFY(!BuildCode(scheme, {CodeFormat::Css, {}})->contains(u"hover"_s));
        scheme.light.states[PressedState] = u"#B0B0B0"_s;
        scheme.dark = DeriveDarkVariant(scheme.light);
        scheme.dark->texts[ArrowElement] = u"#EEEEEE"_s;
        const QString css = *BuildCode(scheme, {CodeFormat::Css, {}});
        const auto at = [&css](const QString &text) {
            return css.indexOf(text);
        };
        QVERIFY(0 < at(u"  ::-webkit-scrollbar-thumb:hover,"_s)
                && at(u"-thumb:hover,"_s) < at(u"-thumb:active,"_s));
        QVERIFY(css.contains(u"background-color: var(--scrollbar-pressed);\r\n    box-shadow: "
                             "inset 1px 1px var(--scrollbar-shadow)"_s));
        const qsizetype dark = at(u"@media (prefers-color-scheme: dark) {\r\n  :root {\r\n"_s);
        QVERIFY(at(u"@supports not"_s) < dark && dark < at(u"@media (forced-colors"_s));
        QVERIFY(at(u"fill='%23EEEEEE'"_s) > dark && css.count(u"fill='%23EEEEEE'"_s) == 4);
        QCOMPARE(*BuildCode(scheme, {CodeFormat::Classic, {}}), BuildStyleBlock(scheme.light));
        // An incomplete dark state is an incomplete scheme.
        scheme.dark->states[HoverState] = u"#12"_s;
        QCOMPARE(FirstIncompleteColor(scheme)->index, HoverIndex);
        QVERIFY(FirstIncompleteColor(scheme)->dark && !BuildCode(scheme, {CodeFormat::Css, {}}));

        const SchemeColors light = *ResolveSchemeColors(scheme.light);
        QVERIFY(!BuildPreviewSheet(light, EngineLook::Firefox, {}).contains(u"box-shadow"_s));
        QVERIFY(!BuildPreviewSheet(light, EngineLook::ForcedColors, {}).contains(u": #"_s));
    }
};

QTEST_GUILESS_MAIN(TestCodeText)
#include "tst_CodeText.moc"
