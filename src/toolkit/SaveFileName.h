#pragma once

#include <QString>

class PlatformServices;
class QWidget;

// Asks the user for a file to save. A name without an extension gets `extension` ("s1" and
// "s1." both become "s1.brw"). When that final name is an existing file other than the one the
// dialog checked, the user is asked whether to replace it; "No" opens the dialog again.
// Returns the final full path, or an empty text when the user cancels.
QString ChooseSaveFileName(PlatformServices &platform, QWidget *owner, const QString &title,
                           const QString &filter, const QString &folder, const QString &fileName,
                           const QString &extension);
