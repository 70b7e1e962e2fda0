#include "FileDropHandler.h"

#include "OpenedFile.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDropHandler::FileDropHandler(QWidget *window)
    : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // A line edit would take the file's path as text.
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

QString FileDropHandler::droppableFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = QDir::toNativeSeparators(urls.first().toLocalFile());
    return OpenedFileKindOf(path) == OpenedFileKind::Unknown ? QString() : path;
}

bool FileDropHandler::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!drop->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    const QString file = droppableFile(drop->mimeData());
    if (file.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // The save question and the load come after the drop, which the source waits for.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, file] { Q_EMIT fileDropped(file); }, Qt::QueuedConnection);
    return true;
}
