#pragma once

#include "LegacyDeclarations.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// One line of a page check, told as compilers tell theirs.
struct PageFinding
{
    enum Severity { Warning, Note, Error };
    Severity severity = Warning;
    QString file;
    int line = 0; // 0, with the column, for a file that cannot be read at all
    int column = 0; // in characters, from 1
    QString message;
};

// A local style sheet that a page links, and where the page names it.
struct LinkedSheet
{
    QString href;
    QString path; // beside the page
    int line = 0;
    int column = 0;
};

// Checks pages and style sheets, without an engine, for what switches Barwright's sheet off or
// hides scrollbars: a scrollbar-color or scrollbar-width that is not auto, a ::-webkit-scrollbar
// rule with display: none or a zero size, and the legacy scrollbar colours. Each finding says
// whether its selector reaches the root (html, :root, body, *) or the scope of Barwright's sheet.
class PageCheck
{
public:
    // `scope`: the items of the sheet's scope selector list; none for the whole page.
    explicit PageCheck(const QStringList &scope = {});

    // The findings of a page or style sheet named `file`, in document order, with a note for
    // each remote style sheet it links. Its local ones, beside `file`, go to `linked`.
    QList<PageFinding> checkText(QByteArrayView text, LegacySource source, const QString &file,
                                 QList<LinkedSheet> *linked = nullptr) const;

    // Reads and checks a file, then the local style sheets a page links. A file is checked once,
    // however often it is named or linked.
    QList<PageFinding> checkFile(const QString &path, LegacySource source);
    // The same for a page read from a device, such as standard input, named `name`.
    QList<PageFinding> checkDevice(QIODevice &device, LegacySource source, const QString &name);

private:
    QList<PageFinding> checkRead(const QByteArray &text, LegacySource source, const QString &name);
    QList<PageFinding> checkLinked(const LinkedSheet &sheet, const QString &page);
    bool firstTime(const QString &path);

    QStringList m_scope;
    QSet<QString> m_checked;
};
