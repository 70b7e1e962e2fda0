#include "SchemeFile.h"

#include "CIniFile.h"
#include "IniText.h"
#include "SafeFile.h"
#include "scheme/SchemeColors.h"

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

// The section names of one variant; the dark one's carry a prefix.
struct VariantSections
{
    QString type, colors, color, states;
};

VariantSections sectionsOf(bool dark)
{
    const QString prefix = dark ? u"Dark "_s : QString();
    return {prefix + u"Type"_s, prefix + u"Colors"_s, prefix + u"Color"_s, prefix + u"States"_s};
}

// The bytes of a scheme file, laid out as the INI writer lays out values, in a single-byte
// (Latin-1) text as CIniFile stores it. Sections come in the order the reader of the first
// format met them, the new ones after, so that it still reads what it knows.
QByteArray schemeBytes(const SchemeVariants &scheme)
{
    QByteArray text = QString::fromUtf16(SchemeFileHeader).toLatin1() + "\r\n";
    const auto put = [&text](const QString &section, const QString &key, QString value) {
        text = IniText::withValue(text, section.toLatin1(), key.toLatin1(),
                                  value.remove(QChar(0)).toLatin1());
    };
    const auto putColors = [&put](const SchemeTexts &variant, const VariantSections &names) {
        put(names.type, u"IsBase"_s, variant.baseColor ? u"1"_s : u"0"_s);
        if (variant.baseColor) {
            put(names.color, u"Value"_s, variant.texts[BaseColorIndex]);
        } else {
            for (int i = 0; i < ElementCount; ++i)
                put(names.colors, elementKey(i), variant.texts[size_t(i)]);
        }
    };
    const auto putStates = [&put](const SchemeTexts &variant, const VariantSections &names) {
        for (int state = 0; state < StateCount; ++state) {
            if (!IsNoStateText(variant.states[size_t(state)]))
                put(names.states, QString::fromUtf16(SchemeStates[size_t(state)].fileKey),
                    variant.states[size_t(state)]);
        }
    };
    putColors(scheme.light, sectionsOf(false));
    if (scheme.dark)
        putColors(*scheme.dark, sectionsOf(true));
    putStates(scheme.light, sectionsOf(false));
    if (scheme.dark)
        putStates(*scheme.dark, sectionsOf(true));
    return text;
}

SchemeFileVariant readVariant(CIniFile &ini, const VariantSections &names)
{
    const auto read = [&ini](const QString &section, const QString &key) {
        ini.setSection(section);
        ini.setKey(key);
        return ini.Value();
    };
    SchemeFileVariant variant;
    variant.baseColor = read(names.type, u"IsBase"_s) == u"1";
    if (variant.baseColor) {
        variant.baseText = read(names.color, u"Value"_s);
    } else {
        for (int i = 0; i < ElementCount; ++i)
            variant.elementTexts[size_t(i)] = read(names.colors, elementKey(i));
    }
    for (int state = 0; state < StateCount; ++state)
        variant.states[size_t(state)]
            = read(names.states, QString::fromUtf16(SchemeStates[size_t(state)].fileKey));
    return variant;
}

SchemeTexts textsOf(const SchemeFileVariant &variant)
{
    SchemeTexts scheme;
    scheme.baseColor = variant.baseColor;
    scheme.texts[BaseColorIndex] = variant.baseText;
    std::copy(variant.elementTexts.begin(), variant.elementTexts.end(), scheme.texts.begin());
    scheme.states = variant.states;
    return scheme;
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
    SchemeFileContent content;
    static_cast<SchemeFileVariant &>(content) = readVariant(ini, sectionsOf(false));
    const VariantSections dark = sectionsOf(true);
    ini.setSection(dark.type);
    if (!ini.INISection().isEmpty())
        content.dark = readVariant(ini, dark);
    return content;
}

SchemeVariants SchemeVariantsOf(const SchemeFileContent &content)
{
    SchemeVariants scheme;
    scheme.light = textsOf(content);
    if (content.dark)
        scheme.dark = textsOf(*content.dark);
    return scheme;
}

QString WriteSchemeFile(const QString &path, const SchemeVariants &scheme)
{
    // Saving starts a new file, written whole: a failure at any point leaves the old file.
    return WriteFileSafely(path, schemeBytes(scheme));
}
