#include "LegacyDeclarations.h"

#include "app/ElementTable.h"

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

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
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

// Whether a single selector's subject, its last compound selector, is html, body or :root.
bool isPageSelector(QStringView selector)
{
    qsizetype start = selector.size();
    while (start > 0 && !isSpace(selector[start - 1]) && selector[start - 1] != u'>'
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
    explicit LineCounter(QStringView text)
        : m_text(text)
    {
    }
    int lineAt(qsizetype pos)
    {
        if (pos < m_pos) {
            m_pos = 0;
            m_line = 1;
        }
        m_line += int(m_text.sliced(m_pos, pos - m_pos).count(u'\n'));
        m_pos = pos;
        return m_line;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

class Scanner
{
public:
    explicit Scanner(QStringView text)
        : m_text(text)
        , m_lines(text)
    {
    }

    void scanHtml();
    void scanCss(qsizetype pos, qsizetype end);
    QList<LegacyDeclaration> found;

private:
    qsizetype skipBlanks(qsizetype pos, qsizetype end) const;
    qsizetype findOutside(qsizetype pos, qsizetype end, QStringView stops) const;
    qsizetype blockEnd(qsizetype open, qsizetype end) const;
    qsizetype after(QStringView marker, qsizetype pos, qsizetype end) const;
    qsizetype scanTag(qsizetype pos);
    void scanRule(qsizetype pos, qsizetype open, qsizetype close);
    void scanDeclarations(qsizetype pos, qsizetype end, const QString &where, bool forPage);
    void scanDeclaration(qsizetype pos, qsizetype end, const QString &where, bool forPage);

    QStringView m_text;
    LineCounter m_lines;
};

// The position after the next `marker` before `end`, or `end`. Searches stay within their
// part, so an unclosed comment or quote cannot make a long page slow.
qsizetype Scanner::after(QStringView marker, qsizetype pos, qsizetype end) const
{
    const qsizetype at = m_text.first(end).indexOf(marker, pos, Qt::CaseInsensitive);
    return at < 0 ? end : at + marker.size();
}

// Past whitespace, comments and the "<!--" and "-->" that hid rules from older browsers.
qsizetype Scanner::skipBlanks(qsizetype pos, qsizetype end) const
{
    while (pos < end) {
        const QStringView rest = m_text.sliced(pos, end - pos);
        if (isSpace(rest[0]))
            ++pos;
        else if (rest.startsWith(u"/*"))
            pos = after(u"*/", pos + 2, end);
        else if (rest.startsWith(u"<!--"))
            pos += 4;
        else if (rest.startsWith(u"-->"))
            pos += 3;
        else
            break;
    }
    return pos;
}

// The first of `stops` at or after `pos` outside strings and comments, or `end`.
qsizetype Scanner::findOutside(qsizetype pos, qsizetype end, QStringView stops) const
{
    while (pos < end) {
        const QChar c = m_text[pos];
        if (stops.contains(c))
            return pos;
        if (c == u'"' || c == u'\'') {
            const qsizetype close = m_text.first(end).indexOf(c, pos + 1);
            pos = close < 0 ? end : close + 1;
        } else if (c == u'/' && pos + 1 < end && m_text[pos + 1] == u'*') {
            pos = after(u"*/", pos + 2, end);
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
        pos = findOutside(pos, end, u"{}");
        if (pos >= end)
            break;
        depth += m_text[pos] == u'{' ? 1 : -1;
        if (depth == 0)
            return pos;
    }
    return end;
}

void Scanner::scanCss(qsizetype pos, qsizetype end)
{
    while ((pos = skipBlanks(pos, end)) < end) {
        const qsizetype stop = findOutside(pos, end, u"{;}");
        if (stop >= end)
            return;
        if (m_text[stop] != u'{') { // a statement such as @import, or the end of a group
            pos = stop + 1;
            continue;
        }
        const QStringView prelude = m_text.sliced(pos, stop - pos);
        if (prelude.startsWith(u'@')) {
            const bool group = prelude.startsWith(u"@media", Qt::CaseInsensitive)
                || prelude.startsWith(u"@supports", Qt::CaseInsensitive);
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
    if (m_text.sliced(open, close - open).indexOf(u"scrollbar", 0, Qt::CaseInsensitive) < 0)
        return;
    const QString selectors = withoutComments(m_text.sliced(pos, open - pos)).simplified();
    const bool forPage = hasPageSelector(selectors);
    const QString where
        = selectors.size() > WhereLimit ? selectors.left(WhereLimit) + u"…"_s : selectors;
    scanDeclarations(open + 1, close, where, forPage);
}

void Scanner::scanDeclarations(qsizetype pos, qsizetype end, const QString &where, bool forPage)
{
    while (pos < end) {
        const qsizetype stop = findOutside(pos, end, u";");
        scanDeclaration(pos, stop, where, forPage);
        pos = stop + 1;
    }
}

void Scanner::scanDeclaration(qsizetype pos, qsizetype end, const QString &where, bool forPage)
{
    const qsizetype colon = findOutside(pos, end, u":");
    if (colon >= end)
        return;
    const qsizetype nameAt
        = m_text.sliced(pos, colon - pos).indexOf(u"scrollbar", 0, Qt::CaseInsensitive);
    if (nameAt < 0)
        return;
    const QStringView name = m_text.sliced(pos, colon - pos);
    const int index = propertyIndex(
        name.contains(u"/*") ? QStringView(withoutComments(name)).trimmed() : name.trimmed());
    if (index < 0)
        return;
    QString value = withoutComments(m_text.sliced(colon + 1, end - colon - 1)).trimmed();
    const qsizetype bang = value.lastIndexOf(u'!');
    if (bang >= 0
        && QStringView(value).sliced(bang + 1).trimmed().compare(u"important", Qt::CaseInsensitive)
            == 0)
        value = value.left(bang).trimmed();
    found.append({m_lines.lineAt(pos + nameAt), where, forPage, index, value});
}

// Reads one start tag from its "<"; returns the position after it.
qsizetype Scanner::scanTag(qsizetype pos)
{
    const qsizetype end = m_text.size();
    qsizetype p = pos + 1;
    while (p < end && (m_text[p].isLetterOrNumber() || m_text[p] == u'-' || m_text[p] == u':'))
        ++p;
    const QStringView name = m_text.sliced(pos + 1, p - pos - 1);
    bool pageElement = false;
    for (QStringView type : PageTypes)
        pageElement = pageElement || name.compare(type, Qt::CaseInsensitive) == 0;
    while (p < end) {
        while (p < end && (isSpace(m_text[p]) || m_text[p] == u'/'))
            ++p;
        if (p >= end || m_text[p] == u'>')
            break;
        const qsizetype nameStart = p++;
        while (p < end && !isSpace(m_text[p]) && m_text[p] != u'=' && m_text[p] != u'>'
               && m_text[p] != u'/')
            ++p;
        const QStringView attribute = m_text.sliced(nameStart, p - nameStart);
        while (p < end && isSpace(m_text[p]))
            ++p;
        if (p >= end || m_text[p] != u'=')
            continue;
        ++p;
        while (p < end && isSpace(m_text[p]))
            ++p;
        qsizetype valueStart = p;
        qsizetype valueEnd = p;
        if (p < end && (m_text[p] == u'"' || m_text[p] == u'\'')) {
            valueStart = p + 1;
            const qsizetype close = m_text.indexOf(m_text[p], valueStart);
            valueEnd = close < 0 ? end : close;
            p = std::min(end, valueEnd + 1);
        } else {
            while (p < end && !isSpace(m_text[p]) && m_text[p] != u'>')
                ++p;
            valueEnd = p;
        }
        if (attribute.compare(u"style", Qt::CaseInsensitive) == 0
            && m_text.sliced(valueStart, valueEnd - valueStart)
                   .contains(u"scrollbar", Qt::CaseInsensitive))
            scanDeclarations(valueStart, valueEnd, name.toString() + u" style attribute"_s,
                             pageElement);
    }
    p = std::min(end, p + 1);
    if (name.compare(u"style", Qt::CaseInsensitive) == 0) {
        const qsizetype close = m_text.indexOf(u"</style", p, Qt::CaseInsensitive);
        scanCss(p, close < 0 ? end : close);
        return close < 0 ? end : close;
    }
    if (name.compare(u"script", Qt::CaseInsensitive) == 0) {
        const qsizetype close = m_text.indexOf(u"</script", p, Qt::CaseInsensitive);
        return close < 0 ? end : close;
    }
    return p;
}

void Scanner::scanHtml()
{
    qsizetype pos = 0;
    while ((pos = m_text.indexOf(u'<', pos)) >= 0) {
        const QStringView rest = m_text.sliced(pos);
        if (rest.startsWith(u"<!--"))
            pos = after(u"-->", pos + 4, m_text.size());
        else if (rest.size() > 1 && rest[1].isLetter())
            pos = scanTag(pos);
        else if (rest.size() > 1 && QStringView(u"/!?").contains(rest[1]))
            pos = after(u">", pos + 1,
                        m_text.size()); // an end tag, a declaration or an instruction
        else
            ++pos; // a "<" in running text
    }
}

} // namespace

QStringView LegacyPropertyName(int index)
{
    return PropertyNames[index];
}

QList<LegacyDeclaration> FindLegacyDeclarations(QStringView text, LegacySource source)
{
    Scanner scanner(text);
    if (source == LegacySource::Css)
        scanner.scanCss(0, text.size());
    else
        scanner.scanHtml();
    return scanner.found;
}
