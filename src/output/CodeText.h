#pragma once

#include "ModernStyleSheet.h"

#include <QString>

#include <optional>

// The forms the code can take: the classic block, the sheet for today's browsers in a STYLE
// element of its own, both one after the other, or the bare sheet for a style sheet file.
enum class CodeFormat { Classic, Modern, Both, Css };

struct CodeOptions
{
    CodeFormat format = CodeFormat::Classic;
    ModernSheetOptions modern;
};

// "classic", "modern", "both", "css".
QString CodeFormatName(CodeFormat format);
std::optional<CodeFormat> CodeFormatFromName(const QString &name);

// The code for the scheme, with CR LF after every line; nothing when the format needs
// colours that the scheme does not hold complete. The classic block is the light variant's
// alone: its browser knew neither dark mode nor hover.
std::optional<QString> BuildCode(const SchemeVariants &scheme, const CodeOptions &options);
