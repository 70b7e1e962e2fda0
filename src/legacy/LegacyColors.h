#pragma once

#include "LegacyDeclarations.h"
#include "scheme/SchemeTexts.h"

#include <QByteArrayView>
#include <QString>

// The scheme an old page's legacy scrollbar colours make.
struct LegacyColorImport
{
    QString error; // why the page could not be read at all; empty when it could
    bool found = false; // whether any colour of the page's own scrollbar was read
    SchemeTexts scheme; // when found: the mode's texts; the others are the defaults
    QString report; // what was found where, what was applied and what set aside; LF line ends
};

// Reads the legacy scrollbar colours of a page in UTF-8 (or a one-byte code page). The rules that
// apply on a screen for the page's own scrollbar (html, body, :root, *, or a style attribute on
// HTML or BODY) count, by the cascade: !important first, then a style attribute over rules, then
// specificity, then document order; rules for other elements are only reported. Element colours
// make a seven-colour scheme, the ones the page leaves out derived from its base colour or else the
// default scheme's; a base colour alone makes a base-colour scheme.
LegacyColorImport ImportLegacyColors(QByteArrayView text, LegacySource source);
