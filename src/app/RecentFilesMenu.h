#pragma once

#include <QMenu>

// File > Open Recent: the recent scheme files by name, newest first, each with its full path as
// its tip, and Clear Menu. Read afresh from the settings store each time it opens.
class RecentFilesMenu : public QMenu
{
    Q_OBJECT

public:
    explicit RecentFilesMenu(QWidget *parent);

    void refresh();

Q_SIGNALS:
    void fileChosen(const QString &path);
};
