#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "output/PageViewLoader.h"
#include "toolkit/Windows.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    PreparePageViews();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Barwright"_s);
    UseDesignFont();

    QtPlatformServices platform;
    MainWindow window(platform);
    CenterOnScreen(&window);
    window.show();
    return QApplication::exec();
}
