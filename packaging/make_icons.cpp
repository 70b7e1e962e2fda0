// Writes the program's icon as PNG files into an icon theme folder, one per size, or as one
// Windows icon file that holds every size:
//   barwright_icons FOLDER NAME SIZE...   writes FOLDER/<size>x<size>/apps/NAME.png
//   barwright_icons --ico FILE SIZE...    writes FILE, an .ico of PNG images
#include "ui/AboutPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

QByteArray pngOf(int side)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ProgramIconPixmap(side).save(&buffer, "PNG");
    return bytes;
}

template<typename T> void append(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// The icon file: a header, one directory entry per image, then the images. A side of 256 is
// written as 0, as the format has it.
bool writeIconFile(const QString &path, const QStringList &sizes)
{
    QList<QByteArray> images;
    for (const QString &size : sizes)
        images.append(pngOf(size.toInt()));
    QByteArray file;
    append<quint16>(file, 0);
    append<quint16>(file, 1);
    append<quint16>(file, quint16(images.size()));
    auto offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const auto side = quint8(sizes.at(i).toInt() & 0xff);
        file.append(char(side)).append(char(side)).append(char(0)).append(char(0));
        append<quint16>(file, 1);
        append<quint16>(file, 32);
        append<quint32>(file, quint32(images.at(i).size()));
        append<quint32>(file, offset);
        offset += quint32(images.at(i).size());
    }
    for (const QByteArray &image : images)
        file += image;
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no screen; the build may run where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        qWarning("usage: barwright_icons FOLDER NAME SIZE... | --ico FILE SIZE...");
        return 2;
    }
    if (arguments.at(1) == u"--ico"_s) {
        if (!writeIconFile(arguments.at(2), arguments.mid(3))) {
            qWarning("cannot write %s", qPrintable(arguments.at(2)));
            return 1;
        }
        return 0;
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
