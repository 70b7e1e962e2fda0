#include "CodeText.h"

#include "StyleBlock.h"

using namespace Qt::StringLiterals;

namespace {

const char16_t *const FormatNames[] = {u"classic", u"modern", u"both", u"css"};

} // namespace

QString CodeFormatName(CodeFormat format)
{
    return QString::fromUtf16(FormatNames[int(format)]);
}

std::optional<CodeFormat> CodeFormatFromName(const QString &name)
{
    for (int i = 0; i < int(std::size(FormatNames)); ++i) {
        if (name == QString::fromUtf16(FormatNames[i]))
            return CodeFormat(i);
    }
    return std::nullopt;
}

std::optional<QString> BuildCode(const SchemeVariants &scheme, const CodeOptions &options)
{
    if (options.format == CodeFormat::Classic)
        return BuildStyleBlock(scheme.light);
    const std::optional<SheetColors> colors = ResolveSheetColors(scheme);
    if (!colors)
        return std::nullopt;
    const QString sheet = BuildModernStyleSheet(*colors, options.modern);
    if (options.format == CodeFormat::Css)
        return sheet;
    const QString element = u"<style>\r\n"_s + sheet + u"</style>\r\n"_s;
    return options.format == CodeFormat::Both ? BuildStyleBlock(scheme.light) + element : element;
}
