#include "LegacyDeclarations.h"

#include "LegacyConditions.h"
#include "scheme/ElementTable.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// By element index; the base colour last.
constexpr QStringView PropertyNames[EntryCount] = {
    u"scrollbar-face-color",    u"scrollbar-arrow-color",  u"scrollbar-highlight-color",
    u"scrollbar-3dlight-color", u"scrollbar-shadow-color", u"scrollbar-darkshadow-color",
    u"scrollbar-track-color",   u"scrollbar-base-color",
};

constexpr QStringView PageTypes[] = {u"html", u"body"};

// A conditional comment's "[if" and "]>" lie within this many bytes of its "<".
constexpr qsizetype ConditionLimit = 512;

// Longer selectors and names are cut in the report.
constexpr qsizetype WhereLimit = 60;

// The most bytes a cut text takes from the page: WhereLimit characters of four bytes.
constexpr qsizetype WhereBytes = 4 * WhereLimit;

QString cut(const QString &text)
{
    return text.size() > WhereLimit ? text.left(WhereLimit) + u"…"_s : text;
}

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

// A value without "!important" after it, and whether it had one. It goes on one line of the
// report: any run of whitespace, line breaks too, becomes one space.
QString withoutImportant(QStringView value, bool &important)
{
    const qsizetype bang = value.lastIndexOf(u'!');
    important = bang >= 0
        && value.sliced(bang + 1).trimmed().compare(u"important", Qt::CaseInsensitive) == 0;
    if (important)
        value = value.first(bang);
    return value.toString().simplified();
}

// Whether a name is one of the form scrollbar-*-color, as the legacy colours are.
bool looksLegacy(QStringView name)
{
    return name.size() > 16 && name.startsWith(u"scrollbar-", Qt::CaseInsensitive)
        && name.endsWith(u"-color", Qt::CaseInsensitive);
}

bool isTypeStart(QChar c)
{
    return c.isLetter() || c == u'_' || c.unicode() >= 128;
}

// The position after the bracket that closes the one at `open`, or the end.
qsizetype pastClosing(QStringView text, qsizetype open)
{
    const QChar opening = text[open];
    const QChar closing = opening == u'(' ? u')' : u']';
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text[i] == u'\\')
            ++i;
        else if (text[i] == opening)
            ++depth;
        else if (text[i] == closing && --depth == 0)
            return i + 1;
    }
    return text.size();
}

// A selector's specificity, ids, classes and types a byte each. The arguments of :not(), :is()
// and :has() count as if they stood outside; those of :where() and :nth-child() do not.
quint32 specificity(QStringView selector)
{
    int counts[3] = {};
    qsizetype i = 0;
    while (i < selector.size()) {
        const QChar c = selector[i];
        const QChar before = i > 0 ? selector[i - 1] : u' ';
        ++i;
        if (c == u'\\') {
            ++i;
        } else if (c == u'#') {
            ++counts[0];
        } else if (c == u'.') {
            ++counts[1];
        } else if (c == u'[') {
            ++counts[1];
            i = pastClosing(selector, i - 1);
        } else if (c == u':') {
            const bool element = i < selector.size() && selector[i] == u':';
            qsizetype nameEnd = element ? i + 1 : i;
            while (nameEnd < selector.size()
                   && (selector[nameEnd].isLetterOrNumber() || selector[nameEnd] == u'-'))
                ++nameEnd;
            const QStringView name = selector.sliced(i, nameEnd - i);
            const bool opens = nameEnd < selector.size() && selector[nameEnd] == u'(';
            static constexpr QStringView Transparent[] = {u"not", u"is", u"has", u"matches"};
            static constexpr QStringView OldElements[]
                = {u"before", u"after", u"first-line", u"first-letter"};
            const auto named = [&](QStringView candidate) {
                return name.compare(candidate, Qt::CaseInsensitive) == 0;
            };
            const bool transparent
                = opens && std::any_of(Transparent, std::end(Transparent), named);
            if (element || std::any_of(OldElements, std::end(OldElements), named))
                ++counts[2];
            else if (!named(u"where"))
                counts[1] += transparent ? 0 : 1;
            i = opens && !transparent ? pastClosing(selector, nameEnd) : nameEnd;
        } else if (isTypeStart(c) && QStringView(u" >+~(,").contains(before)) {
            ++counts[2];
        }
    }
    quint32 packed = 0;
    for (int count : counts)
        packed = packed << 8 | quint32(std::min(count, 255));
    return packed;
}

// Whether a single selector's subject, its last compound selector, is html, body or :root,
// or a universal selector alone, which the root matches too.
bool isPageSelector(QStringView selector)
{
    qsizetype start = selector.size();
    while (start > 0 && !isSpace(selector[start - 1].unicode()) && selector[start - 1] != u'>'
           && selector[start - 1] != u'+' && selector[start - 1] != u'~')
        --start;
    const QStringView subject = selector.sliced(start);
    if (subject.startsWith(u":root", Qt::CaseInsensitive)
        || (start == 0 && subject.startsWith(u'*')))
        return true;
    for (QStringView type : PageTypes) {
        if (subject.startsWith(type, Qt::CaseInsensitive)
            && (subject.size() == type.size()
                || QStringView(u".#[:").contains(subject[type.size()])))
            return true;
    }
    return false;
}

// The highest specificity of the selectors in a list that are for the page, or nothing.
std::optional<quint32> pageSpecificity(QStringView selectors)
{
    std::optional<quint32> highest;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= selectors.size(); ++i) {
        const QChar c = i < selectors.size() ? selectors[i] : QChar(u',');
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        else if (c == u',' && depth == 0) {
            const QStringView selector = selectors.sliced(start, i - start).trimmed();
            if (isPageSelector(selector))
                highest = std::max(highest.value_or(0), specificity(selector));
            start = i + 1;
        }
    }
    return highest;
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

// The @media and @supports groups around the rules being read: the media list of the
// outermost one that a screen does not take, if any.
class GroupNesting
{
public:
    explicit GroupNesting(const QString &outerMedia) { open(outerMedia, true, false); }
    // `bevelSkips`: an @supports group that engines with ::-webkit-scrollbar rules skip.
    void open(const QString &media, bool isMedia, bool bevelSkips)
    {
        m_aside.push_back(!aside().isEmpty() || !isMedia || ScreenTakesMedia(media)
                              ? aside()
                              : cut(media.simplified()));
        m_withoutBevel.push_back(bevelSkips || withoutBevel());
    }
    // A stray "}" closes nothing: the outermost level stays.
    void close()
    {
        if (m_aside.size() > 1) {
            m_aside.pop_back();
            m_withoutBevel.pop_back();
        }
    }
    QString aside() const { return m_aside.empty() ? QString() : m_aside.back(); }
    bool withoutBevel() const { return !m_withoutBevel.empty() && m_withoutBevel.back(); }

private:
    std::vector<QString> m_aside; // by level, outside in
    std::vector<bool> m_withoutBevel;
};

class Scanner
{
public:
    explicit Scanner(QByteArrayView text, CheckedPage *check = nullptr)
        : m_text(text)
        , m_utf8(text.isValidUtf8())
        , m_lines(text)
        , m_check(check)
    {
    }

    void scanHtml();
    void scanCss(qsizetype pos, qsizetype end, const QString &media = {});
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
    void scanHtml(qsizetype pos, qsizetype end);
    struct Condition
    {
        QString text; // "if" and the expression
        bool taken = false;
        qsizetype contentStart = 0;
    };
    std::optional<Condition> conditionAt(qsizetype pos, qsizetype end) const;
    qsizetype scanConditional(qsizetype end, const Condition &condition);
    QString mediaOf(QByteArrayView prelude) const;
    void scanRule(qsizetype pos, qsizetype open, qsizetype close);
    // Where declarations stand, for all of them in a rule or an attribute.
    struct Context
    {
        QString where;
        bool forPage = false;
        bool styleAttribute = false;
        quint32 specificity = 0;
    };
    void scanDeclarations(qsizetype pos, qsizetype end, const Context &context);
    void scanDeclaration(qsizetype pos, qsizetype end, const Context &context);
    void keepDeclaration(qsizetype pos, qsizetype colon, qsizetype end);
    void keepLink(QByteArrayView rel, QByteArrayView href);

    // A piece of the page as text; pages that are not UTF-8 are taken as Latin-1.
    QString decoded(QByteArrayView bytes) const
    {
        return m_utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    }

    QByteArrayView m_text;
    bool m_utf8;
    LineCounter m_lines;
    CheckedPage *m_check; // when checking a page: what it says about scrollbars
    // Where the declarations being read stand: in a conditional comment, or in a group that
    // keeps them off screens.
    QString m_condition;
    QString m_media;
    bool m_withoutBevel = false;
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

// The media list of an @media prelude, after the keyword.
QString Scanner::mediaOf(QByteArrayView prelude) const
{
    return withoutComments(decoded(prelude.sliced(6)));
}

void Scanner::scanCss(qsizetype pos, qsizetype end, const QString &media)
{
    // Groups are followed by their braces, not read in one go: nesting costs no second pass.
    GroupNesting groups(media);
    while ((pos = skipBlanks(pos, end)) < end) {
        const qsizetype stop = findOutside(pos, end, "{;}");
        if (stop >= end)
            break;
        if (m_text[stop] != '{') { // a statement such as @import, or the end of a group
            if (m_text[stop] == '}')
                groups.close();
            pos = stop + 1;
            continue;
        }
        const QByteArrayView prelude = m_text.sliced(pos, stop - pos);
        if (prelude.startsWith('@')) {
            const bool isMedia = startsCaseless(prelude, "@media");
            // Today's frameworks put their rules in cascade layers.
            const bool layer = m_check
                && (startsCaseless(prelude, "@layer") || startsCaseless(prelude, "@container"));
            const bool supports = startsCaseless(prelude, "@supports");
            if (isMedia || layer || supports) {
                const bool withoutBevel
                    = supports && indexOfCaseless(prelude, "not selector(::-webkit-scrollbar") >= 0;
                groups.open(isMedia ? mediaOf(prelude) : QString(), isMedia, withoutBevel);
                pos = stop + 1;
            } else {
                pos = blockEnd(stop, end) + 1;
            }
            continue;
        }
        const qsizetype close = blockEnd(stop, end);
        m_media = groups.aside();
        m_withoutBevel = groups.withoutBevel();
        scanRule(pos, stop, close);
        pos = close + 1;
    }
    m_media.clear();
    m_withoutBevel = false;
}

void Scanner::scanRule(qsizetype pos, qsizetype open, qsizetype close)
{
    // A check reads the sizes in a ::-webkit-scrollbar rule too.
    const qsizetype from = m_check ? pos : open;
    if (indexOfCaseless(m_text.sliced(from, close - from), "scrollbar") < 0)
        return;
    const QString selectors = withoutComments(decoded(m_text.sliced(pos, open - pos))).simplified();
    if (m_check)
        m_check->rules.append({selectors, false, m_withoutBevel, {}});
    const std::optional<quint32> page = pageSpecificity(selectors);
    scanDeclarations(open + 1, close, {cut(selectors), page.has_value(), false, page.value_or(0)});
}

void Scanner::scanDeclarations(qsizetype pos, qsizetype end, const Context &context)
{
    while (pos < end) {
        const qsizetype stop = findOutside(pos, end, ";");
        scanDeclaration(pos, stop, context);
        pos = stop + 1;
    }
}

void Scanner::scanDeclaration(qsizetype pos, qsizetype end, const Context &context)
{
    const qsizetype colon = findOutside(pos, end, ":");
    if (colon >= end)
        return;
    if (m_check) {
        keepDeclaration(pos, colon, end);
        return;
    }
    const QByteArrayView name = m_text.sliced(pos, colon - pos);
    const qsizetype nameAt = indexOfCaseless(name, "scrollbar");
    if (nameAt < 0)
        return;
    const QString plainName = withoutComments(decoded(name)).simplified();
    const int index = propertyIndex(plainName);
    if (index < 0 && !looksLegacy(plainName))
        return;
    LegacyDeclaration declaration;
    declaration.line = m_lines.lineAt(pos + nameAt);
    declaration.where = context.where;
    declaration.forPage = context.forPage;
    declaration.index = index;
    if (index == UnknownProperty)
        declaration.unknownName = cut(plainName);
    const QString value = withoutComments(decoded(m_text.sliced(colon + 1, end - colon - 1)));
    declaration.value = withoutImportant(value, declaration.important);
    declaration.styleAttribute = context.styleAttribute;
    declaration.specificity = context.specificity;
    declaration.condition = m_condition;
    declaration.media = m_media;
    found.append(declaration);
}

void Scanner::keepDeclaration(qsizetype pos, qsizetype colon, qsizetype end)
{
    CheckedDeclaration declaration;
    declaration.offset = skipBlanks(pos, colon);
    declaration.name = withoutComments(decoded(m_text.sliced(pos, colon - pos))).simplified();
    const QString value = withoutComments(decoded(m_text.sliced(colon + 1, end - colon - 1)));
    declaration.value = withoutImportant(value, declaration.important);
    m_check->rules.last().declarations.append(declaration);
}

void Scanner::keepLink(QByteArrayView rel, QByteArrayView href)
{
    const QList<QByteArray> types = rel.toByteArray().toLower().simplified().split(' ');
    if (types.contains("stylesheet") && !types.contains("alternate") && !href.trimmed().isEmpty())
        m_check->links.append({skipSpaces(href.data() - m_text.data()), decoded(href).trimmed()});
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
    // Made once, from the start of the name only: a tag may have many attributes.
    Context context{{}, pageElement, true, 0};
    Attribute attribute;
    const bool link = m_check && name.compare("link", Qt::CaseInsensitive) == 0;
    Attribute rel, href; // the first of each, as browsers take them
    QByteArrayView media;
    while ((p = skipSpaces(p)) < end && m_text[p] != '>') {
        if (m_text[p] == '/') {
            ++p;
            continue;
        }
        p = readAttribute(p, attribute);
        if (link && rel.name.isEmpty() && attribute.name.compare("rel", Qt::CaseInsensitive) == 0)
            rel = attribute;
        if (link && href.name.isEmpty() && attribute.name.compare("href", Qt::CaseInsensitive) == 0)
            href = attribute;
        if (attribute.name.compare("media", Qt::CaseInsensitive) == 0)
            media = attribute.value;
        if (attribute.name.compare("style", Qt::CaseInsensitive) == 0
            && indexOfCaseless(attribute.value, "scrollbar") >= 0) {
            const qsizetype valueAt = attribute.value.data() - m_text.data();
            if (context.where.isEmpty())
                context.where = cut(decoded(name.first(std::min(name.size(), WhereBytes))))
                    + u" style attribute"_s;
            if (m_check)
                m_check->rules.append(
                    {decoded(name.first(std::min(name.size(), WhereBytes))), true, false, {}});
            scanDeclarations(valueAt, valueAt + attribute.value.size(), context);
        }
    }
    if (link && !href.name.isEmpty())
        keepLink(rel.value, href.value);
    p = std::min(end, p + 1);
    const bool style = name.compare("style", Qt::CaseInsensitive) == 0;
    if (!style && name.compare("script", Qt::CaseInsensitive) != 0)
        return p;
    const qsizetype close = indexOfCaseless(m_text, style ? "</style" : "</script", p);
    if (style)
        scanCss(p, close < 0 ? end : close,
                decoded(media.first(std::min(media.size(), WhereBytes))));
    return close < 0 ? end : close;
}

// A conditional comment's opening at `pos`, "<!--[if expression]>" or "<![if expression]>",
// outside another one; they do not nest.
std::optional<Scanner::Condition> Scanner::conditionAt(qsizetype pos, qsizetype end) const
{
    const QByteArrayView rest = m_text.sliced(pos, std::min(end - pos, ConditionLimit));
    const qsizetype open = startsCaseless(rest, "<!--[if") ? 7
        : startsCaseless(rest, "<![if")                    ? 5
                                                           : -1;
    if (open < 0 || !m_condition.isEmpty() || open >= rest.size()
        || !(isSpace(rest[open]) || rest[open] == '!' || rest[open] == '('))
        return std::nullopt;
    const qsizetype close = rest.indexOf("]>", open);
    if (close < 0)
        return std::nullopt;
    const QByteArrayView expression = rest.sliced(open, close - open);
    return Condition{u"if "_s + cut(decoded(expression).simplified()), IeTakesCondition(expression),
                     pos + close + 2};
}

// The HTML up to "<![endif]" read when the browser takes the condition; returns the
// position after the closing.
qsizetype Scanner::scanConditional(qsizetype end, const Condition &condition)
{
    const qsizetype close = indexOfCaseless(m_text.first(end), "<![endif]", condition.contentStart);
    const qsizetype contentEnd = close < 0 ? end : close;
    if (condition.taken) {
        m_condition = condition.text;
        scanHtml(condition.contentStart, contentEnd);
        m_condition.clear();
    }
    return close < 0 ? end : after(">", close, end);
}

void Scanner::scanHtml()
{
    scanHtml(0, m_text.size());
}

void Scanner::scanHtml(qsizetype pos, qsizetype end)
{
    while ((pos = m_text.first(end).indexOf('<', pos)) >= 0) {
        const QByteArrayView rest = m_text.sliced(pos, end - pos);
        if (const std::optional<Condition> condition = conditionAt(pos, end))
            pos = scanConditional(end, *condition);
        else if (rest.startsWith("<!-->") || rest.startsWith("<!--->"))
            pos += rest[4] == '>' ? 5 : 6; // empty comments, as in <!--[if gt IE 8]><!-->
        else if (rest.startsWith("<!--"))
            pos = after("-->", pos + 4, end);
        else if (rest.size() > 1 && isLetter(rest[1]))
            pos = scanTag(pos);
        else if (rest.size() > 1 && QByteArrayView("/!?").contains(rest[1]))
            pos = after(">", pos + 1, end); // an end tag, <!DOCTYPE> or <?xml?>
        else
            ++pos; // a "<" in running text
        if (pos >= end)
            break;
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

CheckedPage FindCheckedRules(QByteArrayView text, LegacySource source)
{
    CheckedPage page;
    Scanner scanner(text, &page);
    if (source == LegacySource::Css)
        scanner.scanCss(0, text.size());
    else
        scanner.scanHtml();
    return page;
}
