// Feeds arbitrary bytes to the legacy page reader, as a page and as a style sheet. Besides
// crashes, leaks and undefined behaviour, it checks that an imported scheme is complete and that
// the report stays within its line limit and the page's length.
#include "legacy/LegacyColorValue.h"
#include "legacy/LegacyPageFile.h"
#include "scheme/SchemeColors.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

// At most 100 findings, the heading, "… and N more" and the colours the page left out.
constexpr qsizetype MostReportLines = 103;
// A line without its value: the place, the property and what became of it, all cut.
constexpr qsizetype MostLineLength = 400;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkImport(const LegacyColorImport &result, qsizetype pageSize)
{
    if (!result.error.isEmpty())
        return;
    check(!result.found || ResolveSchemeColors(result.scheme).has_value());
    check(result.report.count(u'\n') <= MostReportLines);
    check(result.report.size() <= pageSize + MostReportLines * MostLineLength);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // The device path too: it tells text from binary data and reads UTF-16.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    checkImport(ImportLegacyPage(buffer, LegacySource::Html), bytes.size());
    checkImport(ImportLegacyColors(bytes, LegacySource::Css), bytes.size());
    if (const std::optional<QString> color = LegacyColorText(QString::fromUtf8(bytes)))
        check(ParseColorText(*color).has_value());
    return 0;
}
