#pragma once

#include "legacy/LegacyColors.h"
#include "legacy/ScrollbarDeclarations.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One thing on a page that switches the scheme's scrollbars off, or hides scrollbars.
struct PageFinding
{
    enum class Kind { ScrollbarColor, ScrollbarWidth, Hidden, Legacy, UnmatchedScope, BodyRule };
    Kind kind = Kind::ScrollbarColor;
    int element = -1; // among the inspected elements; -1 for none
    QString elementPath; // a short selector path, or the scope for an unmatched one
    QString what;
    QString rule; // "address:line:column: selector { declaration }"; empty for none
    QString advice;
};

// What a page view's inspection reported, turned into the probe that asks the engine which
// rules win where, and then into findings. The page's own style sources are read here, since
// an engine drops from what it parses the properties it does not know; the engine then does
// the cascade and the inheritance, through custom properties that stand for the declarations.
class PageAnalysis
{
public:
    // `report` is what PageView::inspectPage handed on; `programSheet` the sheet the page gets,
    // whose resets take part in the probe.
    PageAnalysis(const QVariant &report, const QString &scope, const QString &programSheet);

    bool isValid() const { return !m_elements.isEmpty(); }
    QString address() const { return m_address; }

    QString probeSheet() const;
    static QStringList probeNames();
    QStringList probeSelectors() const { return m_selectors; }

    // From the probe's answer: `values` by element and probe name, `matches` by selector.
    QList<PageFinding> findings(const QVariant &probe) const;

    // The page's legacy colours, as Import from Page reads them: from the page itself, or else
    // from the first of its sheets that has them.
    LegacyColorImport legacyColors() const;
    bool hasLegacyColors() const;

private:
    enum class Role { Color, Width, Hide, Legacy, Other };
    struct Source
    {
        QString address;
        QString text;
        int line = 0; // where the text starts in its file, from 0
        int column = 0;
        bool read = true;
    };
    struct Element
    {
        QString path;
        int parent = -1;
        bool root = false;
        bool body = false;
        bool scrolls = false;
        bool inScope = true;
    };
    struct Declaration
    {
        ScrollbarDeclaration found;
        int source = -1; // -1 for the program's sheet
        Role role = Role::Other;
        int selector = -1; // in m_selectors
    };

    void addDeclarations(const QString &css, int source);
    QString ruleText(const Declaration &declaration) const;
    const Declaration *winner(const QStringList &values, int name) const;
    QString ancestorWith(int element, int name, const QString &value,
                         const QList<QStringList> &values) const;
    void colorFinding(int element, const QList<QStringList> &values,
                      QList<PageFinding> &findings) const;
    void widthFinding(int element, const QList<QStringList> &values,
                      QList<PageFinding> &findings) const;
    void hiddenFinding(int element, const QList<QStringList> &values,
                       QList<PageFinding> &findings) const;
    void ruleFindings(const QList<QList<int>> &matches, QList<PageFinding> &findings) const;

    QString m_address;
    QString m_scope;
    QString m_pageText;
    bool m_quirks = false;
    bool m_rootScrolls = false;
    int m_scopeCount = -1;
    QList<Source> m_sources;
    QList<Element> m_elements;
    QList<Declaration> m_declarations;
    QStringList m_selectors;
};
