#pragma once

#include "toolkit/PlatformServices.h"

// The desktop services as the program ships them: Qt's own dialogs and the desktop's
// handlers for documents and addresses.
class QtPlatformServices : public PlatformServices
{
public:
    int messageBox(QWidget *owner, const QString &text, int style, const QString &title) override;
    int chooseColor(QWidget *owner, int initialColor, bool expanded) override;
    QString openFileName(QWidget *owner, const QString &title, const QString &filter,
                         const QString &folder) override;
    QString saveFileName(QWidget *owner, const QString &title, const QString &filter,
                         const QString &folder, const QString &fileName,
                         const QString &defaultSuffix) override;
    void launch(QWidget *owner, const QString &target) override;
    void showHelp(QWidget *owner) override;
    void setClipboardText(const QString &text) override;
    QString programFolder() const override;
};
