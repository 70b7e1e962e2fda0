#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The selector, trimmed, when it is a CSS selector list that can stand as the scope of the
// sheet's rules: type, universal, class, id and attribute selectors, pseudo-classes (of them
// the functional :not, :is, :where, :has, :nth-*, :lang and :dir), the four combinators, and
// commas between non-empty items. Nothing when it is empty, breaks that grammar, names a
// pseudo-element, or could reach outside its rules (braces, semicolons, markup, comments,
// at-rules, control characters).
std::optional<QString> ScopeSelector(const QString &text);

// The items of a scope's selector list, trimmed, as separate selectors; nothing for a text
// that ScopeSelector refuses.
QStringList ScopeSelectorItems(const QString &text);
