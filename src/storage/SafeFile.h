#pragma once

#include <QByteArrayView>
#include <QString>

// Writes a whole file so that it is either complete or as it was: the new bytes go to a file
// beside it, which takes its place only once everything is written. Returns the system's
// description of a failure (a full disk, a folder without write permission), or an empty text.
QString WriteFileSafely(const QString &path, QByteArrayView contents);
