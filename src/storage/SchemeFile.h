#pragma once

#include "scheme/SchemeTexts.h"

#include <QString>

#include <array>

// A colour scheme on disk, a ".brw" file: a header line, then INI sections. Section "Type"
// holds "IsBase" ("1" for a base-colour scheme); section "Colors" holds "Value 0" to "Value 6",
// or section "Color" holds "Value" for the base colour.

inline constexpr char16_t SchemeFileHeader[]
    = u"Barwright Color Scheme File (Do not edit manually)";

// The part of a path after its last separator; empty when it has none.
QString FileNameOf(const QString &path);

// Whether the first field of the file's first line is exactly the header.
bool HasSchemeHeader(const QString &path);

struct SchemeFileContent
{
    bool baseColor = false;
    QString baseText;
    std::array<QString, ElementCount> elementTexts;
};

// The values of a scheme file; absent ones read as empty texts.
SchemeFileContent ReadSchemeFile(const QString &path);

// The file's values as the eight texts of a scheme.
SchemeTexts SchemeTextsOf(const SchemeFileContent &content);

// Writes a scheme file anew, replacing the file only once the new one is complete. Returns the
// system's description of a failure, or an empty text.
QString WriteSchemeFile(const QString &path, const SchemeTexts &scheme);
