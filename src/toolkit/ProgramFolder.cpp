#include "ProgramFolder.h"

#include <QDir>

QString PathInFolder(const QString &folder, const QString &fileName)
{
    if (folder.endsWith(u'/') || folder.endsWith(QDir::separator()))
        return folder + fileName;
    return folder + QDir::separator() + fileName;
}
