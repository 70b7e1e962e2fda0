#include "PageViewLoader.h"

#include "PageView.h"
#include "TextPageView.h"
#include "toolkit/ProgramFolder.h"

#include <QCoreApplication>
#include <QPluginLoader>

#if QT_CONFIG(opengl)
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
// Qt's hook for the drawing context that all others share, exported for its own modules. The
// usual way to get one, an application attribute, makes it at start-up, which would load the
// whole graphics stack for every run of the program; the web engine needs it only once a page
// is shown.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE
#endif

using namespace Qt::StringLiterals;

namespace {

// The web engine checks for the shared context as soon as its library is loaded.
void shareDrawingContexts()
{
#if QT_CONFIG(opengl)
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    if (context->create())
        qt_gl_set_global_share_context(context);
    else
        delete context;
#endif
}

} // namespace

void PreparePageViews()
{
    // The engine's scene drawn in software: under a virtual X server the default path keeps a
    // core busy whenever the window around the page repaints.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
}

namespace {

PageViewFactory *webViewModule(const QString &folder)
{
    // The loader finds the module's file with or without the platform's prefix and suffix,
    // and names no file when there is none; a module once loaded stays loaded.
    QPluginLoader loader(PathInFolder(folder, u"barwright_webview"_s));
    if (!loader.fileName().isEmpty() && !loader.isLoaded())
        shareDrawingContexts();
    return qobject_cast<PageViewFactory *>(loader.instance());
}

} // namespace

PageView *OpenPageView(QWidget *parent, const QString &folder)
{
    if (PageViewFactory *factory = webViewModule(folder))
        return factory->createPageView(parent);
    return new TextPageView(parent);
}

bool CanOpenWebPageViews(const QString &folder)
{
    return webViewModule(folder) != nullptr;
}
