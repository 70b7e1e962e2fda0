#include "StyleBlock.h"

#include "scheme/ElementTable.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr int CompleteLength = 7;

struct Property
{
    const char16_t *name;
    int element;
};

// The order of the properties in a block, which is its own.
constexpr Property ElementProperties[] = {
    {u"scrollbar-face-color:", 0},    {u"scrollbar-highlight-color:", 2},
    {u"scrollbar-3dlight-color:", 3}, {u"scrollbar-darkshadow-color:", 5},
    {u"scrollbar-shadow-color:", 4},  {u"scrollbar-arrow-color:", 1},
    {u"scrollbar-track-color:", 6},
};

QString propertyLine(const char16_t *name, const QString &value)
{
    return QString::fromUtf16(name) + value + u';';
}

QString tr(const char *text)
{
    return QCoreApplication::translate("StyleBlock", text);
}

} // namespace

bool CheckStyleInput(const SchemeTexts &scheme, PlatformServices &platform, QWidget *owner)
{
    for (int i = 0; i < EntryCount; ++i) {
        const bool judged = scheme.baseColor ? i == BaseColorIndex : i != BaseColorIndex;
        if (!judged || scheme.texts[size_t(i)].size() == CompleteLength)
            continue;
        const QString message = scheme.baseColor
            ? tr("Can't show preview. Please enter a valid hex color value or click the palette "
                 "button to choose a base color.")
            : tr("Can't show preview. Please enter a valid hex color value or click the palette "
                 "button to choose a color for all elements.");
        platform.messageBox(owner, message, MessageBoxStyle::Exclamation, tr("Error"));
        return false;
    }
    return true;
}

QString BuildStyleBlock(const SchemeTexts &scheme)
{
    QStringList lines{u"<STYLE type=\"text/css\">"_s, u"<!--"_s, u"BODY {"_s};
    if (scheme.baseColor) {
        lines << propertyLine(u"scrollbar-base-color:", scheme.texts[BaseColorIndex]);
    } else {
        for (const Property &property : ElementProperties)
            lines << propertyLine(property.name, scheme.texts[size_t(property.element)]);
    }
    lines << u"}"_s << u"-->"_s << u"</STYLE>"_s;
    return lines.join(u"\r\n"_s) + u"\r\n"_s;
}
