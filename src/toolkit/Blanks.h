#pragma once

#include <QString>

// A text without the blanks (space characters only, not tabs or line ends) before and after it.
inline QString TrimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}
