#include "TypingLimitValidator.h"

#include <algorithm>

TypingLimitValidator::TypingLimitValidator(QObject *parent)
    : QValidator(parent)
{
}

QValidator::State TypingLimitValidator::validate(QString &input, int &pos) const
{
    // Never Invalid or Intermediate: either would make the box withhold Enter.
    if (m_programPut)
        return Acceptable;
    const qsizetype inserted = input.size() - m_keptLength;
    const qsizetype excess = input.size() - m_limit;
    if (inserted <= 0 || excess <= 0)
        return Acceptable;
    // The inserted characters end at the caret.
    const int cut = int(std::min({inserted, excess, qsizetype(pos)}));
    input.remove(pos - cut, cut);
    pos -= cut;
    return Acceptable;
}
