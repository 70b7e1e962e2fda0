#pragma once

#include "output/PageView.h"
#include "toolkit/WrappingCheckBox.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// A file's bytes; "(missing)" when it cannot be read.
inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

inline bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Asks a helper process to end, and ends it when it does not.
inline void StopProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

// Every label and check box of the window shows its whole text, whatever the desktop's font:
// one line fits the width, wrapped lines fit the height.
inline void VerifyTextsFit(const QWidget *window)
{
#ifdef Q_OS_WIN
    // Under Wine there are neither Windows' fonts nor their metrics, only stand-ins that are
    // measured differently: what fits is judged by the Linux tests and on Windows itself.
    Q_UNUSED(window)
    return;
#endif
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            room, label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        QVERIFY2(!label->isVisibleTo(window)
                     || (needed.width() <= room.width() && needed.height() <= room.height()),
                 qPrintable(label->text()));
    }
    // A check box's caption starts beside its indicator; a wrapping one may take more lines.
    for (const QCheckBox *check : window->findChildren<QCheckBox *>()) {
        QStyleOptionButton option;
        option.initFrom(check);
        const QRect room
            = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        const bool wraps = qobject_cast<const WrappingCheckBox *>(check);
        const QRect needed
            = check->fontMetrics().boundingRect(room, wraps ? Qt::TextWordWrap : 0, check->text());
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(check->text()));
    }
}

// A colour of the document a page view holds, once the view has told it.
inline QString ReadDocumentColor(const PageView *view, PageView::DocumentColor which,
                                 int timeoutMs = 5000)
{
    QString color;
    view->readDocumentColor(which, [&color](const QString &read) { color = read; });
    return QTest::qWaitFor([&color] { return !color.isEmpty(); }, timeoutMs)
        ? color
        : QStringLiteral("(not read)");
}
