#include "IniText.h"

#include <cstring>

namespace IniText {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && (isBlank(text.back()) || text.back() == '\r'))
        text.chop(1);
    return text;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

enum class Kind { Other, Section, Key };

// One line, without its line end.
struct Line
{
    QByteArrayView text;
    Kind kind = Kind::Other;
    QByteArrayView name; // of the section or key
    QByteArrayView value;
};

Line parse(QByteArrayView raw)
{
    Line line;
    line.text = raw;
    const QByteArrayView content = trimmed(raw);
    if (content.startsWith('[')) {
        const qsizetype close = content.indexOf(']');
        line.kind = Kind::Section;
        line.name = trimmed(content.sliced(1, (close < 0 ? content.size() : close) - 1));
        return line;
    }
    const qsizetype equals = content.indexOf('=');
    if (equals < 0)
        return line;
    line.kind = Kind::Key;
    line.name = trimmed(content.first(equals));
    QByteArrayView value = trimmed(content.sliced(equals + 1));
    // A value in quotes is read without them.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    line.value = value;
    return line;
}

// Walks the lines of a text; fast on large texts, where most lines are skipped.
class Lines
{
public:
    explicit Lines(QByteArrayView text)
        : m_text(text)
    {
    }

    bool next(QByteArrayView &line)
    {
        if (m_pos >= m_text.size())
            return false;
        const char *start = m_text.data() + m_pos;
        const auto *end
            = static_cast<const char *>(std::memchr(start, '\n', size_t(m_text.size() - m_pos)));
        const qsizetype length = end ? end - start : m_text.size() - m_pos;
        line = QByteArrayView(start, length);
        m_pos += length + 1;
        return true;
    }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
};

// A text split into lines, for the writers.
QList<QByteArrayView> splitLines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    Lines walker(text);
    QByteArrayView line;
    while (walker.next(line))
        lines.append(line);
    return lines;
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    return text;
}

QList<QByteArray> owned(const QList<QByteArrayView> &lines)
{
    QList<QByteArray> copies;
    copies.reserve(lines.size());
    for (QByteArrayView line : lines) {
        QByteArrayView text = line;
        if (text.endsWith('\r'))
            text.chop(1);
        copies.append(text.toByteArray());
    }
    return copies;
}

// Where a section's lines lie: its header line, and one past its last line.
struct Span
{
    qsizetype header = -1;
    qsizetype end = -1;
};

Span findSection(const QList<QByteArrayView> &lines, QByteArrayView section)
{
    Span span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = parse(lines[i]);
        if (line.kind != Kind::Section)
            continue;
        if (span.header >= 0)
            return {span.header, i};
        if (sameName(line.name, section))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

qsizetype findKey(const QList<QByteArrayView> &lines, Span span, QByteArrayView key)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const Line line = parse(lines[i]);
        if (line.kind == Kind::Key && sameName(line.name, key))
            return i;
    }
    return -1;
}

QByteArray keyLine(QByteArrayView key, QByteArrayView value)
{
    return key.toByteArray() + '=' + value.toByteArray();
}

// Shows each key line of the first section of that name to `visit`, until it returns false.
template<typename Visit> void forEachKey(QByteArrayView text, QByteArrayView section, Visit visit)
{
    Lines lines(text);
    QByteArrayView raw;
    bool inSection = false;
    while (lines.next(raw)) {
        const Line line = parse(raw);
        if (line.kind == Kind::Section) {
            if (inSection)
                return; // only the first matching section counts
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == Kind::Key && !visit(line)) {
            return;
        }
    }
}

} // namespace

std::optional<QByteArray> value(QByteArrayView text, QByteArrayView section, QByteArrayView key)
{
    std::optional<QByteArray> found;
    forEachKey(text, section, [&](const Line &line) {
        if (sameName(line.name, key))
            found = line.value.toByteArray();
        return !found;
    });
    return found;
}

QList<QByteArray> keyNames(QByteArrayView text, QByteArrayView section)
{
    QList<QByteArray> names;
    forEachKey(text, section, [&](const Line &line) {
        names.append(line.name.toByteArray());
        return true;
    });
    return names;
}

QByteArray withValue(QByteArrayView text, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value)
{
    const QList<QByteArrayView> views = splitLines(text);
    QList<QByteArray> lines = owned(views);
    const Span span = findSection(views, section);
    if (span.header < 0) {
        lines.append('[' + section.toByteArray() + ']');
        lines.append(keyLine(key, value));
        return joined(lines);
    }
    if (const qsizetype at = findKey(views, span, key); at >= 0) {
        lines[at] = keyLine(parse(views[at]).name, value);
        return joined(lines);
    }
    // After the section's last line that is not blank.
    qsizetype insertAt = span.end;
    while (insertAt - 1 > span.header && trimmed(views[insertAt - 1]).isEmpty())
        --insertAt;
    lines.insert(insertAt, keyLine(key, value));
    return joined(lines);
}

QByteArray withoutKey(QByteArrayView text, QByteArrayView section, QByteArrayView key)
{
    const QList<QByteArrayView> views = splitLines(text);
    QList<QByteArray> lines = owned(views);
    const Span span = findSection(views, section);
    if (span.header >= 0) {
        if (const qsizetype at = findKey(views, span, key); at >= 0)
            lines.removeAt(at);
    }
    return joined(lines);
}

QByteArray withoutSection(QByteArrayView text, QByteArrayView section)
{
    const QList<QByteArrayView> views = splitLines(text);
    QList<QByteArray> lines = owned(views);
    const Span span = findSection(views, section);
    if (span.header >= 0)
        lines.remove(span.header, span.end - span.header);
    return joined(lines);
}

QByteArray withKeys(QByteArrayView text, QByteArrayView section, const QList<QByteArray> &keys)
{
    const QList<QByteArrayView> views = splitLines(text);
    const QList<QByteArray> lines = owned(views);
    const Span span = findSection(views, section);
    QList<QByteArray> result = span.header < 0 ? lines : lines.first(span.header + 1);
    if (span.header < 0)
        result.append('[' + section.toByteArray() + ']');
    for (const QByteArray &key : keys)
        result.append(keyLine(key, {}));
    if (span.header >= 0) {
        // The section's lines that are no keys stay.
        for (qsizetype i = span.header + 1; i < span.end; ++i) {
            if (parse(views[i]).kind != Kind::Key)
                result.append(lines[i]);
        }
        result.append(lines.sliced(span.end));
    }
    return joined(result);
}

} // namespace IniText
