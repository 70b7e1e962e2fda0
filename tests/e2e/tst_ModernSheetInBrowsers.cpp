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

QString code(CodeFormat format, const QString &scope)
{
    return BuildCode(Elements, {format, {scope}}).value_or(QString());
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

        for (const RealBrowser browser :
             {RealBrowser::Chromium, RealBrowser::Firefox, RealBrowser::WebKit}) {
            const QByteArray name = BrowserName(browser).toLatin1();
            QTest::newRow(name + " box scope")
                << browser << code(CodeFormat::Modern, u"#box"_s) << true;
            QTest::newRow(name + " whole page") << browser << code(CodeFormat::Modern, {}) << true;
        }
        // A page's own colours, inherited from the root or set on every element, after the sheet.
        for (const QString &own : {u"html"_s, u"*"_s}) {
            const QString rule = u"<style>%1 { scrollbar-color: red blue; }</style>"_s.arg(own);
            for (const QString &scope : {u"#box"_s, QString()})
                QTest::newRow(qPrintable(u"chromium "_s + own + u" colours, scope "_s + scope))
                    << RealBrowser::Chromium << code(CodeFormat::Modern, scope) + rule << true;
        }
        // The classic properties alone must fail the checks, of the bevel and of two colours.
        QTest::newRow("chromium classic block")
            << RealBrowser::Chromium << code(CodeFormat::Classic, {}) << false;
        QTest::newRow("firefox classic block")
            << RealBrowser::Firefox << code(CodeFormat::Classic, {}) << false;
    }

    void drawsTheScheme()
    {
        QFETCH(RealBrowser, browser);
        QFETCH(QString, head);
        QFETCH(bool, shows);

        QString error;
        const QImage shot = ScreenshotPage(browser, page(head), QSize(300, 200), error);
        QVERIFY2(!shot.isNull(), qPrintable(error));
        const SchemeColors colors = *ResolveSchemeColors(Elements);
        // The box's vertical scrollbar, above its horizontal one.
        const QStringList faults = browser != RealBrowser::Firefox
            ? BevelFaults(shot, {BoxWidth - BarWidth, 0, BarWidth, BoxHeight - BarWidth}, colors)
            : TwoColorFaults(shot, QRect(BoxWidth - 20, 0, 20, BoxHeight - BarWidth), colors);
        QVERIFY2(shows == faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
};

QTEST_GUILESS_MAIN(TestModernSheetInBrowsers)
#include "tst_ModernSheetInBrowsers.moc"
