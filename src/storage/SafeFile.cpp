#include "SafeFile.h"

#include <QSaveFile>

QString WriteFileSafely(const QString &path, QByteArrayView contents)
{
    // Unbuffered, a short write (a full disk) shows in write()'s count at once, and writing on
    // makes the device describe the failure; a buffered flush would let it pass unseen.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    while (!contents.isEmpty()) {
        const qint64 written = file.write(contents.data(), contents.size());
        if (written <= 0)
            return file.errorString();
        contents = contents.sliced(written);
    }
    return file.commit() ? QString() : file.errorString();
}
