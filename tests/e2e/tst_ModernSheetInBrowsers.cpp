#include "legacy/LegacyColors.h"
#include "output/CodeText.h"
#include "support/RealBrowser.h"
#include "support/ScrollbarPixels.h"

#include <QColor>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RealBrowser)
Q_DECLARE_METATYPE(SchemeTexts)

namespace {

// A scrolling box in the top left corner; its scrollbars are what the browsers draw.
constexpr int BoxWidth = 200;
constexpr int BoxHeight = 150;
constexpr int BarWidth = DefaultScrollbarWidth;

// Right of the box, squares in the system colours that forced colours put in place of the
// scheme's: ButtonText, ButtonFace and Canvas, from the top.
constexpr int ProbeLeft = 220;
constexpr int ProbeStep = 20;

QString page(const QString &head)
{
    QString probes;
    for (const char16_t *color : {u"ButtonText", u"ButtonFace", u"Canvas"}) {
        probes += u"<div style=\"position: absolute; left: %1px; top: %2px; width: 10px; height: "
                  "10px; background: %3; forced-color-adjust: none\"></div>"_s.arg(ProbeLeft)
                      .arg(probes.count(u"<div"_s) * ProbeStep)
                      .arg(QString::fromUtf16(color));
    }
    return u"<!DOCTYPE html><html><head>"_s + head
        + u"<style>body { margin: 0; } #box { position: absolute; left: 0; top: 0; width: %1px; "
          "height: %2px; overflow: scroll; background: #FFFFFF; }</style></head><body>"
          "<div id=\"box\" class=\"strip\"><div style=\"width: 400px; height: 400px\"></div>"
          "</div>"_s.arg(BoxWidth)
              .arg(BoxHeight)
        + probes + u"</body></html>"_s;
}

// What forced colours draw: the probes' colours in the places of the scheme's.
SchemeColors forcedColors(const QImage &shot)
{
    const auto probe = [&shot](int i) {
        return shot.pixel(ProbeLeft + 5, i * ProbeStep + 5);
    };
    const QRgb text = probe(0), face = probe(1);
    return {{face, text, face, text, face, text, probe(2)}, {face, face}};
}

// Each element a colour of its own.
const SchemeTexts Elements{{u"#3366CC"_s, u"#FFEE00"_s, u"#AAFFAA"_s, u"#8844FF"_s, u"#225522"_s,
                            u"#110022"_s, u"#F0A0A0"_s},
                           false,
                           {}};

// The same with the dark variant derived from it.
const SchemeTexts DarkElements = DeriveDarkVariant(Elements).value();

// The default scheme, and a dark face on a light track, each with its dark variant derived.
SchemeVariants derived(const QString &face, const QString &track)
{
    SchemeTexts light{{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s, u"#808080"_s,
                       u"#000000"_s, u"#E0E0E0"_s},
                      false,
                      {}};
    light.texts[FaceElement] = face;
    light.texts[TrackElement] = track;
    return {light, DeriveDarkVariant(light)};
}

QString code(CodeFormat format, const QString &scope, bool withDark = false,
             int width = DefaultScrollbarWidth)
{
    const SchemeVariants scheme{Elements, withDark ? DarkElements : std::optional<SchemeTexts>()};
    return BuildCode(scheme, {format, {scope, width}}).value_or(QString());
}

enum class Look { Bevel, NoBevel, Hidden, Thin };
enum class Media { Light, Dark, ForcedLight, ForcedDark };

} // namespace

Q_DECLARE_METATYPE(Look)
Q_DECLARE_METATYPE(Media)

namespace {

// An old page's colours through the import, as the sheet for the box: `rules`, then the legacy
// declarations of the element colours after the face.
QString imported(const QString &rules)
{
    QString page = u"<style>"_s + rules;
    for (int e = ArrowElement; e < ElementCount; ++e)
        page += LegacyPropertyName(e).toString() + u':' + Elements.texts[size_t(e)] + u';';
    const QByteArray old = (page + u"}</style>"_s).toUtf8();
    const SchemeTexts scheme = ImportLegacyColors(old, LegacySource::Html).scheme;
    return BuildCode({scheme, std::nullopt}, {CodeFormat::Modern, {u"#box"_s}}).value_or(QString());
}

} // namespace

// The sheet for today's browsers, drawn by the real browsers: the bevel of Chromium and of
// Safari's engine, element by element, and Firefox's two colours.
class TestModernSheetInBrowsers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsTheScheme_data()
    {
        QTest::addColumn<RealBrowser>("browser");
        QTest::addColumn<QString>("head");
        QTest::addColumn<Look>("look");
        QTest::addColumn<Media>("media"); // dark: the dark variant shows
        QTest::addColumn<SchemeTexts>("drawn"); // the colours shown, unless forced

        const auto row = [](const QByteArray &name, RealBrowser browser, const QString &head,
                            Look look = Look::Bevel, Media media = Media::Light,
                            const SchemeTexts &drawn = Elements) {
            QTest::newRow(BrowserName(browser).toLatin1() + ' ' + name)
                << browser << head << look << media << drawn;
        };
        for (const RealBrowser browser :
             {RealBrowser::Chromium, RealBrowser::Firefox, RealBrowser::WebKit}) {
            row("box scope", browser, code(CodeFormat::Modern, u"#box"_s));
            row("whole page", browser, code(CodeFormat::Modern, {}));
        }
        for (const RealBrowser browser : {RealBrowser::Chromium, RealBrowser::Firefox}) {
            row("dark mode", browser, code(CodeFormat::Modern, u"#box"_s, true), Look::Bevel,
                Media::Dark, DarkElements);
            row("dark variant, light mode", browser, code(CodeFormat::Modern, u"#box"_s, true));
        }
        // Derived dark colours that stand out: the default scheme, a dark face on a light track.
        for (const auto &[face, track] :
             {std::pair(u"#C0C0C0"_s, u"#E0E0E0"_s), std::pair(u"#0000FF"_s, u"#FFFF80"_s)}) {
            const SchemeVariants scheme = derived(face, track);
            row("derived dark from " + face.toLatin1() + " on " + track.toLatin1(),
                RealBrowser::Chromium, *BuildCode(scheme, {CodeFormat::Modern, {u"#box"_s}}),
                Look::Bevel, Media::Dark, *scheme.dark);
        }
        // The user's own colours, with the arrows in the palette's button text, light or dark.
        row("forced colours, light palette", RealBrowser::Chromium,
            code(CodeFormat::Modern, u"#box"_s, true), Look::Bevel, Media::ForcedLight);
        row("forced colours, dark palette", RealBrowser::Chromium,
            code(CodeFormat::Modern, {}, true), Look::Bevel, Media::ForcedDark);
        // Narrow: Firefox's thin scrollbars on the inner scrollers too, as Chromium narrows them.
        row("whole page, narrow", RealBrowser::Firefox, code(CodeFormat::Modern, {}, false, 10),
            Look::Thin);
        // Old pages whose face comes from a base colour, and from a colour marked !important.
        row("old page base and elements", RealBrowser::Chromium,
            imported(u"html { scrollbar-base-color: #3366CC; "_s));
        row("old page !important", RealBrowser::Chromium,
            imported(u"body { scrollbar-face-color: #3366CC !important } body { "_s
                     "scrollbar-face-color: red; "));
        // A page's own colours, inherited from the root or set on every element, after the sheet.
        for (const QString &own : {u"html"_s, u"*"_s}) {
            const QString rule = u"<style>%1 { scrollbar-color: red blue; }</style>"_s.arg(own);
            for (const QString &scope : {u"#box"_s, QString()})
                row((own + u" colours, scope "_s + scope).toLatin1(), RealBrowser::Chromium,
                    code(CodeFormat::Modern, scope) + rule);
        }
        // A scroller the page hides on purpose stays hidden under the whole-page sheet.
        row("hidden strip", RealBrowser::Chromium,
            u"<style>.strip { overflow-x: auto; scrollbar-width: none }</style>"_s
                + code(CodeFormat::Modern, {}),
            Look::Hidden);
        // The classic properties alone must fail the checks, of the bevel and of two colours.
        row("classic block", RealBrowser::Chromium, code(CodeFormat::Classic, {}), Look::NoBevel);
        row("classic block", RealBrowser::Firefox, code(CodeFormat::Classic, {}), Look::NoBevel);
    }

    void drawsTheScheme()
    {
        QFETCH(RealBrowser, browser);
        QFETCH(QString, head);
        QFETCH(Look, look);
        QFETCH(Media, media);
        QFETCH(SchemeTexts, drawn);

        QString error;
        const bool forced = media == Media::ForcedLight || media == Media::ForcedDark;
        const QImage shot
            = ScreenshotPage(browser, page(head), QSize(300, 200), error,
                             media == Media::Dark || media == Media::ForcedDark, forced);
        QVERIFY2(!shot.isNull(), qPrintable(error));
        const QRect bar(BoxWidth - BarWidth, 0, BarWidth, BoxHeight - BarWidth);
        if (look == Look::Hidden) {
            for (int y = bar.top(); y <= bar.bottom(); ++y) {
                for (int x = bar.left(); x <= bar.right(); ++x)
                    QCOMPARE(QColor(shot.pixel(x, y)).name(), u"#ffffff"_s);
            }
            return;
        }
        const SchemeColors colors = forced ? forcedColors(shot) : *ResolveSchemeColors(drawn);
        // Arrows that cannot be told from the button would pass unseen.
        QVERIFY(colors[ArrowElement] != colors[FaceElement]);
        if (look == Look::Thin) { // the box's content shows beside a thin bar
            QCOMPARE(QColor(shot.pixel(BoxWidth - 12, BoxHeight / 2)).name(), u"#ffffff"_s);
            const QStringList faults
                = TwoColorFaults(shot, QRect(BoxWidth - 8, 0, 8, BoxHeight - BarWidth), colors);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
            return;
        }
        // The box's vertical scrollbar, above its horizontal one.
        const QStringList faults = browser != RealBrowser::Firefox
            ? BevelFaults(shot, bar, colors)
            : TwoColorFaults(shot, QRect(BoxWidth - 20, 0, 20, BoxHeight - BarWidth), colors);
        QVERIFY2((look == Look::Bevel) == faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
        if (media == Media::Dark) {
            QVERIFY(ContrastRatio(colors[FaceElement], colors[TrackElement])
                    >= NonTextContrastMinimum);
            QVERIFY(ContrastRatio(colors[ArrowElement], colors[FaceElement])
                    >= NonTextContrastMinimum);
        }
    }
};

QTEST_GUILESS_MAIN(TestModernSheetInBrowsers)
#include "tst_ModernSheetInBrowsers.moc"
