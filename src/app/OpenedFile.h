#pragma once

#include <QString>

// What a file handed to the program is, by its extension: a scheme to load (".brw"), an old
// page or style sheet to import (".html", ".htm", ".css"), or nothing the program opens.
enum class OpenedFileKind { Scheme, Page, Unknown };

OpenedFileKind OpenedFileKindOf(const QString &path);
