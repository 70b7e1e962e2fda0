#pragma once

#include <QString>

class QWidget;

// The desktop services the windows call on. The program ships QtPlatformServices; tests put a
// scripted double in its place to answer every modal question and record what was asked.
class PlatformServices
{
public:
    virtual ~PlatformServices() = default;

    // Returns a MessageBoxResult code. A Help button (MessageBoxStyle::HelpButton) opens help.
    virtual int messageBox(QWidget *owner, const QString &text, int style, const QString &title)
        = 0;

    // Returns the chosen colour number, or -1 when the user cancels.
    virtual int chooseColor(QWidget *owner, int initialColor, bool expanded) = 0;

    // The filter is "description|pattern" pairs. Each returns the chosen full path, or an
    // empty text when the user cancels.
    virtual QString openFileName(QWidget *owner, const QString &title, const QString &filter,
                                 const QString &folder)
        = 0;
    virtual QString saveFileName(QWidget *owner, const QString &title, const QString &filter,
                                 const QString &folder, const QString &fileName,
                                 const QString &defaultSuffix)
        = 0;

    // Opens a document, a web address or a "mailto:" link with the desktop.
    virtual void launch(QWidget *owner, const QString &target) = 0;
    virtual void showHelp(QWidget *owner) = 0;
    virtual void setClipboardText(const QString &text) = 0;

    // The folder that holds the program and the files installed beside it.
    virtual QString programFolder() const = 0;
};
