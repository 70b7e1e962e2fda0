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

// A declaration read for checking a page: the offset of its name in the text, its name without
// comments, its value without "!important", each on one line.
struct CheckedDeclaration
{
    qsizetype offset = 0;
    QString name;
    QString value;
    bool important = false;
};

// A rule, or a style attribute, that has "scrollbar" in its selector or its declarations, with
// all of its declarations.
struct CheckedRule
{
    QString selectors; // without comments, on one line; the element's name for an attribute
    bool styleAttribute = false;
    // In an @supports group that engines with ::-webkit-scrollbar rules skip, as Barwright's own
    // Firefox rules are: nothing there can switch the bevel off.
    bool withoutBevel = false;
    QList<CheckedDeclaration> declarations;
};

// A style sheet that a page links with <link rel=stylesheet href=…>: the offset of its address
// in the text, and the address as written.
struct StyleSheetLink
{
    qsizetype offset = 0;
    QString href;
};

struct CheckedPage
{
    QList<CheckedRule> rules;
    QList<StyleSheetLink> links;
};

// What a page or style sheet says about scrollbars, in document order, read as
// FindLegacyDeclarations reads it, and also inside @layer and @container. In linear time.
CheckedPage FindCheckedRules(QByteArrayView text, LegacySource source);
