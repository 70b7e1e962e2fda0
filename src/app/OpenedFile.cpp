#include "OpenedFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

OpenedFileKind OpenedFileKindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"brw"_s)
        return OpenedFileKind::Scheme;
    if (suffix == u"html"_s || suffix == u"htm"_s || suffix == u"css"_s)
        return OpenedFileKind::Page;
    return OpenedFileKind::Unknown;
}
