#include "PageAnalysis.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PageAnalysis", text);
}

// The custom properties that stand for the declarations in the probe, and whether each is
// inherited as the property it stands for.
struct ProbeName
{
    const char16_t *name;
    bool inherited;
};
enum Probe { PageColor, PageColorOwn, Color, PageWidth, Width, Hidden, Shown, ProbeCount };
const ProbeName ProbeNames[ProbeCount] = {
    {u"--barwright-page-color", true}, {u"--barwright-page-color-own", false},
    {u"--barwright-color", true},      {u"--barwright-page-width", false},
    {u"--barwright-width", false},     {u"--barwright-hidden", false},
    {u"--barwright-shown", false},
};

const QString WebkitScrollbar = u"::-webkit-scrollbar"_s;

bool isZeroSize(const QString &value)
{
    static const QRegularExpression zero(uR"(^[+-]?0*\.?0+([a-z]+|%)?$)"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    return zero.match(value).hasMatch();
}

bool isCssWideKeyword(const QString &value)
{
    static const QStringList keywords{u"inherit"_s, u"initial"_s, u"unset"_s, u"revert"_s,
                                      u"revert-layer"_s};
    return keywords.contains(value.toLower());
}

// The items of a selector list, split at its top-level commas.
QStringList selectorItems(const QString &selector)
{
    QStringList items;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < selector.size(); ++i) {
        const QChar c = selector[i];
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        else if (c == u',' && depth == 0) {
            items << selector.sliced(start, i - start).trimmed();
            start = i + 1;
        }
    }
    items << selector.sliced(start).trimmed();
    return items;
}

// The elements a rule reaches: for a scrollbar part, the elements whose part it is (only the
// ::-webkit-scrollbar part itself when `wholeBarOnly`); otherwise the items without a
// pseudo-element.
QString probeSelector(const QString &selector, bool webkit, bool wholeBarOnly)
{
    QStringList bases;
    for (const QString &item : selectorItems(selector)) {
        if (!webkit) {
            if (!item.contains(u"::"_s) && !item.isEmpty())
                bases << item;
            continue;
        }
        const qsizetype at = item.indexOf(WebkitScrollbar, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        const qsizetype after = at + WebkitScrollbar.size();
        if (wholeBarOnly && after < item.size()
            && (item[after].isLetterOrNumber() || item[after] == u'-'))
            continue;
        QString base = item.left(at);
        const bool descendant = base.endsWith(u' ');
        base = base.trimmed();
        if (base.isEmpty() || descendant || base.endsWith(u'>') || base.endsWith(u'+')
            || base.endsWith(u'~'))
            base += base.isEmpty() ? u"*"_s : u" *"_s;
        bases << base;
    }
    return bases.join(u", "_s);
}

PageFinding newFinding(PageFinding::Kind kind, int element, const QString &path)
{
    PageFinding finding;
    finding.kind = kind;
    finding.element = element;
    finding.elementPath = path;
    return finding;
}

} // namespace

PageAnalysis::PageAnalysis(const QVariant &report, const QString &scope,
                               const QString &programSheet)
    : m_scope(scope)
{
    const QVariantMap map = report.toMap();
    m_address = map.value(u"address"_s).toString();
    m_pageText = map.value(u"page"_s).toString();
    m_quirks = map.value(u"quirks"_s).toBool();
    m_rootScrolls = map.value(u"rootScrolls"_s).toBool();
    m_scopeCount = map.value(u"scopeCount"_s, -1).toInt();
    const QVariantList elements = map.value(u"elements"_s).toList();
    for (const QVariant &item : elements) {
        const QVariantMap element = item.toMap();
        const int parent = element.value(u"parent"_s, -1).toInt();
        m_elements << Element{element.value(u"path"_s).toString(),
                              parent >= 0 && parent < m_elements.size() ? parent : -1,
                              element.value(u"root"_s).toBool(),
                              element.value(u"body"_s).toBool(),
                              element.value(u"scrolls"_s).toBool(),
                              element.value(u"inScope"_s, true).toBool()};
    }
    const QVariantList sources = map.value(u"sources"_s).toList();
    for (const QVariant &item : sources) {
        const QVariantMap source = item.toMap();
        m_sources << Source{source.value(u"address"_s).toString(),
                            source.value(u"text"_s).toString(), source.value(u"line"_s).toInt(),
                            source.value(u"column"_s).toInt(),
                            source.value(u"read"_s, true).toBool()};
        addDeclarations(m_sources.last().text, int(m_sources.size() - 1));
    }
    addDeclarations(programSheet, -1);
}

void PageAnalysis::addDeclarations(const QString &css, int source)
{
    for (const ScrollbarDeclaration &found : FindScrollbarDeclarations(css)) {
        Declaration declaration{found, source};
        const bool webkit = found.selector.contains(WebkitScrollbar, Qt::CaseInsensitive);
        bool wholeBar = false;
        if (webkit) {
            const bool hides = (found.property == u"display"_s
                                && found.value.compare(u"none"_s, Qt::CaseInsensitive) == 0)
                || ((found.property == u"width"_s || found.property == u"height"_s)
                    && isZeroSize(found.value));
            declaration.role = hides && source >= 0 ? Role::Hide : Role::Other;
            wholeBar = hides || (found.property == u"width"_s || found.property == u"height"_s);
        } else if (found.property == u"scrollbar-color"_s) {
            declaration.role = Role::Color;
        } else if (found.property == u"scrollbar-width"_s) {
            declaration.role = Role::Width;
        } else if (IsLegacyScrollbarProperty(found.property)) {
            declaration.role = Role::Legacy;
        }
        const QString selector = probeSelector(found.selector, webkit, wholeBar);
        if (!selector.isEmpty()) {
            declaration.selector = int(m_selectors.indexOf(selector));
            if (declaration.selector < 0) {
                declaration.selector = int(m_selectors.size());
                m_selectors << selector;
            }
        }
        m_declarations << declaration;
    }
}

QStringList PageAnalysis::probeNames()
{
    QStringList names;
    for (const ProbeName &probe : ProbeNames)
        names << QString::fromUtf16(probe.name);
    return names;
}

QString PageAnalysis::probeSheet() const
{
    QString css;
    for (const ProbeName &probe : ProbeNames) {
        if (!probe.inherited)
            css += u"@property %1 { syntax: '*'; inherits: false; }\n"_s.arg(
                QString::fromUtf16(probe.name));
    }
    for (int i = 0; i < m_declarations.size(); ++i) {
        const Declaration &declaration = m_declarations[i];
        if (declaration.selector < 0)
            continue;
        const bool ours = declaration.source < 0;
        const ScrollbarDeclaration &found = declaration.found;
        QList<int> names;
        switch (declaration.role) {
        case Role::Color:
            names = ours ? QList<int>{Color} : QList<int>{PageColor, PageColorOwn, Color};
            break;
        case Role::Width: names = ours ? QList<int>{Width} : QList<int>{PageWidth, Width}; break;
        case Role::Hide:
            names = found.property == u"display"_s ? QList<int>{Hidden} : QList<int>{Hidden, Shown};
            break;
        case Role::Other:
            if (ours && (found.property == u"width"_s || found.property == u"height"_s))
                names = {Shown};
            break;
        case Role::Legacy: break;
        }
        if (names.isEmpty())
            continue;
        const QString value = isCssWideKeyword(found.value) ? found.value : u"d%1"_s.arg(i);
        QString rule = m_selectors[declaration.selector] + u" {"_s;
        for (int name : names)
            rule += u' ' + QString::fromUtf16(ProbeNames[name].name) + u": "_s + value
                + (found.important ? u" !important;"_s : u";"_s);
        rule += u" }"_s;
        for (auto condition = found.conditions.crbegin(); condition != found.conditions.crend();
             ++condition)
            rule = *condition + u" { "_s + rule + u" }"_s;
        css += rule + u'\n';
    }
    return css;
}

const PageAnalysis::Declaration *PageAnalysis::winner(const QStringList &values, int name) const
{
    const QString value = values.value(name);
    bool ok = false;
    const int index = value.startsWith(u'd') ? value.mid(1).toInt(&ok) : -1;
    return ok && index >= 0 && index < m_declarations.size() ? &m_declarations[index] : nullptr;
}

QString PageAnalysis::ancestorWith(int element, int name, const QString &value,
                                     const QList<QStringList> &values) const
{
    for (int up = m_elements[element].parent; up >= 0; up = m_elements[up].parent) {
        if (values.value(up).value(name) == value)
            return m_elements[up].path;
    }
    return tr("an ancestor");
}

QString PageAnalysis::ruleText(const Declaration &declaration) const
{
    if (declaration.source < 0)
        return {};
    const ScrollbarDeclaration &found = declaration.found;
    const Source &source = m_sources[declaration.source];
    return u"%1:%2:%3: %4 { %5: %6%7 }"_s.arg(source.address)
        .arg(source.line + found.line)
        .arg(found.column + (found.line == 1 ? source.column : 0))
        .arg(found.selector, found.property, found.value,
             found.important ? u" !important"_s : QString());
}

void PageAnalysis::colorFinding(int element, const QList<QStringList> &values,
                                  QList<PageFinding> &findings) const
{
    const Declaration *page = winner(values[element], PageColor);
    const Element &shown = m_elements[element];
    if (!page || page->found.value.compare(u"auto"_s, Qt::CaseInsensitive) == 0
        || !(shown.root || shown.inScope))
        return;
    const bool own = winner(values[element], PageColorOwn) == page;
    const Declaration *last = winner(values[element], Color);
    PageFinding finding = newFinding(PageFinding::Kind::ScrollbarColor, element, shown.path);
    finding.what = own
        ? tr("scrollbar-color: %1 applies to it.").arg(page->found.value)
        : tr("scrollbar-color: %1 is inherited from %2.")
              .arg(page->found.value,
                   ancestorWith(element, PageColorOwn, values[element].value(PageColor), values));
    finding.rule = ruleText(*page);
    if (!last || last->source < 0)
        finding.advice = tr("Barwright's sheet resets it for its scope, so the scheme shows "
                            "here. Nothing to do.");
    else if (!shown.inScope)
        finding.advice = tr("The sheet's scope does not cover this element: Chromium 121+ and "
                            "Safari 26.2+ drop the scheme's bevel here. Widen the scope, or take "
                            "the declaration out of the page.");
    else
        finding.advice = tr("The page's rule outweighs Barwright's reset (it is !important or "
                            "more specific), so Chromium 121+ and Safari 26.2+ drop the scheme's "
                            "bevel here. Take the declaration out, or lower its weight.");
    findings << finding;
}

void PageAnalysis::widthFinding(int element, const QList<QStringList> &values,
                                  QList<PageFinding> &findings) const
{
    const Declaration *page = winner(values[element], PageWidth);
    const Element &shown = m_elements[element];
    if (!page || page->found.value.compare(u"auto"_s, Qt::CaseInsensitive) == 0)
        return;
    const Declaration *last = winner(values[element], Width);
    const bool reset = !last || last->source < 0;
    PageFinding finding = newFinding(PageFinding::Kind::ScrollbarWidth, element, shown.path);
    finding.rule = ruleText(*page);
    if (page->found.value.compare(u"none"_s, Qt::CaseInsensitive) == 0) {
        finding.kind = PageFinding::Kind::Hidden;
        finding.what = tr("Hidden on purpose with scrollbar-width: none.");
        finding.advice = reset ? tr("Barwright's reset outweighs the page's rule and shows the "
                                    "scrollbar again: leave the element out of the scope, or "
                                    "make the page's rule more specific.")
                               : tr("Left alone: it stays hidden.");
    } else if (shown.root || shown.inScope) {
        finding.what = tr("scrollbar-width: %1 applies to it.").arg(page->found.value);
        finding.advice = reset
            ? tr("Barwright's sheet resets it for its scope, so the scheme shows here. Nothing "
                 "to do.")
            : tr("The page's rule outweighs Barwright's reset (it is !important or more "
                 "specific), so Chromium 121+ and Safari 26.2+ drop the scheme's bevel here. "
                 "Take the declaration out, or lower its weight.");
    } else {
        return;
    }
    findings << finding;
}

void PageAnalysis::hiddenFinding(int element, const QList<QStringList> &values,
                                   QList<PageFinding> &findings) const
{
    const Declaration *page = winner(values[element], Hidden);
    if (!page)
        return;
    PageFinding finding = newFinding(PageFinding::Kind::Hidden, element, m_elements[element].path);
    finding.rule = ruleText(*page);
    if (page->found.property == u"display"_s) {
        finding.what = tr("Hidden on purpose with ::-webkit-scrollbar { display: none }.");
        finding.advice = tr("Left alone: it stays hidden.");
    } else {
        const Declaration *shown = winner(values[element], Shown);
        finding.what = tr("Hidden on purpose with a scrollbar of no size.");
        finding.advice = !shown || shown->source < 0
            ? tr("Barwright's sheet gives the scrollbar its width again: leave the element out "
                 "of the scope, or make the page's rule more specific.")
            : tr("Left alone: it stays hidden.");
    }
    findings << finding;
}

void PageAnalysis::ruleFindings(const QList<QList<int>> &matches,
                                  QList<PageFinding> &findings) const
{
    int root = -1;
    int body = -1;
    for (int i = 0; i < m_elements.size(); ++i) {
        if (m_elements[i].root)
            root = i;
        if (m_elements[i].body)
            body = i;
    }
    QStringList bodyRules;
    for (const Declaration &declaration : m_declarations) {
        if (declaration.source < 0)
            continue;
        const QList<int> reached = matches.value(declaration.selector);
        if (declaration.role == Role::Legacy) {
            const int element = reached.isEmpty() ? -1 : reached.first();
            PageFinding finding
                = newFinding(PageFinding::Kind::Legacy, element,
                             element < 0 ? declaration.found.selector : m_elements[element].path);
            finding.what = tr("%1: %2 is a legacy color that today's browsers ignore.")
                               .arg(declaration.found.property, declaration.found.value);
            finding.rule = ruleText(declaration);
            finding.advice = tr("Import from This Page takes the page's legacy colors into the "
                                "scheme; after that the declaration can go.");
            findings << finding;
        }
        // One finding for each rule on the body alone, when the root element scrolls.
        const QString ruleKey = QString::number(declaration.source) + u'\n'
            + declaration.found.selector + u'\n' + declaration.found.conditions.join(u'\n');
        if (m_rootScrolls && !m_quirks && body >= 0 && reached.contains(body)
            && !reached.contains(root) && !bodyRules.contains(ruleKey)) {
            bodyRules << ruleKey;
            PageFinding finding
                = newFinding(PageFinding::Kind::BodyRule, body, m_elements[body].path);
            finding.what = tr("A scrollbar rule on body, while the page scrolls on its root "
                              "element.");
            finding.rule = ruleText(declaration);
            finding.advice = tr("Rules on body do not reach the page's own scrollbar: put them on "
                                "html or :root, or leave them out.");
            findings << finding;
        }
    }
}

QList<PageFinding> PageAnalysis::findings(const QVariant &probe) const
{
    const QVariantMap map = probe.toMap();
    QList<QStringList> values;
    const QVariantList valueRows = map.value(u"values"_s).toList();
    for (const QVariant &row : valueRows)
        values << row.toStringList();
    QList<QList<int>> matches;
    const QVariantList matchRows = map.value(u"matches"_s).toList();
    for (const QVariant &row : matchRows) {
        QList<int> elements;
        for (const QVariant &index : row.toList()) {
            const int element = index.toInt();
            if (element >= 0 && element < m_elements.size())
                elements << element;
        }
        matches << elements;
    }
    while (values.size() < m_elements.size())
        values << QStringList();

    QList<PageFinding> findings;
    if (m_scopeCount == 0) {
        PageFinding finding = newFinding(PageFinding::Kind::UnmatchedScope, -1, m_scope);
        finding.what = tr("The scope \"%1\" matches no element on this page.").arg(m_scope);
        finding.advice = tr("Correct the scope in the code window (Generate Code), or choose "
                            "Whole page there.");
        findings << finding;
    }
    for (int i = 0; i < m_elements.size(); ++i) {
        if (!m_elements[i].root && !m_elements[i].scrolls)
            continue;
        colorFinding(i, values, findings);
        widthFinding(i, values, findings);
        hiddenFinding(i, values, findings);
    }
    ruleFindings(matches, findings);
    return findings;
}

bool PageAnalysis::hasLegacyColors() const
{
    return std::any_of(m_declarations.begin(), m_declarations.end(),
                       [](const Declaration &declaration) {
                           return declaration.source >= 0 && declaration.role == Role::Legacy;
                       });
}

LegacyColorImport PageAnalysis::legacyColors() const
{
    const LegacyColorImport page = ImportLegacyColors(m_pageText.toUtf8(), LegacySource::Html);
    if (page.found)
        return page;
    for (const Source &source : m_sources) {
        if (source.address == m_address)
            continue;
        const LegacyColorImport sheet = ImportLegacyColors(source.text.toUtf8(), LegacySource::Css);
        if (sheet.found)
            return sheet;
    }
    return page;
}
