#include "ScrollbarDeclarations.h"

using namespace Qt::StringLiterals;

namespace {

// The at-rules whose blocks hold rules that apply under a condition or in a layer.
const QStringList ConditionRules{u"@media"_s,     u"@supports"_s, u"@layer"_s,
                                 u"@container"_s, u"@document"_s, u"@-moz-document"_s};

class Scanner
{
public:
    explicit Scanner(QStringView text)
        : m_text(text)
        , m_end(text.size())
    {
    }

    QList<ScrollbarDeclaration> run()
    {
        qsizetype p = 0;
        while ((p = skipBlanks(p)) < m_end) {
            const QChar c = m_text[p];
            if (c == u'}') {
                if (!m_conditions.isEmpty())
                    m_conditions.removeLast();
                ++p;
                continue;
            }
            const qsizetype stop = findOutside(p, m_end, u"{;}");
            if (stop >= m_end)
                break;
            if (m_text[stop] != u'{') {
                // A statement such as @import, or a stray selector: what follows goes on.
                p = m_text[stop] == u';' ? stop + 1 : stop;
                continue;
            }
            const QString prelude = cleaned(p, stop);
            if (c == u'@') {
                const QString name = prelude.section(u' ', 0, 0).section(u'(', 0, 0).toLower();
                if (ConditionRules.contains(name)) {
                    m_conditions << prelude;
                    p = stop + 1;
                } else {
                    p = blockEnd(stop) + 1;
                }
                continue;
            }
            const qsizetype close = blockEnd(stop);
            scanDeclarations(stop + 1, close, prelude);
            p = close + 1;
        }
        return m_found;
    }

private:
    bool at(qsizetype p, QStringView marker) const { return m_text.sliced(p).startsWith(marker); }

    qsizetype pastComment(qsizetype p) const
    {
        const qsizetype end = m_text.indexOf(u"*/"_s, p + 2);
        return end < 0 ? m_end : end + 2;
    }

    // Past a quoted string; an unquoted line end ends it, as in CSS.
    qsizetype pastString(qsizetype p) const
    {
        const QChar quote = m_text[p];
        for (++p; p < m_end && m_text[p] != quote && m_text[p] != u'\n'; ++p) {
            if (m_text[p] == u'\\')
                ++p;
        }
        return std::min(p + 1, m_end);
    }

    // Past a string or a comment that starts at p; p itself when none does.
    qsizetype pastStringOrComment(qsizetype p) const
    {
        if (m_text[p] == u'"' || m_text[p] == u'\'')
            return pastString(p);
        return at(p, u"/*") ? pastComment(p) : p;
    }

    qsizetype skipBlanks(qsizetype p) const
    {
        while (p < m_end) {
            if (m_text[p].isSpace())
                ++p;
            else if (at(p, u"/*"))
                p = pastComment(p);
            else if (at(p, u"<!--"))
                p += 4;
            else if (at(p, u"-->"))
                p += 3;
            else
                break;
        }
        return p;
    }

    // The first of `stops` from p on, outside comments, strings and brackets; m_end for none.
    qsizetype findOutside(qsizetype p, qsizetype end, QStringView stops) const
    {
        int brackets = 0;
        while (p < end) {
            const QChar c = m_text[p];
            if (const qsizetype past = pastStringOrComment(p); past != p) {
                p = past;
                continue;
            }
            if (c == u'(' || c == u'[')
                ++brackets;
            else if ((c == u')' || c == u']') && brackets > 0)
                --brackets;
            else if ((brackets == 0 || c == u'{' || c == u'}') && stops.contains(c))
                return p;
            ++p;
        }
        return m_end;
    }

    // The brace that closes the block opened at `open`, or m_end.
    qsizetype blockEnd(qsizetype open) const
    {
        int depth = 0;
        for (qsizetype p = open; p < m_end;) {
            const QChar c = m_text[p];
            if (const qsizetype past = pastStringOrComment(p); past != p) {
                p = past;
                continue;
            }
            if (c == u'{')
                ++depth;
            else if (c == u'}' && --depth == 0)
                return p;
            ++p;
        }
        return m_end;
    }

    // The text without comments, its blanks made one space.
    QString cleaned(qsizetype from, qsizetype to) const
    {
        QString text;
        bool blank = false;
        for (qsizetype p = from; p < to;) {
            if (at(p, u"/*")) {
                p = std::min(pastComment(p), to);
                blank = true;
                continue;
            }
            const qsizetype next
                = (m_text[p] == u'"' || m_text[p] == u'\'') ? std::min(pastString(p), to) : p + 1;
            if (next == p + 1 && m_text[p].isSpace()) {
                blank = true;
            } else {
                if (blank && !text.isEmpty())
                    text += u' ';
                blank = false;
                text += m_text.sliced(p, next - p);
            }
            p = next;
        }
        return text;
    }

    void scanDeclarations(qsizetype p, qsizetype end, const QString &selector)
    {
        const bool everything = selector.contains(u"::-webkit-scrollbar", Qt::CaseInsensitive);
        while ((p = skipBlanks(p)) < end) {
            const qsizetype stop = std::min(findOutside(p, end, u";{"), end);
            if (stop < end && m_text[stop] == u'{') {
                // A nested rule: passed over whole.
                p = blockEnd(stop) + 1;
                continue;
            }
            const qsizetype colon = findOutside(p, stop, u":");
            if (colon < stop) {
                const QString property = cleaned(p, colon).toLower();
                if (everything || property == u"scrollbar-color"_s
                    || property == u"scrollbar-width"_s || IsLegacyScrollbarProperty(property))
                    add(p, selector, property, cleaned(colon + 1, stop));
            }
            p = stop + 1;
        }
    }

    void add(qsizetype p, const QString &selector, const QString &property, QString value)
    {
        ScrollbarDeclaration declaration;
        for (; m_counted < p; ++m_counted) {
            if (m_text[m_counted] == u'\n') {
                ++m_line;
                m_lineStart = m_counted + 1;
            }
        }
        declaration.line = m_line;
        declaration.column = int(p - m_lineStart + 1);
        declaration.selector = selector;
        declaration.conditions = m_conditions;
        declaration.property = property;
        const qsizetype bang = value.lastIndexOf(u'!');
        if (bang >= 0
            && value.sliced(bang + 1).trimmed().compare(u"important"_s, Qt::CaseInsensitive) == 0) {
            declaration.important = true;
            value.truncate(bang);
        }
        declaration.value = value.trimmed();
        m_found << declaration;
    }

    QStringView m_text;
    qsizetype m_end;
    QStringList m_conditions;
    QList<ScrollbarDeclaration> m_found;
    qsizetype m_counted = 0;
    qsizetype m_lineStart = 0;
    int m_line = 1;
};

} // namespace

QList<ScrollbarDeclaration> FindScrollbarDeclarations(QStringView css)
{
    return Scanner(css).run();
}

bool IsLegacyScrollbarProperty(QStringView property)
{
    return property.size() > 16 && property.startsWith(u"scrollbar-", Qt::CaseInsensitive)
        && property.endsWith(u"-color", Qt::CaseInsensitive);
}
