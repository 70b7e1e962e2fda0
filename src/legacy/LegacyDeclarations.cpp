#include "LegacyDeclarations.h"

#include "scheme/ElementTable.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// By element index; the base colour last.
constexpr QStringView PropertyNames[EntryCount] = {
    u"scrollbar-face-color",    u"scrollbar-arrow-color",  u"scrollbar-highlight-color",
    u"scrollbar-3dlight-color", u"scrollbar-shadow-color", u"scrollbar-darkshadow-color",
    u"scrollbar-track-color",   u"scrollbar-base-color",
};

constexpr QStringView PageTypes[] = {u"html", u"body"};

// Longer selectors are cut in the report.
constexpr qsizetype WhereLimit = 60;

template<typename Char> bool isSpace(Char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool startsCaseless(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size()
        && text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

qsizetype indexOfCaseless(QByteArrayView text, QByteArrayView needle, qsizetype from = 0)
{
    const char first = lower(needle[0]);
    for (qsizetype i = from; i + needle.size() <= text.size(); ++i) {
        if (lower(text[i]) == first && startsCaseless(text.sliced(i), needle))
            return i;
    }
    return -1;
}

int propertyIndex(QStringView name)
{
    for (int i = 0; i < EntryCount; ++i) {
        if (name.compare(PropertyNames[i], Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// A text without its /* comments */.
QString withoutComments(QStringView text)
{
    if (!text.contains(u"/*"))
        return text.toString();
    QString plain;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u"/*", pos);
        if (open < 0)
            break;
        plain += text.sliced(pos, open - pos);
        plain += u' ';
        const qsizetype close = text.indexOf(u"*/", open + 2);
        pos = close < 0 ? text.size() : close + 2;
    }
    if (pos < text.size())
        plain += text.sliced(pos);
    return plain;
}

// A value without "!important" after it.
QString withoutImportant(QStringView value)
{
    const qsizetype bang = value.lastIndexOf(u'!');
    if (bang >= 0
        && value.sliced(bang + 1).trimmed().compare(u"important", Qt::CaseInsensitive) == 0)
        value = value.first(bang);
    return value.trimmed().toString();
}

// Whether a single selector's subject, its last compound selector, is html, body or :root.
bool isPageSelector(QStringView selector)
{
    qsizetype start = selector.size();
    while (start > 0 && !isSpace(selector[start - 1].unicode()) && selector[start - 1] != u'>'
           && selector[start - 1] != u'+' && selector[start - 1] != u'~')
        --start;
    const QStringView subject = selector.sliced(start);
    if (subject.startsWith(u":root", Qt::CaseInsensitive))
        return true;
    for (QStringView type : PageTypes) {
        if (subject.startsWith(type, Qt::CaseInsensitive)
            && (subject.size() == type.size()
                || QStringView(u".#[:").contains(subject[type.size()])))
            return true;
    }
    return false;
}

bool hasPageSelector(QStringView selectors)
{
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= selectors.size(); ++i) {
        const QChar c = i < selectors.size() ? selectors[i] : QChar(u',');
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        else if (c == u',' && depth == 0) {
            if (isPageSelector(selectors.sliced(start, i - start).trimmed()))
                return true;
            start = i + 1;
        }
    }
    return false;
}

// Line numbers of positions that come in document order.
class LineCounter
{
public:
    explicit LineCounter(QByteArrayView text)
        : m_text(text)
    {
    }
    int lineAt(qsizetype pos)
    {
        if (pos < m_pos) {
            m_pos = 0;
            m_line = 1;
        }
        m_line += int(m_text.sliced(m_pos, pos - m_pos).count('\n'));
        m_pos = pos;
        return m_line;
    }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

class Scanner
{
public:
    explicit Scanner(QByteArrayView text)
        : m_text(text)
        , m_utf8(text.isValidUtf8())
        , m_lines(text)
    {
    }

    void scanHtml();
    void scanCss(qsizetype pos, qsizetype end);
    QList<LegacyDeclaration> found;

private:
    qsizetype skipBlanks(qsizetype pos, qsizetype end) const;
    qsizetype findOutside(qsizetype pos, qsizetype end, QByteArrayView stops) const;
    qsizetype blockEnd(qsizetype open, qsizetype end) const;
    qsizetype after(QByteArrayView marker, qsizetype pos, qsizetype end) const;
    struct Attribute
    {
        QByteArrayView name;
        QByteArrayView value;
    };
    qsizetype skipName(qsizetype p) const;
    qsizetype skipSpaces(qsizetype p) const;
    qsizetype readAttribute(qsizetype p, Attribute &attribute) const;
    qsizetype scanTag(qsizetype pos);
    void scanRule(qsizetype pos, qsizetype open, qsizetype close);
    void scanDeclarations(qsizetype pos, qsizetype end, const QString &where, bool forPage);
    void scanDeclaration(qsizetype pos, qsizetype end, const QString &where, bool forPage);

    // A piece of the page as text; pages that are not UTF-8 are taken as Latin-1.
    QString decoded(QByteArrayView bytes) const
    {
        return m_utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    }

    QByteArrayView m_text;
    bool m_utf8;
    LineCounter m_lines;
};

// The position after the next `marker` before `end`, or `end`. Searches stay within their
// part, so an unclosed comment or quote cannot make a long page slow.
qsizetype Scanner::after(QByteArrayView marker, qsizetype pos, qsizetype end) const
{
    const qsizetype at = m_text.first(end).indexOf(marker, pos);
    return at < 0 ? end : at + marker.size();
}

// Past whitespace, comments and the "<!--" and "-->" that hid rules from older browsers.
qsizetype Scanner::skipBlanks(qsizetype pos, qsizetype end) const
{
    while (pos < end) {
        const QByteArrayView rest = m_text.sliced(pos, end - pos);
        if (isSpace(rest[0]))
            ++pos;
        else if (rest.startsWith("/*"))
            pos = after("*/", pos + 2, end);
        else if (rest.startsWith("<!--"))
            pos += 4;
        else if (rest.startsWith("-->"))
            pos += 3;
        else
            break;
    }
    return pos;
}

// The first of `stops` at or after `pos` outside strings and comments, or `end`.
qsizetype Scanner::findOutside(qsizetype pos, qsizetype end, QByteArrayView stops) const
{
    while (pos < end) {
        const char c = m_text[pos];
        if (stops.contains(c))
            return pos;
        if (c == '"' || c == '\'') {
            const qsizetype close = m_text.first(end).indexOf(c, pos + 1);
            pos = close < 0 ? end : close + 1;
        } else if (c == '/' && pos + 1 < end && m_text[pos + 1] == '*') {
            pos = after("*/", pos + 2, end);
        } else {
            ++pos;
        }
    }
    return end;
}

// The "}" that closes the block opened at `open`, or `end`.
qsizetype Scanner::blockEnd(qsizetype open, qsizetype end) const
{
    int depth = 0;
    for (qsizetype pos = open; pos < end; ++pos) {
        pos = findOutside(pos, end, "{}");
        if (pos >= end)
            break;
        depth += m_text[pos] == '{' ? 1 : -1;
        if (depth == 0)
            return pos;
    }
    return end;
}

void Scanner::scanCss(qsizetype pos, qsizetype end)
{
    while ((pos = skipBlanks(pos, end)) < end) {
        const qsizetype stop = findOutside(pos, end, "{;}");
        if (stop >= end)
            return;
        if (m_text[stop] != '{') { // a statement such as @import, or the end of a group
            pos = stop + 1;
            continue;
        }
        const QByteArrayView prelude = m_text.sliced(pos, stop - pos);
        if (prelude.startsWith('@')) {
            const bool group
                = startsCaseless(prelude, "@media") || startsCaseless(prelude, "@supports");
            // A group's rules are read in turn; its closing brace ends nothing further.
            pos = group ? stop + 1 : blockEnd(stop, end) + 1;
            continue;
        }
        const qsizetype close = blockEnd(stop, end);
        scanRule(pos, stop, close);
        pos = close + 1;
    }
}

void Scanner::scanRule(qsizetype pos, qsizetype open, qsizetype close)
{
    if (indexOfCaseless(m_text.sliced(open, close - open), "scrollbar") < 0)
        return;
    const QString selectors = withoutComments(decoded(m_text.sliced(pos, open - pos))).simplified();
    const bool forPage = hasPageSelector(selectors);
    const QString where
        = selectors.size() > WhereLimit ? selectors.left(WhereLimit) + u"…"_s : selectors;
    scanDeclarations(open + 1, close, where, forPage);
}

void Scanner::scanDeclarations(qsizetype pos, qsizetype end, const QString &where, bool forPage)
{
    while (pos < end) {
        const qsizetype stop = findOutside(pos, end, ";");
        scanDeclaration(pos, stop, where, forPage);
        pos = stop + 1;
    }
}

void Scanner::scanDeclaration(qsizetype pos, qsizetype end, const QString &where, bool forPage)
{
    const qsizetype colon = findOutside(pos, end, ":");
    if (colon >= end)
        return;
    const QByteArrayView name = m_text.sliced(pos, colon - pos);
    const qsizetype nameAt = indexOfCaseless(name, "scrollbar");
    if (nameAt < 0)
        return;
    const int index = propertyIndex(QStringView(withoutComments(decoded(name))).trimmed());
    if (index >= 0) {
        const QString value = withoutComments(decoded(m_text.sliced(colon + 1, end - colon - 1)));
        found.append(
            {m_lines.lineAt(pos + nameAt), where, forPage, index, withoutImportant(value)});
    }
}

// Past the characters of a name (a tag's or an attribute's).
qsizetype Scanner::skipName(qsizetype p) const
{
    while (p < m_text.size() && !isSpace(m_text[p]) && !QByteArrayView("=>/").contains(m_text[p]))
        ++p;
    return p;
}

qsizetype Scanner::skipSpaces(qsizetype p) const
{
    while (p < m_text.size() && isSpace(m_text[p]))
        ++p;
    return p;
}

// Reads the attribute at `p`, quoted or not; returns the position after it.
qsizetype Scanner::readAttribute(qsizetype p, Attribute &attribute) const
{
    const qsizetype end = m_text.size();
    const qsizetype nameEnd = skipName(p + 1);
    attribute.name = m_text.sliced(p, nameEnd - p);
    p = skipSpaces(nameEnd);
    if (p >= end || m_text[p] != '=') {
        attribute.value = {};
        return p;
    }
    p = skipSpaces(p + 1);
    const char quote = p < end ? m_text[p] : '\0';
    if (quote == '"' || quote == '\'') {
        const qsizetype close = m_text.indexOf(quote, p + 1);
        attribute.value = m_text.sliced(p + 1, (close < 0 ? end : close) - p - 1);
        return close < 0 ? end : close + 1;
    }
    qsizetype valueEnd = p;
    while (valueEnd < end && !isSpace(m_text[valueEnd]) && m_text[valueEnd] != '>')
        ++valueEnd;
    attribute.value = m_text.sliced(p, valueEnd - p);
    return valueEnd;
}

// Reads one start tag from its "<", with the content of a STYLE element and past that of a
// SCRIPT element; returns the position after them.
qsizetype Scanner::scanTag(qsizetype pos)
{
    const qsizetype end = m_text.size();
    qsizetype p = skipName(pos + 1);
    const QByteArrayView name = m_text.sliced(pos + 1, p - pos - 1);
    const bool pageElement = name.compare("html", Qt::CaseInsensitive) == 0
        || name.compare("body", Qt::CaseInsensitive) == 0;
    Attribute attribute;
    while ((p = skipSpaces(p)) < end && m_text[p] != '>') {
        if (m_text[p] == '/') {
            ++p;
            continue;
        }
        p = readAttribute(p, attribute);
        if (attribute.name.compare("style", Qt::CaseInsensitive) == 0
            && indexOfCaseless(attribute.value, "scrollbar") >= 0) {
            const qsizetype valueAt = attribute.value.data() - m_text.data();
            scanDeclarations(valueAt, valueAt + attribute.value.size(),
                             decoded(name) + u" style attribute"_s, pageElement);
        }
    }
    p = std::min(end, p + 1);
    const bool style = name.compare("style", Qt::CaseInsensitive) == 0;
    if (!style && name.compare("script", Qt::CaseInsensitive) != 0)
        return p;
    const qsizetype close = indexOfCaseless(m_text, style ? "</style" : "</script", p);
    if (style)
        scanCss(p, close < 0 ? end : close);
    return close < 0 ? end : close;
}

void Scanner::scanHtml()
{
    qsizetype pos = 0;
    while ((pos = m_text.indexOf('<', pos)) >= 0) {
        const QByteArrayView rest = m_text.sliced(pos);
        if (rest.startsWith("<!--"))
            pos = after("-->", pos + 4, m_text.size());
        else if (rest.size() > 1 && isLetter(rest[1]))
            pos = scanTag(pos);
        else if (rest.size() > 1 && QByteArrayView("/!?").contains(rest[1]))
            pos = after(">", pos + 1, m_text.size()); // an end tag, <!DOCTYPE> or <?xml?>
        else
            ++pos; // a "<" in running text
    }
}

} // namespace

QStringView LegacyPropertyName(int index)
{
    return PropertyNames[index];
}

QList<LegacyDeclaration> FindLegacyDeclarations(QByteArrayView text, LegacySource source)
{
    Scanner scanner(text);
    if (source == LegacySource::Css)
        scanner.scanCss(0, text.size());
    else
        scanner.scanHtml();
    return scanner.found;
}
