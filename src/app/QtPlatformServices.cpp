#include "QtPlatformServices.h"

#include "color/ColorDialog.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ProgramFolder.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// "description|pattern|description|pattern" as Qt's name filters.
QStringList nameFilters(const QString &filter)
{
    QStringList filters;
    const QStringList parts = filter.split(u'|', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        const QString &pattern = parts[i + 1];
        filters << (description.contains(u'(' + pattern + u')')
                        ? description
                        : description + u" ("_s + pattern + u')');
    }
    return filters;
}

QString runFileDialog(QFileDialog &dialog, const QString &filter)
{
    dialog.setNameFilters(nameFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

int QtPlatformServices::messageBox(QWidget *owner, const QString &text, int style,
                                   const QString &title)
{
    return ShowMessageBox(owner, text, style, title, [this, owner] { showHelp(owner); });
}

int QtPlatformServices::chooseColor(QWidget *owner, int initialColor, bool expanded)
{
    return ShowColorDialog(owner, initialColor, expanded);
}

QString QtPlatformServices::openFileName(QWidget *owner, const QString &title,
                                         const QString &filter, const QString &folder)
{
    QFileDialog dialog(owner, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, filter);
}

QString QtPlatformServices::saveFileName(QWidget *owner, const QString &title,
                                         const QString &filter, const QString &folder,
                                         const QString &fileName, const QString &defaultSuffix)
{
    QFileDialog dialog(owner, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    return runFileDialog(dialog, filter);
}

void QtPlatformServices::launch(QWidget *owner, const QString &target)
{
    Q_UNUSED(owner)
    const QUrl url = QDir::isAbsolutePath(target) ? QUrl::fromLocalFile(target)
                                                  : QUrl(target, QUrl::TolerantMode);
    QDesktopServices::openUrl(url);
}

void QtPlatformServices::showHelp(QWidget *owner)
{
    // A browser shown a missing file may say nothing at all; tell the user which file it is.
    const QString page = PathInFolder(programFolder(), u"brw.html"_s);
    if (!QFileInfo(page).isFile()) {
        const QString text = QCoreApplication::translate("QtPlatformServices",
                                                         "Could not find the help page \"%1\".");
        messageBox(owner, text.arg(QDir::toNativeSeparators(page)), MessageBoxStyle::Exclamation,
                   QCoreApplication::translate("QtPlatformServices", "Oops!"));
        return;
    }
    launch(owner, page);
}

void QtPlatformServices::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString QtPlatformServices::programFolder() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}
