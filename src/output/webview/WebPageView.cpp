#include "WebPageView.h"

#include <QUrl>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

using namespace Qt::StringLiterals;

namespace {

QString propertyName(PageView::DocumentColor which)
{
    return which == PageView::DocumentColor::Text ? u"fgColor"_s : u"bgColor"_s;
}

// A script string literal holding `text`; anything but plain letters, digits and "#" is
// escaped, so no text can break out of the literal.
QString scriptString(const QString &text)
{
    QString literal = u"'"_s;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool plain = (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z')
            || (code >= u'a' && code <= u'z') || code == u'#';
        literal += plain ? QString(c) : u"\\u%1"_s.arg(int(code), 4, 16, QChar(u'0'));
    }
    return literal + u'\'';
}

} // namespace

WebPageView::WebPageView(QWidget *parent)
    : QWebEngineView(parent)
{
    // A local page may not reach out: the page's remote banner script is never fetched.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // The page is a preview, not a browser: no Back, Reload or View Source.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (m_loadFinished)
            m_loadFinished(ok);
    });
}

void WebPageView::navigate(const QString &path)
{
    load(QUrl::fromLocalFile(path));
}

void WebPageView::setLoadFinishedHandler(std::function<void(bool)> handler)
{
    m_loadFinished = std::move(handler);
}

void WebPageView::setDocumentColor(DocumentColor which, const QString &colorText)
{
    page()->runJavaScript(u"document.%1 = %2;"_s.arg(propertyName(which), scriptString(colorText)));
}

void WebPageView::readDocumentColor(DocumentColor which,
                                    std::function<void(const QString &)> done) const
{
    page()->runJavaScript(
        u"document."_s + propertyName(which),
        [done = std::move(done)](const QVariant &value) { done(value.toString()); });
}

void WebPageView::setPageStyleSheet(const QString &css)
{
    // Appended once the page is parsed, from a world of the program's own, out of the page
    // scripts' reach; a later sheet takes the earlier one's place, on the page shown now too.
    const QString source
        = u"(function () { if (window.programSheet) programSheet.remove(); "
          "window.programSheet = document.createElement('style'); "
          "programSheet.textContent = %1; "
          "(document.head || document.documentElement).appendChild(programSheet); })();"_s.arg(
              scriptString(css));
    QWebEngineScriptCollection &scripts = page()->scripts();
    for (const QWebEngineScript &earlier : scripts.find(u"PageStyleSheet"_s))
        scripts.remove(earlier);
    QWebEngineScript script;
    script.setName(u"PageStyleSheet"_s);
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
    page()->runJavaScript(source, QWebEngineScript::ApplicationWorld);
}
