#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

QString PathInFolder(const QString &folder, const QString &fileName)
{
    if (folder.endsWith(u'/') || folder.endsWith(QDir::separator()))
        return folder + fileName;
    return folder + QDir::separator() + fileName;
}

bool IsWritableFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    QTemporaryFile probe(PathInFolder(folder, QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

bool IsInstalledSoftwareFolder(const QString &folder)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(folder)
    return false;
#else
    const QString path = QFileInfo(folder).absoluteFilePath() + u'/';
    return path.startsWith(QStringLiteral("/usr/")) || path.startsWith(QStringLiteral("/opt/"));
#endif
}
