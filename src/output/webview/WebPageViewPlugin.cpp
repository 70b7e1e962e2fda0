#include "WebPageViewPlugin.h"

#include "WebPageView.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

PageView *WebPageViewPlugin::createPageView(QWidget *parent)
{
#ifdef Q_OS_UNIX
    // The engine's sandbox refuses to run for the superuser; read when the engine starts.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    return new WebPageView(parent);
}
