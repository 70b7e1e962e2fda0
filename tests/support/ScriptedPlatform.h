#pragma once

#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"

#include <QStringList>

#include <deque>

// Answers every question a window asks the desktop from a script, and records what was asked.
// Nothing modal is ever shown.
class ScriptedPlatform : public PlatformServices
{
public:
    struct Message
    {
        QString text;
        QString title;
        QWidget *owner = nullptr;
    };
    struct FileDialog
    {
        bool save = false;
        QString folder;
        QString fileName;
    };

    // Answers, taken in order. Without one, a message box answers its first button's result,
    // a colour dialog and a file dialog are cancelled.
    std::deque<int> messageAnswers;
    std::deque<int> colorAnswers;
    std::deque<QString> fileAnswers;

    QList<Message> messages;
    QList<int> colorRequests; // the initial colours
    QList<FileDialog> fileDialogs;
    QStringList launched;
    int helpRequests = 0;
    QString clipboard;
    QString programDir;

    int messageBox(QWidget *owner, const QString &text, int style, const QString &title) override
    {
        messages << Message{text, title, owner};
        const int buttons = style & 0xF;
        const bool yes
            = buttons == MessageBoxStyle::YesNoCancel || buttons == MessageBoxStyle::YesNo;
        return take(messageAnswers, yes ? int(MessageBoxResult::Yes) : int(MessageBoxResult::Ok));
    }
    int chooseColor(QWidget *, int initialColor, bool) override
    {
        colorRequests << initialColor;
        return take(colorAnswers, -1);
    }
    QString openFileName(QWidget *, const QString &, const QString &,
                         const QString &folder) override
    {
        fileDialogs << FileDialog{false, folder, {}};
        return take(fileAnswers, QString());
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &folder,
                         const QString &fileName, const QString &) override
    {
        fileDialogs << FileDialog{true, folder, fileName};
        return take(fileAnswers, QString());
    }
    void launch(QWidget *, const QString &target) override { launched << target; }
    void showHelp(QWidget *) override { ++helpRequests; }
    void setClipboardText(const QString &text) override { clipboard = text; }
    QString programFolder() const override { return programDir; }

    QStringList messageTitles() const
    {
        QStringList titles;
        for (const Message &message : messages)
            titles << message.title;
        return titles;
    }

private:
    template<typename T> static T take(std::deque<T> &answers, T fallback)
    {
        if (answers.empty())
            return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
