#include "legacy/LegacyColors.h"
#include "output/CodeText.h"
#include "support/RealBrowser.h"
#include "support/ScrollbarPixels.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RealBrowser)

namespace {

// A scrolling box in the top left corner; its scrollbars are what the browsers draw.
constexpr int BoxWidth = 200;
constexpr int BoxHeight = 150;
constexpr int BarWidth = DefaultScrollbarWidth;

QString page(const QString &head)
{
    return u"<!DOCTYPE html><html><head>"_s + head
        + u"<style>body { margin: 0; } #box { position: absolute; left: 0; top: 0; width: %1px; "
          "height: %2px; overflow: scroll; background: #FFFFFF; }</style></head><body>"
          "<div id=\"box\"><div style=\"width: 400px; height: 400px\"></div></div></body></html>"_s
              .arg(BoxWidth)
              .arg(BoxHeight);
}

// Each element a colour of its own.
const SchemeTexts Elements{{u"#3366CC"_s, u"#FFEE00"_s, u"#AAFFAA"_s, u"#8844FF"_s, u"#225522"_s,
                            u"#110022"_s, u"#F0A0A0"_s},
                           false,
                           {}};

// The same with the dark variant derived from it.
const SchemeTexts DarkElements = DeriveDarkVariant(Elements).value();

QString code(CodeFormat format, const QString &scope, bool withDark = false)
{
    const SchemeVariants scheme{Elements, withDark ? DarkElements : std::optional<SchemeTexts>()};
    return BuildCode(scheme, {format, {scope}}).value_or(QString());
}

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
        QTest::addColumn<bool>("shows");
        QTest::addColumn<bool>("dark"); // the system in dark mode: the dark variant shows

        for (const RealBrowser browser :
             {RealBrowser::Chromium, RealBrowser::Firefox, RealBrowser::WebKit}) {
            const QByteArray name = BrowserName(browser).toLatin1();
            QTest::newRow(name + " box scope")
                << browser << code(CodeFormat::Modern, u"#box"_s) << true << false;
            QTest::newRow(name + " whole page")
                << browser << code(CodeFormat::Modern, {}) << true << false;
        }
        for (const RealBrowser browser : {RealBrowser::Chromium, RealBrowser::Firefox}) {
            const QByteArray name = BrowserName(browser).toLatin1();
            for (const bool dark : {true, false})
                QTest::newRow(name + (dark ? " dark mode" : " dark variant, light mode"))
                    << browser << code(CodeFormat::Modern, u"#box"_s, true) << true << dark;
        }
        // Old pages whose face comes from a base colour, and from a colour marked !important.
        QTest::newRow("chromium old page base and elements")
            << RealBrowser::Chromium << imported(u"html { scrollbar-base-color: #3366CC; "_s)
            << true << false;
        QTest::newRow("chromium old page !important")
            << RealBrowser::Chromium
            << imported(u"body { scrollbar-face-color: #3366CC !important } body { "_s
                        "scrollbar-face-color: red; ")
            << true << false;
        // A page's own colours, inherited from the root or set on every element, after the sheet.
        for (const QString &own : {u"html"_s, u"*"_s}) {
            const QString rule = u"<style>%1 { scrollbar-color: red blue; }</style>"_s.arg(own);
            for (const QString &scope : {u"#box"_s, QString()})
                QTest::newRow(qPrintable(u"chromium "_s + own + u" colours, scope "_s + scope))
                    << RealBrowser::Chromium << code(CodeFormat::Modern, scope) + rule << true
                    << false;
        }
        // The classic properties alone must fail the checks, of the bevel and of two colours.
        QTest::newRow("chromium classic block")
            << RealBrowser::Chromium << code(CodeFormat::Classic, {}) << false << false;
        QTest::newRow("firefox classic block")
            << RealBrowser::Firefox << code(CodeFormat::Classic, {}) << false << false;
    }

    void drawsTheScheme()
    {
        QFETCH(RealBrowser, browser);
        QFETCH(QString, head);
        QFETCH(bool, shows);
        QFETCH(bool, dark);

        QString error;
        const QImage shot = ScreenshotPage(browser, page(head), QSize(300, 200), error, dark);
        QVERIFY2(!shot.isNull(), qPrintable(error));
        const SchemeColors colors = *ResolveSchemeColors(dark ? DarkElements : Elements);
        // The box's vertical scrollbar, above its horizontal one.
        const QStringList faults = browser != RealBrowser::Firefox
            ? BevelFaults(shot, {BoxWidth - BarWidth, 0, BarWidth, BoxHeight - BarWidth}, colors)
            : TwoColorFaults(shot, QRect(BoxWidth - 20, 0, 20, BoxHeight - BarWidth), colors);
        QVERIFY2(shows == faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
};

QTEST_GUILESS_MAIN(TestModernSheetInBrowsers)
#include "tst_ModernSheetInBrowsers.moc"
