#include "SchemeFile.h"

#include "CIniFile.h"
#include "IniText.h"
#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

// The bytes of a scheme file, laid out as the INI writer lays out values, in a single-byte
// (Latin-1) text as CIniFile stores it.
QByteArray schemeBytes(const SchemeTexts &scheme)
{
    QByteArray text = QString::fromUtf16(SchemeFileHeader).toLatin1() + "\r\n";
    const auto put = [&text](QByteArrayView section, const QString &key, QString value) {
        text = IniText::withValue(text, section, key.toLatin1(), value.remove(QChar(0)).toLatin1());
    };
    put("Type", u"IsBase"_s, scheme.baseColor ? u"1"_s : u"0"_s);
    if (scheme.baseColor) {
        put("Color", u"Value"_s, scheme.texts[BaseColorIndex]);
    } else {
        for (int i = 0; i < ElementCount; ++i)
            put("Colors", elementKey(i), scheme.texts[size_t(i)]);
    }
    return text;
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

SchemeTexts SchemeTextsOf(const SchemeFileContent &content)
{
    SchemeTexts scheme;
    scheme.baseColor = content.baseColor;
    scheme.texts[BaseColorIndex] = content.baseText;
    std::copy(content.elementTexts.begin(), content.elementTexts.end(), scheme.texts.begin());
    return scheme;
}

QString WriteSchemeFile(const QString &path, const SchemeTexts &scheme)
{
    // Saving starts a new file, written whole: a failure at any point leaves the old file.
    return WriteFileSafely(path, schemeBytes(scheme));
}
