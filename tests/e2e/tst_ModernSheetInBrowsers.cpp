#include "output/CodeText.h"
#include "support/OldPage.h"
#include "support/RealBrowser.h"
#include "support/ScrollbarPixels.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RealBrowser)
Q_DECLARE_METATYPE(SchemeTexts)

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

// The colours of the old page, each element's its own.
const SchemeTexts Elements{{u"#3366CC"_s, u"#FFEE00"_s, u"#AAFFAA"_s, u"#8844FF"_s, u"#225522"_s,
                            u"#110022"_s, u"#F0A0A0"_s}};
const SchemeTexts Base{{{{}, {}, {}, {}, {}, {}, {}, u"#4080C0"_s}}, true};

QString sheet(const SchemeTexts &scheme, const QString &scope)
{
    return BuildCode(scheme, {CodeFormat::Modern, {scope}}).value_or(QString());
}

// The old page's legacy colours, brought forward by the converter into the sheet for the box.
QString convertedOldPage()
{
    QProcess brw2css;
    brw2css.start(QStringLiteral(BRW2CSS), {u"--input=html"_s, u"--scope=#box"_s, u"-"_s});
    brw2css.write(OldPage);
    brw2css.closeWriteChannel();
    brw2css.waitForFinished(10000);
    return QString::fromUtf8(brw2css.readAllStandardOutput());
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
        QTest::addColumn<SchemeTexts>("scheme");
        QTest::addColumn<QString>("head");
        QTest::addColumn<bool>("shows");

        for (const RealBrowser browser :
             {RealBrowser::Chromium, RealBrowser::Firefox, RealBrowser::WebKit}) {
            const QByteArray name = BrowserName(browser).toLatin1();
            QTest::newRow(name + " box scope")
                << browser << Elements << sheet(Elements, u"#box"_s) << true;
            QTest::newRow(name + " whole page")
                << browser << Elements << sheet(Elements, {}) << true;
            QTest::newRow(name + " base colour")
                << browser << Base << sheet(Base, u"#box"_s) << true;
        }
        QTest::newRow("chromium old page through brw2css")
            << RealBrowser::Chromium << Elements << convertedOldPage() << true;
        // Sheets that must fail the checks: the classic properties alone, and Chromium's rule that
        // scrollbar-color on an ancestor turns the bevelled rules off.
        QTest::newRow("chromium classic block")
            << RealBrowser::Chromium << Elements << BuildCode(Elements, {}).value_or(QString())
            << false;
        QTest::newRow("chromium scrollbar-color beside")
            << RealBrowser::Chromium << Elements
            << sheet(Elements, u"#box"_s) + u"<style>html { scrollbar-color: red blue; }</style>"_s
            << false;
        QTest::newRow("firefox classic block")
            << RealBrowser::Firefox << Elements << BuildCode(Elements, {}).value_or(QString())
            << false;
    }

    void drawsTheScheme()
    {
        QFETCH(RealBrowser, browser);
        QFETCH(SchemeTexts, scheme);
        QFETCH(QString, head);
        QFETCH(bool, shows);

        QString error;
        const QImage shot = ScreenshotPage(browser, page(head), QSize(300, 200), error);
        QVERIFY2(!shot.isNull(), qPrintable(error));
        const SchemeColors colors = *ResolveSchemeColors(scheme);
        // The box's vertical scrollbar, above its horizontal one.
        const QStringList faults = browser != RealBrowser::Firefox
            ? BevelFaults(shot, {BoxWidth - BarWidth, 0, BarWidth, BoxHeight - BarWidth}, colors)
            : TwoColorFaults(shot, QRect(BoxWidth - 20, 0, 20, BoxHeight - BarWidth), colors);
        if (shows != faults.isEmpty())
            shot.save(QDir::temp().filePath(
                u"%1.png"_s.arg(QLatin1StringView(QTest::currentDataTag())).replace(u' ', u'-')));
        QVERIFY2(shows == faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
};

QTEST_GUILESS_MAIN(TestModernSheetInBrowsers)
#include "tst_ModernSheetInBrowsers.moc"
