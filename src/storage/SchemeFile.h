#pragma once

#include "scheme/SchemeTexts.h"

#include <QString>

#include <array>
#include <optional>

// A colour scheme on disk, a ".brw" file: a header line, then INI sections. Section "Type"
// holds "IsBase" ("1" for a base-colour scheme); section "Colors" holds "Value 0" to "Value 6",
// or section "Color" holds "Value" for the base colour. After them, each only when it holds
// something: the dark variant's "Dark Type" and "Dark Colors" or "Dark Color", laid out alike,
// then "States" and "Dark States" with "Hover" and "Pressed" for the states that are set.

inline constexpr char16_t SchemeFileHeader[]
    = u"Barwright Color Scheme File (Do not edit manually)";

// The part of a path after its last separator; empty when it has none.
QString FileNameOf(const QString &path);

// Whether the first field of the file's first line is exactly the header.
bool HasSchemeHeader(const QString &path);

// One variant's values as the file holds them.
struct SchemeFileVariant
{
    bool baseColor = false;
    QString baseText;
    std::array<QString, ElementCount> elementTexts;
    std::array<QString, StateCount> states;
};

// The light variant's values, and the dark variant's when the file has a "Dark Type" section.
struct SchemeFileContent : SchemeFileVariant
{
    std::optional<SchemeFileVariant> dark;
};

// The values of a scheme file, as stored; absent ones read as empty texts.
SchemeFileContent ReadSchemeFile(const QString &path);

// The file's values as the texts of a scheme's variants.
SchemeVariants SchemeVariantsOf(const SchemeFileContent &content);

// Writes a scheme file anew, replacing the file only once the new one is complete. The texts
// are written as they stand, as the entry boxes hold them; a state left to the face is not
// written. Returns the system's description of a failure, or an empty text.
QString WriteSchemeFile(const QString &path, const SchemeVariants &scheme);
