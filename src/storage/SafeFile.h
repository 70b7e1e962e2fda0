#pragma once

#include <QByteArrayView>
#include <QString>

// Writes a whole file so that it is either complete or as it was: the new bytes go to a file
// beside it, reach the disk, and only then take its place. A symbolic link stays a link and its
// target gets the bytes; a replaced file keeps its permissions, a new one gets the user's umask
// (QSaveFile does all of this). Returns the system's description of a failure (a full disk, a
// folder without write permission), or an empty text.
QString WriteFileSafely(const QString &path, QByteArrayView contents);
