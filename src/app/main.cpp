#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "output/PageViewLoader.h"
#include "toolkit/Windows.h"
#include "ui/AboutPictures.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // Checked before Qt sees it: a command line that passes holds no option for Qt, whose own
    // (-platform, -reverse and the like) must not change the program.
    if (!CommandLine(argc, argv).isValid()) {
        std::fprintf(stderr, "%s\n", qPrintable(CommandLine::usage()));
        return CommandLine::UsageExitCode;
    }
    PreparePageViews();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Barwright"_s);
    QApplication::setDesktopFileName(QStringLiteral(BARWRIGHT_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    UseDesignFont();

    QtPlatformServices platform;
    MainWindow window(platform);
    CenterOnScreen(&window);
    window.show();
    // The file again, as the system hands it to Qt: in full Unicode on Windows too.
    if (const QString file = CommandLine(QCoreApplication::arguments()).file(); !file.isEmpty())
        window.openFile(file);
    return QApplication::exec();
}
