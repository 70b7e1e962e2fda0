#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "output/PageViewLoader.h"
#include "toolkit/Windows.h"
#include "ui/AboutPictures.h"

#include <QApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    PreparePageViews();
    // The program reads no command line, and Qt sees none either: its own options (-reverse,
    // -platform and the like) must not change the program. Only the program's name is passed.
    int programNameOnly = std::min(argc, 1);
    QApplication app(programNameOnly, argv);
    QApplication::setApplicationName(u"Barwright"_s);
    QApplication::setDesktopFileName(QStringLiteral(BARWRIGHT_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    UseDesignFont();

    QtPlatformServices platform;
    MainWindow window(platform);
    CenterOnScreen(&window);
    window.show();
    return QApplication::exec();
}
