#include "RecentFilesMenu.h"

#include "storage/RecentFiles.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

RecentFilesMenu::RecentFilesMenu(QWidget *parent)
    : QMenu(tr("Open &Recent"), parent)
{
    setObjectName(u"mnuFileRecent"_s);
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::refresh);
    refresh();
}

void RecentFilesMenu::refresh()
{
    clear();
    const QStringList files = RecentFiles::files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString &path = files[i];
        QString name = QFileInfo(path).fileName();
        QAction *entry = addAction(u"&%1 %2"_s.arg(i + 1).arg(name.replace(u'&', u"&&"_s)));
        entry->setObjectName(u"mnuFileRecent%1"_s.arg(i));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT fileChosen(path); });
    }
    addSeparator();
    QAction *clearMenu = addAction(tr("&Clear Menu"));
    clearMenu->setObjectName(u"mnuFileRecentClear"_s);
    clearMenu->setEnabled(!files.isEmpty());
    // The menu shows the change the next time it opens.
    connect(clearMenu, &QAction::triggered, this, &RecentFiles::clear);
}
