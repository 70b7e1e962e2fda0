#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QtPlugin>

#include <functional>

class QWidget;

// A view that shows a local HTML page and lets the program change the loaded document's
// text and background colours. The web engine's view comes from a module that is loaded on
// first use, so this interface is all the program knows of it.
class PageView
{
public:
    // The document's colour properties: fgColor and bgColor.
    enum class DocumentColor { Text, Background };

    virtual ~PageView() = default;

    // The view's widget; it belongs to the parent the view was made with, and deleting it
    // deletes the view.
    virtual QWidget *widget() = 0;

    // Shows the page at a local path. The page loads on its own after this returns.
    virtual void navigate(const QString &path) = 0;

    // Called each time a page has loaded, with whether it loaded.
    virtual void setLoadFinishedHandler(std::function<void(bool ok)> handler) = 0;

    // Sets a colour property of the document the view holds now; the file is not touched.
    virtual void setDocumentColor(DocumentColor which, const QString &colorText) = 0;

    // Reads a colour property of the document the view holds now, and hands it on once known.
    virtual void readDocumentColor(DocumentColor which,
                                   std::function<void(const QString &)> done) const = 0;

    // Adds a style sheet to every page the view loads from now on, after the page's own.
    virtual void setPageStyleSheet(const QString &css) = 0;

    // Whether the view draws the scrollbar colours that the page's style gives.
    virtual bool showsScrollbarColors() const = 0;

    // Shows the page at an address: a local file, or a page served on this computer. From any
    // page, a request to another host is refused and handed to the blocked-request handler.
    virtual void navigateToAddress(const QUrl &address) = 0;
    virtual void setBlockedRequestHandler(std::function<void(const QUrl &)> handler) = 0;
    // Loads the page shown now once more, as it stands on disk or on its server now.
    virtual void reload() = 0;

    // What the page's own rules are, without the sheet added to it: its style sources and the
    // elements that scroll, with their ancestors, as a map of lists (see PageAnalysis). The
    // scope is the sheet's selector, empty for the whole page. Hands on nothing when the view
    // cannot tell.
    virtual void inspectPage(const QString &scope, std::function<void(const QVariant &)> done) = 0;
    // Adds `probeSheet` to the page for a moment and hands on, for each element the last
    // inspection found, the values of the custom properties `names`, and for each of
    // `selectors` the elements it matches.
    virtual void probePage(const QString &probeSheet, const QStringList &names,
                           const QStringList &selectors, std::function<void(const QVariant &)> done)
        = 0;
    // Scrolls an element of the last inspection into view and outlines it for a moment.
    virtual void markElement(int element) = 0;
};

// Whether an address names this computer: a local file, or a host on the loopback interface.
inline bool IsLocalAddress(const QUrl &address)
{
    const QString host = address.host().toLower();
    if (host.isEmpty() || host == QLatin1String("localhost")
        || host.endsWith(QLatin1String(".localhost")) || host == QLatin1String("::1"))
        return true;
    const QStringList parts = host.split(QLatin1Char('.'));
    bool numbers = parts.size() == 4 && parts.first() == QLatin1String("127");
    for (const QString &part : parts) {
        bool isNumber = false;
        numbers = numbers && part.toInt(&isNumber) <= 255 && isNumber;
    }
    return numbers;
}

// What the web view module offers: a way to make views.
class PageViewFactory
{
public:
    virtual ~PageViewFactory() = default;
    virtual PageView *createPageView(QWidget *parent) = 0;
};

#define PageViewFactory_iid "example.fernwick.Barwright.PageViewFactory/1.1"
Q_DECLARE_INTERFACE(PageViewFactory, PageViewFactory_iid)
