// Feeds arbitrary bytes to the INI reader and writer and to the scheme file reader. Besides
// crashes, leaks and undefined behaviour, it checks that a value written reads back and that
// writing one value leaves the others as they read.
#include "scheme/SchemeColors.h"
#include "storage/IniText.h"
#include "storage/SchemeFile.h"

#include <QByteArrayView>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void exerciseText(QByteArrayView bytes)
{
    IniText::keyNames(bytes, "Colors");
    IniText::value(bytes, "Type", "IsBase");

    const QByteArray written = IniText::withValue(bytes, "Colors", "Value 3", "#12AB9f");
    check(IniText::value(written, "colors", "VALUE 3") == QByteArray("#12AB9f"));
    // What was there before still reads the same.
    check(IniText::value(written, "Type", "IsBase") == IniText::value(bytes, "Type", "IsBase"));

    IniText::value(IniText::withoutSection(written, "Colors"), "Colors", "Value 3");
    IniText::withoutKey(bytes, "Type", "IsBase");
    const QByteArray keys = IniText::withKeys(bytes, "Color", {"Value", "Other"});
    check(IniText::value(keys, "Color", "Value") == QByteArray());
}

void exerciseFile(QByteArrayView bytes)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.brw"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes.data(), bytes.size());
    file.close();
    if (HasSchemeHeader(path)) {
        // The new sections too: read, judged, derived from and written back.
        const SchemeVariants scheme = SchemeVariantsOf(ReadSchemeFile(path));
        FirstIncompleteColor(scheme);
        DeriveDarkVariant(scheme.light);
        WriteSchemeFile(folder.filePath(QStringLiteral("output.brw")), scheme);
    }
    FileNameOf(QString::fromLatin1(bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    exerciseText(bytes);
    exerciseFile(bytes);
    return 0;
}
