#include "SchemeFile.h"

#include "CIniFile.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

// The header is short; a first line that runs longer cannot begin with it and one field.
constexpr qint64 FirstLineLimit = 4096;

QString elementKey(int index)
{
    return u"Value "_s + QString::number(index);
}

// The first field of a line: leading blanks skipped, then up to a comma, or between quotes.
QByteArray firstField(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    qsizetype start = 0;
    while (start < line.size() && line.at(start) == ' ')
        ++start;
    if (start < line.size() && line.at(start) == '"') {
        const qsizetype close = line.indexOf('"', start + 1);
        return line.mid(start + 1, close < 0 ? -1 : close - start - 1);
    }
    const qsizetype comma = line.indexOf(',', start);
    return line.mid(start, comma < 0 ? -1 : comma - start);
}

// A new file's permissions, or those of the file it replaces.
QFileDevice::Permissions permissionsFor(const QString &path)
{
    const QFileInfo existing(path);
    if (existing.exists())
        return existing.permissions();
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::ReadOther;
}

std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString writeValues(CIniFile &ini, const SchemeTexts &scheme)
{
    const auto put = [&ini](const QString &section, const QString &key, const QString &value) {
        ini.setSection(section);
        ini.setKey(key);
        ini.setValue(value);
        return ini.LastReturnCode() != 0;
    };
    if (!put(u"Type"_s, u"IsBase"_s, scheme.baseColor ? u"1"_s : u"0"_s))
        return ini.lastErrorString();
    if (scheme.baseColor) {
        if (!put(u"Color"_s, u"Value"_s, scheme.texts[BaseColorIndex]))
            return ini.lastErrorString();
        return {};
    }
    for (int i = 0; i < ElementCount; ++i) {
        if (!put(u"Colors"_s, elementKey(i), scheme.texts[size_t(i)]))
            return ini.lastErrorString();
    }
    return {};
}

} // namespace

QString FileNameOf(const QString &path)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return separator < 0 ? QString() : path.mid(separator + 1);
}

bool HasSchemeHeader(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = file.readLine(FirstLineLimit);
    if (line.isEmpty())
        return false;
    return QString::fromLatin1(firstField(line)) == QStringView(SchemeFileHeader);
}

SchemeFileContent ReadSchemeFile(const QString &path)
{
    CIniFile ini;
    ini.setPath(path);
    const auto read = [&ini](const QString &section, const QString &key) {
        ini.setSection(section);
        ini.setKey(key);
        return ini.Value();
    };
    SchemeFileContent content;
    content.baseColor = read(u"Type"_s, u"IsBase"_s) == u"1";
    if (content.baseColor) {
        content.baseText = read(u"Color"_s, u"Value"_s);
    } else {
        for (int i = 0; i < ElementCount; ++i)
            content.elementTexts[size_t(i)] = read(u"Colors"_s, elementKey(i));
    }
    return content;
}

QString WriteSchemeFile(const QString &path, const SchemeTexts &scheme)
{
    // The new scheme is written beside the old file and takes its place only when complete,
    // so a failure at any point leaves the old file as it was.
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + u"/.XXXXXX.brw-new"_s);
    if (!temporary.open())
        return temporary.errorString();
    temporary.close();
    const QByteArray header = QString::fromUtf16(SchemeFileHeader).toLatin1() + "\r\n";
    if (QString error = WriteFileSafely(temporary.fileName(), header); !error.isEmpty())
        return error;

    CIniFile ini;
    ini.setPath(temporary.fileName());
    if (QString error = writeValues(ini, scheme); !error.isEmpty())
        return error;

    QFile::setPermissions(temporary.fileName(), permissionsFor(path));
    std::error_code error;
    std::filesystem::rename(nativePath(temporary.fileName()), nativePath(target.absoluteFilePath()),
                            error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    temporary.setAutoRemove(false);
    return {};
}
