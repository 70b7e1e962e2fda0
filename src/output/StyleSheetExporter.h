#pragma once

#include "CodeText.h"
#include "scheme/SchemeTexts.h"

#include <QString>

#include <optional>

class PlatformServices;
class QWidget;

// File > Export Style Sheet: the scheme's code in a file the user names, made as the code
// window makes it, with its format, scope and width. A style sheet file gets the bare sheet for
// today's browsers (the text of `brw2css --format css`); a page (".html", ".htm") gets the code
// window's format as STYLE elements.
class StyleSheetExporter
{
public:
    StyleSheetExporter(PlatformServices &platform, QWidget *owner);

    // Asks for a file, in the folder of the last export, and writes the code there safely: the
    // file is whole or as it was. An incomplete scheme gets the completeness message and no
    // file. Returns the path written, or an empty text.
    QString exportScheme(const SchemeVariants &scheme, const QString &schemeFile) const;

    // The text a file of this name gets; nothing when the scheme lacks a colour that today's
    // browsers need.
    static std::optional<QString> textFor(const QString &path, const SchemeVariants &scheme,
                                          const CodeOptions &options);

private:
    // Whether the scheme holds every colour the format needs; if not, says which is missing.
    bool isComplete(const SchemeVariants &scheme, CodeFormat format) const;

    PlatformServices &m_platform;
    QWidget *m_owner;
};
