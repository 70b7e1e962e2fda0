#pragma once

#include <QString>

// The path of a file in a folder, with exactly one separator between them, whether or not
// the folder text already ends with one (as a drive's root folder does).
QString PathInFolder(const QString &folder, const QString &fileName);

// Whether new files can be made in a folder (tried, not guessed from permission bits).
bool IsWritableFolder(const QString &folder);

// Whether a folder belongs to the system's installed software (under /usr or /opt), which a
// program leaves as it was installed even when it runs with the rights to write there.
bool IsInstalledSoftwareFolder(const QString &folder);
