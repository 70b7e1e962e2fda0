#pragma once

#include <QString>

// The path of a file in a folder, with exactly one separator between them, whether or not
// the folder text already ends with one (as a drive's root folder does).
QString PathInFolder(const QString &folder, const QString &fileName);
