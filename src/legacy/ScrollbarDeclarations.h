#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A declaration of a style sheet that bears on scrollbars.
struct ScrollbarDeclaration
{
    int line = 1; // of its property's name, from 1
    int column = 1;
    QString selector; // the rule's selector list, comments left out and blanks made one space
    QStringList conditions; // the @media, @supports, @layer … around it, outside in
    QString property; // in lower case
    QString value; // as written, without "!important"
    bool important = false;
};

// The declarations of scrollbar-color, scrollbar-width and the legacy scrollbar-*-color
// properties, and every declaration of a rule whose selector names ::-webkit-scrollbar, in
// document order. Comments, strings, "<!--" and "-->" are allowed anywhere; rules inside other
// at-rules (@font-face, @keyframes, @page) and nested rules are passed over. Runs in time linear
// in the length of the text.
QList<ScrollbarDeclaration> FindScrollbarDeclarations(QStringView css);

// Whether a property is one of the legacy scrollbar colours, such as scrollbar-face-color.
bool IsLegacyScrollbarProperty(QStringView property);
