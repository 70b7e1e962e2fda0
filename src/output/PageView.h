#pragma once

#include <QString>
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
};

// What the web view module offers: a way to make views.
class PageViewFactory
{
public:
    virtual ~PageViewFactory() = default;
    virtual PageView *createPageView(QWidget *parent) = 0;
};

#define PageViewFactory_iid "example.fernwick.Barwright.PageViewFactory/1.0"
Q_DECLARE_INTERFACE(PageViewFactory, PageViewFactory_iid)
