#include "CssSelector.h"

using namespace Qt::StringLiterals;

namespace {

// Functional pseudo-classes nest; past this depth a selector is refused rather than recursed.
constexpr int MaximumNesting = 32;

// A recursive-descent check of a selector list, one pass over the text.
class SelectorParser
{
public:
    explicit SelectorParser(QStringView text)
        : m_text(text)
    {
    }

    // The positions of the top-level commas, or nothing when the text is no selector list.
    std::optional<QList<qsizetype>> parse()
    {
        QList<qsizetype> commas;
        if (!selectorList(&commas, false) || m_failed || !atEnd())
            return std::nullopt;
        return commas;
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek(qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead].unicode() : u'\0';
    }
    bool take(char16_t c)
    {
        if (atEnd() || peek() != c)
            return false;
        ++m_pos;
        return true;
    }
    bool skipBlanks()
    {
        const qsizetype start = m_pos;
        while (peek() == u' ' || peek() == u'\t' || peek() == u'\n' || peek() == u'\r'
               || peek() == u'\f')
            ++m_pos;
        return m_pos > start;
    }

    static bool isHex(char16_t c)
    {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    }
    static bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
    static bool isNameStart(char16_t c)
    {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c >= 0x80;
    }

    // A backslash and what it escapes: up to six hex digits and one blank, or any other
    // character but a line break.
    bool escape()
    {
        if (peek() != u'\\' || m_pos + 1 >= m_text.size() || peek(1) == u'\n')
            return false;
        m_pos += 1;
        if (!isHex(peek())) {
            ++m_pos;
            return true;
        }
        for (int digits = 0; digits < 6 && isHex(peek()); ++digits)
            ++m_pos;
        if (peek() == u' ')
            ++m_pos;
        return true;
    }
    bool nameStart()
    {
        if (isNameStart(peek())) {
            ++m_pos;
            return true;
        }
        return escape();
    }
    bool nameCharacter()
    {
        if (isDigit(peek()) || peek() == u'-') {
            ++m_pos;
            return true;
        }
        return nameStart();
    }

    // An identifier: no digit first, and a hyphen first only before a name character.
    bool identifier()
    {
        const qsizetype start = m_pos;
        if (take(u'-') && !take(u'-') && !nameStart()) {
            m_pos = start;
            return false;
        }
        if (m_pos == start && !nameStart())
            return false;
        while (nameCharacter()) { }
        return true;
    }
    QString lastName(qsizetype start) const
    {
        return m_text.mid(start, m_pos - start).toString().toLower();
    }

    bool string()
    {
        const char16_t quote = peek();
        if (quote != u'"' && quote != u'\'')
            return false;
        ++m_pos;
        while (!atEnd() && peek() != quote) {
            if (peek() != u'\\')
                ++m_pos;
            else if (!escape())
                return false;
        }
        return take(quote);
    }

    bool selectorList(QList<qsizetype> *commas, bool relative)
    {
        do {
            skipBlanks();
            if (!complexSelector(relative))
                return false;
            skipBlanks();
            if (commas && peek() == u',')
                commas->append(m_pos);
        } while (take(u','));
        return true;
    }

    static bool isCombinator(char16_t c) { return c == u'>' || c == u'+' || c == u'~'; }

    bool complexSelector(bool relative)
    {
        if (relative && isCombinator(peek())) {
            ++m_pos;
            skipBlanks();
        }
        if (!compoundSelector())
            return false;
        for (;;) {
            const qsizetype before = m_pos;
            const bool blank = skipBlanks();
            if (isCombinator(peek())) {
                ++m_pos;
                skipBlanks();
                if (!compoundSelector())
                    return false;
            } else if (!blank || !compoundSelector()) {
                m_pos = before;
                return true;
            }
        }
    }

    bool compoundSelector()
    {
        const qsizetype start = m_pos;
        if (!take(u'*'))
            identifier();
        while (subclassSelector()) { }
        return m_pos > start && !m_failed;
    }

    bool subclassSelector()
    {
        if (m_failed)
            return false;
        bool ok = true;
        if (take(u'#') || take(u'.'))
            ok = identifier();
        else if (take(u'['))
            ok = attribute();
        else if (take(u':'))
            ok = pseudoClass();
        else
            return false;
        m_failed = !ok;
        return ok;
    }

    bool attribute()
    {
        skipBlanks();
        if (!identifier())
            return false;
        skipBlanks();
        if (take(u']'))
            return true;
        if (QStringView(u"~|^$*").contains(QChar(peek())))
            ++m_pos;
        if (!take(u'='))
            return false;
        skipBlanks();
        if (!identifier() && !string())
            return false;
        skipBlanks();
        if (QStringView(u"iIsS").contains(QChar(peek()))) {
            ++m_pos;
            skipBlanks();
        }
        return take(u']');
    }

    bool pseudoClass()
    {
        const qsizetype start = m_pos;
        if (!identifier())
            return false; // pseudo-elements included: the scrollbar parts follow the scope
        const QString name = lastName(start);
        static const QStringList elements{u"before"_s, u"after"_s, u"first-line"_s,
                                          u"first-letter"_s};
        if (elements.contains(name))
            return false;
        if (!take(u'('))
            return true;
        if (++m_nesting > MaximumNesting)
            return false;
        skipBlanks();
        bool ok = false;
        if (name == u"not" || name == u"is" || name == u"where" || name == u"has")
            ok = selectorList(nullptr, name == u"has");
        else if (name == u"nth-child" || name == u"nth-last-child" || name == u"nth-of-type"
                 || name == u"nth-last-of-type")
            ok = nthArgument(name == u"nth-child" || name == u"nth-last-child");
        else if (name == u"lang")
            ok = wordList();
        else if (name == u"dir")
            ok = identifier();
        --m_nesting;
        skipBlanks();
        return ok && take(u')');
    }

    bool word(QStringView expected)
    {
        const qsizetype start = m_pos;
        if (identifier() && lastName(start) == expected)
            return true;
        m_pos = start;
        return false;
    }

    // An+B, such as odd, 3, -n+3 or 2n + 1, optionally followed by "of" and a selector list.
    bool nthArgument(bool takesSelectors)
    {
        if (!word(u"odd") && !word(u"even")) {
            if (peek() == u'+' || peek() == u'-')
                ++m_pos;
            const qsizetype digits = m_pos;
            while (isDigit(peek()))
                ++m_pos;
            if (peek() == u'n' || peek() == u'N') {
                ++m_pos;
                const qsizetype afterN = m_pos;
                skipBlanks();
                if (take(u'+') || take(u'-')) {
                    skipBlanks();
                    if (!isDigit(peek()))
                        return false;
                    while (isDigit(peek()))
                        ++m_pos;
                } else {
                    m_pos = afterN;
                }
            } else if (m_pos == digits) {
                return false;
            }
        }
        const qsizetype beforeOf = m_pos;
        if (takesSelectors && skipBlanks() && word(u"of"))
            return skipBlanks() && selectorList(nullptr, false);
        m_pos = beforeOf;
        return true;
    }

    bool wordList()
    {
        do {
            skipBlanks();
            if (!identifier() && !string())
                return false;
            skipBlanks();
        } while (take(u','));
        return true;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    int m_nesting = 0;
    bool m_failed = false;
};

// Text that could end the rule, the style element or the page's markup around it.
bool reachesOutside(const QString &selector)
{
    if (selector.contains(u"/*"_s) || selector.contains(u"<!--"_s) || selector.contains(u"-->"_s))
        return true;
    for (const QChar c : selector) {
        if (c == u'{' || c == u'}' || c == u';' || c == u'<' || c == u'@'
            || c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

std::optional<QList<qsizetype>> topLevelCommas(const QString &selector)
{
    if (selector.isEmpty() || reachesOutside(selector))
        return std::nullopt;
    return SelectorParser(selector).parse();
}

} // namespace

std::optional<QString> ScopeSelector(const QString &text)
{
    const QString selector = text.trimmed();
    if (!topLevelCommas(selector))
        return std::nullopt;
    return selector;
}

QStringList ScopeSelectorItems(const QString &text)
{
    const QString selector = text.trimmed();
    const std::optional<QList<qsizetype>> commas = topLevelCommas(selector);
    if (!commas)
        return {};
    QStringList items;
    qsizetype start = 0;
    for (const qsizetype comma : *commas) {
        items << selector.mid(start, comma - start).trimmed();
        start = comma + 1;
    }
    items << selector.mid(start).trimmed();
    return items;
}
