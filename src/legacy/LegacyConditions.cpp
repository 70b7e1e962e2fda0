#include "LegacyConditions.h"

#include <QStringList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The versions of Internet Explorer, from 5.5, that read conditional comments.
constexpr double IeVersions[] = {5.5, 6, 7, 8, 9};

// Deeper parentheses than this make an expression that is not taken.
constexpr int MaximumNesting = 16;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// One pass over an expression for one version of the browser.
class ConditionParser
{
public:
    ConditionParser(QByteArrayView text, double version)
        : m_text(text)
        , m_version(version)
    {
    }

    bool taken()
    {
        const bool value = either();
        skipBlanks();
        return !m_failed && m_pos == m_text.size() && value;
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }
    bool take(char c)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    QByteArrayView word()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && isWordCharacter(m_text[m_pos]))
            ++m_pos;
        return m_text.sliced(start, m_pos - start);
    }

    bool either()
    {
        bool value = both();
        while (take('|'))
            value = both() || value;
        return value;
    }
    bool both()
    {
        bool value = single();
        while (take('&'))
            value = single() && value;
        return value;
    }
    bool single()
    {
        if (take('!'))
            return !single();
        if (take('(')) {
            if (++m_depth > MaximumNesting) {
                m_failed = true;
                return false;
            }
            const bool value = either();
            --m_depth;
            m_failed = m_failed || !take(')');
            return value;
        }
        return term();
    }

    // [lt|lte|gt|gte] IE [version], true, false, or another feature, which is not this browser.
    bool term()
    {
        QByteArrayView name = word();
        QByteArrayView comparison;
        if (name.compare("lt", Qt::CaseInsensitive) == 0
            || name.compare("lte", Qt::CaseInsensitive) == 0
            || name.compare("gt", Qt::CaseInsensitive) == 0
            || name.compare("gte", Qt::CaseInsensitive) == 0) {
            comparison = name;
            name = word();
        }
        if (name.isEmpty()) {
            m_failed = true;
            return false;
        }
        const std::optional<double> given = version();
        if (comparison.isEmpty() && name.compare("true", Qt::CaseInsensitive) == 0)
            return true;
        if (name.compare("IE", Qt::CaseInsensitive) != 0)
            return false;
        if (!given)
            return comparison.isEmpty();
        // Compared to the precision written: "IE 5" is every 5.x.
        const double scale = std::pow(10.0, m_decimals);
        const double mine = std::floor(m_version * scale + 1e-9) / scale;
        const QByteArray op = comparison.toByteArray().toLower();
        if (op == "lt")
            return mine < *given;
        if (op == "lte")
            return mine <= *given;
        if (op == "gt")
            return mine > *given;
        if (op == "gte")
            return mine >= *given;
        return std::abs(mine - *given) < 1e-9;
    }

    std::optional<double> version()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && isDigit(m_text[m_pos]) && m_pos - start < 4)
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        m_decimals = 0;
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            ++m_pos;
            while (m_pos < m_text.size() && isDigit(m_text[m_pos]) && m_decimals < 4) {
                ++m_pos;
                ++m_decimals;
            }
        }
        return m_text.sliced(start, m_pos - start).toDouble();
    }

    QByteArrayView m_text;
    double m_version;
    qsizetype m_pos = 0;
    int m_depth = 0;
    int m_decimals = 0;
    bool m_failed = false;
};

// Of a media query, whether it could apply on a screen.
bool screenTakesQuery(QString query)
{
    query = query.simplified().toLower();
    bool negated = false;
    if (query.startsWith(u"only "_s)) {
        query = query.sliced(5);
    } else if (query.startsWith(u"not "_s)) {
        negated = true;
        query = query.sliced(4);
    }
    if (query.startsWith(u'('))
        return !negated; // features alone: any medium that has them
    const qsizetype typeEnd = query.indexOf(u' ');
    const QString type = query.first(typeEnd < 0 ? query.size() : typeEnd);
    const bool features = typeEnd >= 0;
    if (features && !query.sliced(typeEnd + 1).startsWith(u"and"_s))
        return false; // not a query: CSS reads it as "not all"
    const bool screen = type == u"screen"_s || type == u"all"_s;
    // "not screen and (color)" still takes a screen without colour.
    return negated ? !screen || features : screen;
}

} // namespace

bool IeTakesCondition(QByteArrayView expression)
{
    for (const double version : IeVersions) {
        if (ConditionParser(expression, version).taken())
            return true;
    }
    return false;
}

bool ScreenTakesMedia(QStringView media)
{
    if (media.trimmed().isEmpty())
        return true;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= media.size(); ++i) {
        const QChar c = i < media.size() ? media[i] : QChar(u',');
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        else if (c == u',' && depth == 0) {
            if (screenTakesQuery(media.sliced(start, i - start).toString()))
                return true;
            start = i + 1;
        }
    }
    return false;
}
