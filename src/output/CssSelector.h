#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The selector, trimmed and with its white space as blanks, when it is a CSS selector list
// that can stand as the scope of the sheet's rules: type, universal, class, id and attribute
// selectors, the pseudo-classes that browsers know, the four combinators, and commas between
// non-empty items. Nothing when it is empty, breaks that grammar, names a pseudo-element or an
// unknown pseudo-class, or could reach outside its rules (braces, semicolons, markup,
// comments, at-rules, control characters other than white space).
std::optional<QString> ScopeSelector(const QString &text);

// The items of a scope's selector list, trimmed, as separate selectors; nothing for a text
// that ScopeSelector refuses.
QStringList ScopeSelectorItems(const QString &text);

// For a text that ScopeSelector refuses for a pseudo-element or a pseudo-class that browsers
// do not know, a phrase naming that part, such as: browsers know no pseudo-class ":hovr".
// Empty otherwise.
QString ScopeSelectorProblem(const QString &text);
