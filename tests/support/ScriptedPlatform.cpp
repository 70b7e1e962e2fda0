#include "ScriptedPlatform.h"

#include "toolkit/MessageBox.h"

namespace {

template<typename T> T takeFirst(std::deque<T> &answers, T fallback)
{
    if (answers.empty())
        return fallback;
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

int firstButtonResult(int style)
{
    switch (style & 0xF) {
    case MessageBoxStyle::YesNoCancel:
    case MessageBoxStyle::YesNo: return MessageBoxResult::Yes;
    default: return MessageBoxResult::Ok;
    }
}

} // namespace

int ScriptedPlatform::messageBox(QWidget *owner, const QString &text, int style,
                                 const QString &title)
{
    const Message message{text, style, title, owner};
    messages << message;
    if (whileMessageShown)
        whileMessageShown(message);
    return takeFirst(messageAnswers, firstButtonResult(style));
}

int ScriptedPlatform::chooseColor(QWidget *, int initialColor, bool)
{
    colorRequests << initialColor;
    return takeFirst(colorAnswers, -1);
}

QString ScriptedPlatform::openFileName(QWidget *, const QString &title, const QString &filter,
                                       const QString &folder)
{
    fileDialogs << FileDialog{false, title, filter, folder, {}, {}};
    return takeFirst(fileAnswers, QString());
}

QString ScriptedPlatform::saveFileName(QWidget *, const QString &title, const QString &filter,
                                       const QString &folder, const QString &fileName,
                                       const QString &defaultSuffix)
{
    fileDialogs << FileDialog{true, title, filter, folder, fileName, defaultSuffix};
    return takeFirst(fileAnswers, QString());
}

void ScriptedPlatform::launch(QWidget *, const QString &target)
{
    launched << target;
}

void ScriptedPlatform::showHelp(QWidget *)
{
    ++helpRequests;
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    clipboard = text;
}

QStringList ScriptedPlatform::messageTitles() const
{
    QStringList titles;
    for (const Message &message : messages)
        titles << message.title;
    return titles;
}
