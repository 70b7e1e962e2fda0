#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "output/PageViewLoader.h"
#include "toolkit/Windows.h"
#include "ui/AboutPictures.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    PreparePageViews();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Barwright"_s);
    QApplication::setDesktopFileName(u"barwright"_s);
    QApplication::setWindowIcon(ProgramIcon());
    UseDesignFont();

    QtPlatformServices platform;
    MainWindow window(platform);
    CenterOnScreen(&window);
    window.show();
    return QApplication::exec();
}
