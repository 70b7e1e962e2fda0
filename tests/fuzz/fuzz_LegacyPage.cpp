// Feeds arbitrary bytes to the legacy page reader and to the page check, as a page and as a
// style sheet, and to the reader of scrollbar declarations. Besides crashes, leaks and undefined
// behaviour, it checks that an imported scheme is complete, that the report keeps within its
// line limit and the page's length, that every finding of the check stands on a line of the
// page and keeps within its length, and that every declaration found lies within the text.
#include "legacy/LegacyPageFile.h"
#include "legacy/PageCheck.h"
#include "legacy/ScrollbarDeclarations.h"
#include "scheme/SchemeColors.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void check(const LegacyColorImport &result, qsizetype pageSize)
{
    // 100 findings, the heading, "… and N more" and the colours the page left out; each line
    // within 400 characters besides the value, which is the page's own text.
    if (result.error.isEmpty()
        && ((result.found && !ResolveSchemeColors(result.scheme))
            || result.report.count(u'\n') > 103 || result.report.size() > pageSize + 103 * 400))
        std::abort();
}

void check(const QList<PageFinding> &findings, const QList<LinkedSheet> &linked,
           QByteArrayView page)
{
    const qsizetype lines = page.count('\n') + 1;
    const auto outside = [lines](int line, int column) {
        return line < 1 || line > lines || column < 1;
    };
    for (const PageFinding &finding : findings) {
        if (outside(finding.line, finding.column) || finding.message.size() > 400)
            std::abort();
    }
    for (const LinkedSheet &sheet : linked) {
        if (outside(sheet.line, sheet.column))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer page; // the device path too: it tells text from binary data and reads UTF-16
    page.setData(bytes);
    page.open(QIODevice::ReadOnly);
    check(ImportLegacyPage(page, LegacySource::Html), bytes.size());
    check(ImportLegacyColors(bytes, LegacySource::Css), bytes.size());
    const PageCheck pageCheck({QStringLiteral(".side"), QStringLiteral("main > .list")});
    QList<LinkedSheet> linked;
    check(pageCheck.checkText(bytes, LegacySource::Html, QStringLiteral("site/page.html"), &linked),
          linked, bytes);
    check(pageCheck.checkText(bytes, LegacySource::Css, QStringLiteral("sheet.css")), {}, bytes);
    const QString css = QString::fromUtf8(bytes);
    const qsizetype lines = css.count(u'\n') + 1;
    for (const ScrollbarDeclaration &found : FindScrollbarDeclarations(css)) {
        if (found.line < 1 || found.line > lines || found.column < 1
            || found.property.size() + found.value.size() > css.size())
            std::abort();
    }
    return 0;
}
