#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers a modal window that some command is about to open: once one that `matches` is the
// active modal window, `answer` runs on it, inside its event loop, and must close it; for windows
// that come one after another, schedule the next answer first. When none comes up in time or a
// check fails, every modal window still open is rejected, so the command returns.
inline void WhenModalMatches(std::function<bool(QWidget *)> matches,
                             std::function<void(QWidget *)> answer, const QString &what,
                             int timeoutMs = 20000)
{
    auto *poll = new QTimer(qApp);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool found = modal && modal->isVisible() && matches(modal);
        if (!found && !deadline.hasExpired())
            return;
        poll->deleteLater();
        poll->stop();
        if (found)
            answer(modal);
        else
            QTest::qFail(qPrintable(QStringLiteral("no modal window %1 came up").arg(what)),
                         __FILE__, __LINE__);
        if (!QTest::currentTestFailed())
            return;
        while (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    poll->start(10);
}

// The modal window of this object name.
inline void WhenModal(const QString &name, std::function<void(QWidget *)> answer,
                      int timeoutMs = 20000)
{
    WhenModalMatches([name](QWidget *modal) { return modal->objectName() == name; },
                     std::move(answer), name, timeoutMs);
}

// The modal window of this class.
template<typename Window>
void WhenModal(std::function<void(Window *)> answer, int timeoutMs = 20000)
{
    WhenModalMatches([](QWidget *modal) { return qobject_cast<Window *>(modal) != nullptr; },
                     [answer](QWidget *modal) { answer(static_cast<Window *>(modal)); },
                     QString::fromLatin1(Window::staticMetaObject.className()), timeoutMs);
}

// Rejects every modal window named `name` that comes up while it lives, and counts them: for
// commands that must not open such a window.
class ModalWindowCatcher
{
public:
    explicit ModalWindowCatcher(const QString &name)
    {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this, name] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && dialog->objectName() == name && dialog->isVisible()) {
                ++m_caught;
                dialog->reject();
            }
        });
        m_poll.start(10);
    }
    int caught() const { return m_caught; }

private:
    QTimer m_poll;
    int m_caught = 0;
};
