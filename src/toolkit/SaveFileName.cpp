#include "SaveFileName.h"

#include "Blanks.h"
#include "MessageBox.h"
#include "PlatformServices.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString withExtension(const QString &path, const QString &extension)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(u'.') ? path + extension : path + u'.' + extension;
}

bool mayReplace(PlatformServices &platform, QWidget *owner, const QString &title,
                const QString &path)
{
    const QString question = QCoreApplication::translate(
        "SaveFileName", "%1 already exists.\r\nDo you want to replace it?");
    return platform.messageBox(owner, question.arg(QFileInfo(path).fileName()),
                               MessageBoxStyle::YesNo | MessageBoxStyle::Exclamation, title)
        == MessageBoxResult::Yes;
}

} // namespace

QString ChooseSaveFileName(PlatformServices &platform, QWidget *owner, const QString &title,
                           const QString &filter, const QString &folder, const QString &fileName,
                           const QString &extension)
{
    QString startFolder = folder;
    QString startName = fileName;
    for (;;) {
        const QString chosen = TrimBlanks(
            platform.saveFileName(owner, title, filter, startFolder, startName, extension));
        if (chosen.isEmpty())
            return {};
        // The dialog asked about the name it returned, not about one the extension makes.
        const QString path = withExtension(chosen, extension);
        if (path == chosen || !QFileInfo::exists(path) || mayReplace(platform, owner, title, path))
            return path;
        startFolder = QFileInfo(path).absolutePath();
        startName = QFileInfo(path).fileName();
    }
}
