#include "CssSelector.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// Functional pseudo-classes nest; past this depth a selector is refused rather than recursed.
constexpr int MaximumNesting = 32;

// What a pseudo-class takes in its parentheses.
enum class Argument {
    None, // not functional
    Selectors,
    RelativeSelectors,
    Nth, // An+B
    NthOf, // An+B, optionally "of" and selectors
    Languages,
    Direction,
    Identifier,
};

struct PseudoClass
{
    QStringView name;
    Argument argument;
};

// The pseudo-classes of Selectors Level 4, HTML and CSS Scoping that Chromium, Firefox and
// WebKit all know: a browser drops every rule of the sheet whose selector names another one,
// and the scope is in every rule. Sorted by name.
constexpr PseudoClass PseudoClasses[] = {
    {u"active", Argument::None},
    {u"any-link", Argument::None},
    {u"autofill", Argument::None},
    {u"checked", Argument::None},
    {u"default", Argument::None},
    {u"defined", Argument::None},
    {u"dir", Argument::Direction},
    {u"disabled", Argument::None},
    {u"empty", Argument::None},
    {u"enabled", Argument::None},
    {u"first-child", Argument::None},
    {u"first-of-type", Argument::None},
    {u"focus", Argument::None},
    {u"focus-visible", Argument::None},
    {u"focus-within", Argument::None},
    {u"fullscreen", Argument::None},
    {u"has", Argument::RelativeSelectors},
    {u"host", Argument::None},
    {u"hover", Argument::None},
    {u"in-range", Argument::None},
    {u"indeterminate", Argument::None},
    {u"invalid", Argument::None},
    {u"is", Argument::Selectors},
    {u"lang", Argument::Languages},
    {u"last-child", Argument::None},
    {u"last-of-type", Argument::None},
    {u"link", Argument::None},
    {u"modal", Argument::None},
    {u"not", Argument::Selectors},
    {u"nth-child", Argument::NthOf},
    {u"nth-last-child", Argument::NthOf},
    {u"nth-last-of-type", Argument::Nth},
    {u"nth-of-type", Argument::Nth},
    {u"only-child", Argument::None},
    {u"only-of-type", Argument::None},
    {u"optional", Argument::None},
    {u"out-of-range", Argument::None},
    {u"placeholder-shown", Argument::None},
    {u"popover-open", Argument::None},
    {u"read-only", Argument::None},
    {u"read-write", Argument::None},
    {u"required", Argument::None},
    {u"root", Argument::None},
    {u"scope", Argument::None},
    {u"state", Argument::Identifier},
    {u"target", Argument::None},
    {u"user-invalid", Argument::None},
    {u"user-valid", Argument::None},
    {u"valid", Argument::None},
    {u"visited", Argument::None},
    {u"where", Argument::Selectors},
};

const PseudoClass *findPseudoClass(QStringView name)
{
    const auto found = std::lower_bound(
        std::begin(PseudoClasses), std::end(PseudoClasses), name,
        [](const PseudoClass &known, QStringView wanted) { return known.name < wanted; });
    return found != std::end(PseudoClasses) && found->name == name ? found : nullptr;
}

// The pseudo-elements that CSS 2 wrote with one colon.
constexpr QStringView OldPseudoElements[] = {u"after", u"before", u"first-letter", u"first-line"};

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

    // The pseudo-element or unknown pseudo-class that the refusal stopped at, if it did.
    QString refusedPart() const { return m_refusedPart; }
    bool refusedPseudoElement() const { return m_pseudoElement; }

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
            if (peek() == u'\n')
                return false; // a bad string: it ends the rule in a browser
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

    bool refuse(qsizetype start, bool pseudoElement)
    {
        m_refusedPart = u':' + m_text.mid(start, m_pos - start).toString();
        m_pseudoElement = pseudoElement;
        return false;
    }

    bool pseudoClass()
    {
        // Pseudo-elements are refused: the scrollbar parts follow the scope.
        const bool element = take(u':');
        const qsizetype start = m_pos;
        if (!identifier())
            return false;
        const QString name = lastName(start);
        if (element)
            return refuse(start - 1, true);
        if (std::find(std::begin(OldPseudoElements), std::end(OldPseudoElements), name)
            != std::end(OldPseudoElements))
            return refuse(start, true);
        const PseudoClass *known = findPseudoClass(name);
        if (!known)
            return refuse(start, false);
        const bool functional = known->argument != Argument::None;
        if (!take(u'('))
            return !functional;
        if (!functional || ++m_nesting > MaximumNesting)
            return false;
        skipBlanks();
        bool ok = false;
        switch (known->argument) {
        case Argument::Selectors:
        case Argument::RelativeSelectors:
            ok = selectorList(nullptr, known->argument == Argument::RelativeSelectors);
            break;
        case Argument::Nth:
        case Argument::NthOf: ok = nthArgument(known->argument == Argument::NthOf); break;
        case Argument::Languages: ok = wordList(); break;
        case Argument::Direction: ok = word(u"ltr") || word(u"rtl"); break;
        case Argument::Identifier: ok = identifier(); break;
        case Argument::None: break;
        }
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
    QString m_refusedPart;
    bool m_pseudoElement = false;
};

// CSS white space outside strings as blanks, line breaks of any kind as one: the scope is
// written on one line of the sheet, and a selector means the same either way.
QString withBlanks(const QString &text)
{
    QString plain = text;
    plain.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').replace(u'\f', u'\n');
    char16_t quote = 0;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const char16_t c = plain[i].unicode();
        if (c == u'\\')
            ++i;
        else if (quote)
            quote = c == quote ? 0 : quote;
        else if (c == u'"' || c == u'\'')
            quote = c;
        else if (c == u'\t' || c == u'\n')
            plain[i] = u' ';
    }
    return plain.trimmed();
}

// Text that could end the rule, the style element or the page's markup around it.
bool reachesOutside(const QString &selector)
{
    if (selector.contains(u"/*"_s) || selector.contains(u"<!--"_s) || selector.contains(u"-->"_s))
        return true;
    for (const QChar c : selector) {
        if (c == u'{' || c == u'}' || c == u';' || c == u'<' || c == u'@'
            || (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n'))
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
    const QString selector = withBlanks(text);
    if (!topLevelCommas(selector))
        return std::nullopt;
    return selector;
}

QStringList ScopeSelectorItems(const QString &text)
{
    const QString selector = withBlanks(text);
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

QString ScopeSelectorProblem(const QString &text)
{
    const QString selector = withBlanks(text);
    if (selector.isEmpty() || reachesOutside(selector))
        return {};
    SelectorParser parser(selector);
    if (parser.parse() || parser.refusedPart().isEmpty())
        return {};
    const QString part = u'"' + parser.refusedPart() + u'"';
    return parser.refusedPseudoElement()
        ? QCoreApplication::translate("CssSelector", "%1 is a pseudo-element").arg(part)
        : QCoreApplication::translate("CssSelector", "browsers know no pseudo-class %1").arg(part);
}
