#include "WebPageView.h"

#include "PageScripts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QUrl>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

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

// Refuses every request to a host other than this computer, whatever page makes it.
class LocalRequestFilter : public QWebEngineUrlRequestInterceptor
{
public:
    LocalRequestFilter(WebPageView *view, std::function<void(const QUrl &)> &blocked)
        : QWebEngineUrlRequestInterceptor(view)
        , m_view(view)
        , m_blocked(blocked)
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (IsLocalAddress(info.requestUrl()))
            return;
        info.block(true);
        // Told from the event loop: the handler may well reach back into the view.
        QMetaObject::invokeMethod(
            this,
            [view = m_view, &blocked = m_blocked, url = info.requestUrl()] {
                if (view && blocked)
                    blocked(url);
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<WebPageView> m_view;
    std::function<void(const QUrl &)> &m_blocked;
};

} // namespace

WebPageView::WebPageView(QWidget *parent)
    : QWebEngineView(parent)
{
    // No page may reach out: the preview page's remote banner script is never fetched, nor
    // anything an author's page asks of another host. The filter refuses every such request,
    // from local pages too, which the engine's own rule would refuse before anyone could count.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    page()->setUrlRequestInterceptor(new LocalRequestFilter(this, m_blocked));
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
    // The one element is rewritten in place, so the page is not reloaded and keeps its scroll
    // position; it is moved back to the end when the page has added sheets after it.
    const QString source
        = u"(function () { const parent = document.head || document.documentElement; "
          "if (!window.programSheet) window.programSheet = document.createElement('style'); "
          "programSheet.textContent = %1; "
          "if (programSheet.parentNode !== parent || programSheet.nextElementSibling) "
          "parent.appendChild(programSheet); })();"_s.arg(scriptString(css));
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

void WebPageView::navigateToAddress(const QUrl &address)
{
    load(address);
}

void WebPageView::setBlockedRequestHandler(std::function<void(const QUrl &)> handler)
{
    m_blocked = std::move(handler);
}

void WebPageView::reload()
{
    // From the server or the disk, not from the engine's cache: the author has just edited it.
    triggerPageAction(QWebEnginePage::ReloadAndBypassCache);
}

void WebPageView::runInPage(const QString &function, const QStringList &literals,
                            std::function<void(const QVariant &)> done)
{
    page()->runJavaScript(u"(%1)(%2);"_s.arg(function, literals.join(u", "_s)),
                          QWebEngineScript::ApplicationWorld,
                          [done = std::move(done)](const QVariant &value) {
                              if (done)
                                  done(value);
                          });
}

void WebPageView::inspectPage(const QString &scope, std::function<void(const QVariant &)> done)
{
    runInPage(QString::fromUtf16(InspectPageScript), {scriptString(scope)}, std::move(done));
}

void WebPageView::probePage(const QString &probeSheet, const QStringList &names,
                            const QStringList &selectors,
                            std::function<void(const QVariant &)> done)
{
    // Lists go over as JSON arrays, which are script literals as they stand.
    const auto array = [](const QStringList &texts) {
        return QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
    };
    runInPage(QString::fromUtf16(ProbePageScript),
              {scriptString(probeSheet), array(names), array(selectors)}, std::move(done));
}

void WebPageView::markElement(int element)
{
    runInPage(QString::fromUtf16(MarkElementScript), {QString::number(element)}, {});
}
