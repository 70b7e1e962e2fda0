#pragma once

#include <QByteArrayView>
#include <QStringView>

// Whether Internet Explorer 5.5 or later, in any of its versions up to 9 (the last that read
// conditional comments), takes the expression of a conditional comment, the text between
// "[if" and "]>": IE, IE 5.5, gte IE 6, !IE, (gt IE 5)&(lt IE 9), true and the like. Features
// other than IE, such as mso, and malformed expressions are not taken.
bool IeTakesCondition(QByteArrayView expression);

// Whether a media query list, such as the prelude of @media after the keyword or a STYLE
// element's media attribute, applies on a screen: an empty list, all, screen, only screen,
// not print and the like, with or without features. Print, speech and the other media types
// do not, nor does a query that is not one.
bool ScreenTakesMedia(QStringView media);
