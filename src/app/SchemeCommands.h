#pragma once

#include <QString>

struct LegacyColorImport;

class MainWindow;
class PlatformServices;
class QWidget;

// Saving the scheme to a ".brw" file and loading one, on the main window's controls.

// Asks for a file name and saves the scheme there. False when the user cancels, and when the
// file could not be written (after telling the user), so nothing counts as saved that is not.
bool SaveColorScheme(MainWindow &window);

// Loads a scheme file into the controls; an empty name asks the user for one. True once the
// file's values are in the controls. A file that cannot be loaded changes neither the scheme
// nor its file name.
bool LoadColorScheme(MainWindow &window, const QString &name);

// Imports the legacy scrollbar colours of an old page or style sheet as a new light-only
// scheme, its colours put as typed colours would go, and shows what was found. The imported
// scheme has no file name, so that saving asks for one. An empty name asks the user for one.
void ImportFromPage(MainWindow &window, const QString &page = {});

// Puts imported legacy colours into the controls, as ImportFromPage does, and shows the report.
void ShowImportedColors(MainWindow &window, const QString &pageName,
                        const LegacyColorImport &result);

// The file dialogs. The filter is "description|pattern" pairs. A name typed without an
// extension gets ".brw", and replacing an existing file under that name is asked first. Both
// return the chosen path, or an empty text.
QString ShowSaveDialog(PlatformServices &platform, QWidget *owner, const QString &filter,
                       const QString &title, const QString &folder, bool emptyName);
QString ShowOpenDialog(PlatformServices &platform, QWidget *owner, const QString &filter,
                       const QString &title, const QString &folder);
