#pragma once

#include <QObject>

class QMimeData;
class QWidget;

// Lets one file be dropped onto a window: a scheme file, an old page or a style sheet. Any
// other drag of files (several, of another kind, not on this machine) is refused, so the
// cursor shows that it cannot be dropped; text dragged onto an entry box stays the box's.
class FileDropHandler : public QObject
{
    Q_OBJECT

public:
    // Takes the drops onto `window` and onto those of its children that take drops themselves.
    explicit FileDropHandler(QWidget *window);

    // The one file of a drag that the program opens; empty for any other drag.
    static QString droppableFile(const QMimeData *data);

Q_SIGNALS:
    // Once the drop is over.
    void fileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
