#include "PageCheck.h"

#include "LegacyPageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// Longer selectors, names, values and addresses are cut in a finding.
constexpr qsizetype ShownLimit = 60;

QString shown(const QString &text)
{
    return text.size() > ShownLimit ? text.left(ShownLimit) + u"…"_s : text;
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c.unicode() >= 128;
}

bool isCombinator(QChar c)
{
    return c == u'>' || c == u'+' || c == u'~';
}

// How far a rule's selector reaches, narrowest first.
enum class Reach { Elsewhere, Scope, Root, Every };

// What a declaration does to Barwright's sheet.
enum class Trap { None, SwitchesOff, Hides, HidesInWebKit, Legacy };

// The items of a selector list, split at the commas outside brackets and strings.
QList<QStringView> selectorItems(QStringView selectors)
{
    QList<QStringView> items;
    int depth = 0;
    QChar quote;
    qsizetype start = 0;
    for (qsizetype i = 0; i < selectors.size(); ++i) {
        const QChar c = selectors[i];
        if (c == u'\\') {
            ++i;
        } else if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'(' || c == u'[') {
            ++depth;
        } else if ((c == u')' || c == u']') && depth > 0) {
            --depth;
        } else if (c == u',' && depth == 0) {
            items << selectors.sliced(start, i - start).trimmed();
            start = i + 1;
        }
    }
    items << selectors.sliced(std::min(start, selectors.size())).trimmed();
    return items;
}

// A selector with single spaces, and none around combinators, so that two ways of writing one
// compare equal.
QString normalized(QStringView selector)
{
    const QString text = selector.toString().simplified();
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool nearCombinator = text[i] == u' '
            && ((i > 0 && isCombinator(text[i - 1]))
                || (i + 1 < text.size() && isCombinator(text[i + 1])));
        if (!nearCombinator)
            plain += text[i];
    }
    return plain;
}

// Where an item's bare ::-webkit-scrollbar part starts (not -thumb or another part), or -1.
qsizetype scrollbarPart(QStringView item)
{
    constexpr QStringView Part = u"::-webkit-scrollbar";
    for (qsizetype at = item.indexOf(Part, 0, Qt::CaseInsensitive); at >= 0;
         at = item.indexOf(Part, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + Part.size();
        if (end == item.size() || !isNameChar(item[end]))
            return at;
    }
    return -1;
}

// The last compound selector of a selector: the elements it selects.
QStringView lastCompound(QStringView selector)
{
    int depth = 0;
    for (qsizetype i = selector.size(); i > 0; --i) {
        const QChar c = selector[i - 1];
        if (c == u')' || c == u']')
            ++depth;
        else if ((c == u'(' || c == u'[') && depth > 0)
            --depth;
        else if (depth == 0 && (c == u' ' || isCombinator(c)))
            return selector.sliced(i);
    }
    return selector;
}

bool startsWithRoot(QStringView compound)
{
    static constexpr QStringView Roots[] = {u"html", u"body", u":root"};
    return std::any_of(std::begin(Roots), std::end(Roots), [compound](QStringView root) {
        return compound.startsWith(root, Qt::CaseInsensitive)
            && (compound.size() == root.size() || !isNameChar(compound[root.size()]));
    });
}

// Whether a compound selector is for the root or body, also as frameworks write it inside
// :where() or :is(), one level deep.
bool isRootCompound(QStringView compound)
{
    static constexpr QStringView Wrappers[] = {u":where(", u":is("};
    for (const QStringView wrapper : Wrappers) {
        if (!compound.startsWith(wrapper, Qt::CaseInsensitive))
            continue;
        const QStringView inside = compound.sliced(wrapper.size());
        const qsizetype close = inside.lastIndexOf(u')');
        const QList<QStringView> items = selectorItems(close < 0 ? inside : inside.first(close));
        return std::any_of(items.begin(), items.end(),
                           [](QStringView item) { return startsWithRoot(lastCompound(item)); });
    }
    return startsWithRoot(compound);
}

Reach subjectReach(QStringView subject, const QStringList &scope)
{
    if (subject.isEmpty() || subject == u"*")
        return Reach::Every;
    if (isRootCompound(lastCompound(subject)))
        return Reach::Root;
    return scope.contains(normalized(subject)) ? Reach::Scope : Reach::Elsewhere;
}

struct RuleReach
{
    Reach any = Reach::Elsewhere; // of all its selectors
    bool scrollbarRule = false; // whether one of them is for ::-webkit-scrollbar
    Reach scrollbar = Reach::Elsewhere; // of those
};

RuleReach ruleReach(const CheckedRule &rule, const QStringList &scope)
{
    RuleReach reach;
    if (rule.styleAttribute) {
        reach.any = rule.selectors.compare(u"html"_s, Qt::CaseInsensitive) == 0
                || rule.selectors.compare(u"body"_s, Qt::CaseInsensitive) == 0
            ? Reach::Root
            : Reach::Elsewhere;
        return reach;
    }
    for (const QStringView item : selectorItems(rule.selectors)) {
        const qsizetype part = scrollbarPart(item);
        const qsizetype pseudoElement = item.indexOf(u"::");
        const QStringView subject
            = item.first(part >= 0 ? part : (pseudoElement >= 0 ? pseudoElement : item.size()));
        const Reach itemReach = subjectReach(subject.trimmed(), scope);
        reach.any = std::max(reach.any, itemReach);
        if (part >= 0) {
            reach.scrollbar
                = reach.scrollbarRule ? std::max(reach.scrollbar, itemReach) : itemReach;
            reach.scrollbarRule = true;
        }
    }
    return reach;
}

// Whether a length is zero: "0", "0px", "0.0em" and the like.
bool isZero(QStringView value)
{
    qsizetype end = value.size();
    while (end > 0 && (value[end - 1].isLetter() || value[end - 1] == u'%'))
        --end;
    bool digit = false;
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = value[i];
        if (c == u'0')
            digit = true;
        else if (c != u'.' && !(i == 0 && (c == u'+' || c == u'-')))
            return false;
    }
    return digit;
}

Trap trapOf(const CheckedDeclaration &declaration, bool scrollbarRule)
{
    const QString name = declaration.name.toLower();
    const QString value = declaration.value.toLower();
    if (name == u"scrollbar-color"_s || name == u"scrollbar-width"_s) {
        // The initial value, and the keywords that set no value of their own.
        static constexpr QStringView Harmless[]
            = {u"", u"auto", u"initial", u"inherit", u"unset", u"revert", u"revert-layer"};
        if (std::find(std::begin(Harmless), std::end(Harmless), value) != std::end(Harmless))
            return Trap::None;
        return name == u"scrollbar-width"_s && value == u"none"_s ? Trap::Hides : Trap::SwitchesOff;
    }
    if (name.size() > 16 && name.startsWith(u"scrollbar-"_s) && name.endsWith(u"-color"_s))
        return Trap::Legacy;
    const bool hides = (name == u"display"_s && value == u"none"_s)
        || ((name == u"width"_s || name == u"height"_s) && isZero(value));
    return scrollbarRule && hides ? Trap::HidesInWebKit : Trap::None;
}

QString ruleText(const CheckedRule &rule, const CheckedDeclaration &declaration)
{
    const QString text = shown(declaration.name) + u": "_s + shown(declaration.value)
        + (declaration.important ? u" !important"_s : QString());
    return rule.styleAttribute ? u'<' + shown(rule.selectors) + u" style='"_s + text + u"'>"_s
                               : shown(rule.selectors) + u" { "_s + text + u" }"_s;
}

QString reachText(Reach reach, bool inherited)
{
    switch (reach) {
    case Reach::Every: return u"reaches every element"_s;
    case Reach::Root:
        return inherited ? u"reaches the whole page by inheritance"_s
                         : u"reaches the page's own scrollbar"_s;
    case Reach::Scope: return u"reaches Barwright's scope"_s;
    case Reach::Elsewhere: break;
    }
    return u"does not reach the root"_s;
}

QString effectText(Trap trap, Reach reach)
{
    switch (trap) {
    case Trap::SwitchesOff:
        if (reach == Reach::Scope)
            return u"Chromium 121+ and Safari 26.2+ then drop its bevel unless Barwright's sheet "
                   "comes after it"_s;
        return reach == Reach::Elsewhere
            ? u"Chromium 121+ and Safari 26.2+ then drop the bevel where it applies"_s
            : u"Chromium 121+ and Safari 26.2+ then drop the bevel outside Barwright's scope"_s;
    case Trap::Hides: return u"it hides the scrollbar"_s;
    case Trap::HidesInWebKit: return u"it hides the scrollbar in Chromium and Safari"_s;
    case Trap::Legacy: return u"today's browsers ignore this legacy Internet Explorer color"_s;
    case Trap::None: break;
    }
    return {};
}

QString findingText(const CheckedRule &rule, const CheckedDeclaration &declaration, Trap trap,
                    Reach reach)
{
    // scrollbar-color is inherited, as the legacy colours were; scrollbar-width is not.
    const bool inherited = trap == Trap::Legacy
        || declaration.name.compare(u"scrollbar-color"_s, Qt::CaseInsensitive) == 0;
    return quoted(ruleText(rule, declaration)) + u' ' + reachText(reach, inherited) + u": "_s
        + effectText(trap, reach);
}

// Where a linked style sheet's address leads beside `page`, or nothing, and in `why` what keeps
// it from being read (nothing for an address of the page itself).
std::optional<QString> localPath(const QString &href, const QString &page, QString &why)
{
    const QUrl url(href);
    const QString scheme = url.scheme();
    QString path = url.path();
    if (scheme.compare(u"file"_s, Qt::CaseInsensitive) == 0) {
        path = url.toLocalFile();
    } else if (scheme.size() == 1) { // a drive letter
        path = href;
    } else if (!scheme.isEmpty() || !url.host().isEmpty()) {
        why = u"is remote, so it is not read"_s;
        return std::nullopt;
    } else if (path.startsWith(u'/')) {
        why = u"is relative to the site's root, so it is not read"_s;
        return std::nullopt;
    }
    if (path.isEmpty())
        return std::nullopt;
    return QDir::cleanPath(QDir(QFileInfo(page).path()).filePath(path));
}

// Lines and columns of offsets asked in document order, in one pass over the text in all.
class TextPositions
{
public:
    explicit TextPositions(QByteArrayView text)
        : m_text(text)
        , m_utf8(text.isValidUtf8())
    {
    }

    void moveTo(qsizetype offset)
    {
        for (; m_pos < offset && m_pos < m_text.size(); ++m_pos) {
            const char c = m_text[m_pos];
            if (c == '\n') {
                ++m_line;
                m_column = 1;
            } else if (!m_utf8 || (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++m_column; // the first byte of a character
            }
        }
    }
    int line() const { return m_line; }
    int column() const { return m_column; }

private:
    QByteArrayView m_text;
    bool m_utf8;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_column = 1;
};

std::optional<QByteArray> readText(const QString &path, QString &problem)
{
    problem = LegacyFileProblem(path);
    if (!problem.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return std::nullopt;
    }
    return ReadLegacyPageText(file, problem);
}

} // namespace

PageCheck::PageCheck(const QStringList &scope)
{
    for (const QString &item : scope)
        m_scope << normalized(item);
}

QList<PageFinding> PageCheck::checkText(QByteArrayView text, LegacySource source,
                                        const QString &file, QList<LinkedSheet> *linked) const
{
    const CheckedPage page = FindCheckedRules(text, source);
    struct Pending
    {
        qsizetype offset;
        PageFinding::Severity severity;
        QString message;
        std::optional<LinkedSheet> sheet;
    };
    QList<Pending> pending;
    for (const CheckedRule &rule : page.rules) {
        if (rule.declarations.isEmpty())
            continue;
        const RuleReach reach = ruleReach(rule, m_scope);
        for (const CheckedDeclaration &declaration : rule.declarations) {
            const Trap trap = trapOf(declaration, reach.scrollbarRule);
            if (trap == Trap::None || (rule.withoutBevel && trap == Trap::SwitchesOff))
                continue;
            const Reach where = trap == Trap::HidesInWebKit ? reach.scrollbar : reach.any;
            pending.append({declaration.offset, PageFinding::Warning,
                            findingText(rule, declaration, trap, where), std::nullopt});
        }
    }
    for (const StyleSheetLink &link : page.links) {
        QString why;
        if (const std::optional<QString> path = localPath(link.href, file, why))
            pending.append(
                {link.offset, PageFinding::Note, {}, LinkedSheet{link.href, *path, 0, 0}});
        else if (!why.isEmpty())
            pending.append({link.offset, PageFinding::Note, quoted(shown(link.href)) + u' ' + why,
                            std::nullopt});
    }
    std::stable_sort(pending.begin(), pending.end(),
                     [](const Pending &a, const Pending &b) { return a.offset < b.offset; });

    QList<PageFinding> findings;
    TextPositions positions(text);
    for (Pending &item : pending) {
        positions.moveTo(item.offset);
        if (!item.sheet) {
            findings.append(
                {item.severity, file, positions.line(), positions.column(), item.message});
        } else if (linked) {
            item.sheet->line = positions.line();
            item.sheet->column = positions.column();
            linked->append(*item.sheet);
        }
    }
    return findings;
}

QList<PageFinding> PageCheck::checkFile(const QString &path, LegacySource source)
{
    if (!firstTime(path))
        return {};
    QString problem;
    const std::optional<QByteArray> text = readText(path, problem);
    if (!text)
        return {{PageFinding::Error, path, 0, 0, problem}};
    return checkRead(*text, source, path);
}

QList<PageFinding> PageCheck::checkDevice(QIODevice &device, LegacySource source,
                                          const QString &name)
{
    QString problem;
    const std::optional<QByteArray> text = ReadLegacyPageText(device, problem);
    if (!text)
        return {{PageFinding::Error, name, 0, 0, problem}};
    return checkRead(*text, source, name);
}

QList<PageFinding> PageCheck::checkRead(const QByteArray &text, LegacySource source,
                                        const QString &name)
{
    QList<LinkedSheet> linked;
    QList<PageFinding> findings = checkText(text, source, name, &linked);
    for (const LinkedSheet &sheet : linked)
        findings += checkLinked(sheet, name);
    return findings;
}

QList<PageFinding> PageCheck::checkLinked(const LinkedSheet &sheet, const QString &page)
{
    if (!firstTime(sheet.path))
        return {};
    QString problem;
    const std::optional<QByteArray> text = readText(sheet.path, problem);
    if (!text)
        return {{PageFinding::Error, page, sheet.line, sheet.column,
                 quoted(shown(sheet.href)) + u" cannot be read: "_s + problem}};
    return checkText(*text, LegacySource::Css, sheet.path);
}

bool PageCheck::firstTime(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QString key = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    if (m_checked.contains(key))
        return false;
    m_checked.insert(key);
    return true;
}
