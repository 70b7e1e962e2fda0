#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// What an old page's text is: an HTML page, whose STYLE elements and style attributes hold
// style rules, or a style sheet.
enum class LegacySource { Html, Css };

// The index of a property that looks like a legacy scrollbar colour but is none.
constexpr int UnknownProperty = -1;

// One legacy scrollbar colour property found in a page.
struct LegacyDeclaration
{
    int line = 0;
    QString where; // the rule's selector, or the element whose style attribute holds it
    bool forPage = false; // whether it colours the page's own scrollbar (html, body, :root, *)
    int index = 0; // the element index, BaseColorIndex for the base colour, or UnknownProperty
    QString value; // as written, without "!important"
    QString unknownName; // for UnknownProperty, the name as written
    // Its weight in the cascade, in order: importance, a style attribute over rules, then the
    // specificity of the page's selector (ids, classes, types, each a byte).
    bool important = false;
    bool styleAttribute = false;
    quint32 specificity = 0;
    // The IE conditional comment it stands in, such as "if lt IE 9"; empty outside one.
    QString condition;
    // The media list of the @media group or STYLE element that keeps it off screens, such
    // as "print"; empty when a screen takes it.
    QString media;
};

// The property's name in lower case, by element index; the base colour's at BaseColorIndex.
QStringView LegacyPropertyName(int index);

// The legacy scrollbar colour properties of a page in UTF-8 (or any code page that keeps ASCII
// as it is), in document order, in any letter case, with their weight in the cascade.
// Comments, "<!--" and "-->" around rules and any whitespace are allowed; rules
// inside @media, with the media list when a screen does not take it, and @supports count,
// other at-rules and scripts do not. The HTML inside a
// conditional comment counts when Internet Explorer 5.5 or later takes its condition. Runs in
// time linear in the length of the text.
QList<LegacyDeclaration> FindLegacyDeclarations(QByteArrayView text, LegacySource source);
