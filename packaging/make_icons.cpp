// Writes the program's icon as PNG files into an icon theme folder, one per size:
//   barwright_icons FOLDER NAME SIZE...   writes FOLDER/<size>x<size>/apps/NAME.png
#include "ui/AboutPictures.h"

#include <QDir>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // Drawing needs no screen; the build may run where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        qWarning("usage: barwright_icons FOLDER NAME SIZE...");
        return 2;
    }
    const QDir theme(arguments.at(1));
    const QString name = arguments.at(2);
    for (const QString &size : arguments.mid(3)) {
        const QString folder = u"%1x%1/apps"_s.arg(size);
        const QString file = theme.filePath(folder + u'/' + name + u".png"_s);
        if (!theme.mkpath(folder) || !ProgramIconPixmap(size.toInt()).save(file)) {
            qWarning("cannot write %s", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
