#pragma once

#include "toolkit/PlatformServices.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

// Answers every question a window asks the desktop from a script, and records what was asked.
// Nothing modal is ever shown.
class ScriptedPlatform : public PlatformServices
{
public:
    struct Message
    {
        QString text;
        int style = 0;
        QString title;
        QWidget *owner = nullptr;
    };
    struct FileDialog
    {
        bool save = false;
        QString title;
        QString filter;
        QString folder;
        QString fileName;
        QString defaultSuffix;
    };

    // Answers, taken in order. Without one, a message box answers its first button's result,
    // a colour dialog and a file dialog are cancelled.
    std::deque<int> messageAnswers;
    std::deque<int> colorAnswers;
    std::deque<QString> fileAnswers;
    // Runs while a message box would be up, before it is answered.
    std::function<void(const Message &)> whileMessageShown;

    QList<Message> messages;
    QList<int> colorRequests; // the initial colours
    QList<FileDialog> fileDialogs;
    QStringList launched;
    int helpRequests = 0;
    QString clipboard;
    QString programDir;

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
    QString programFolder() const override { return programDir; }

    QStringList messageTitles() const;
};
