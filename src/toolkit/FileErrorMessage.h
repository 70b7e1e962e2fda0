#pragma once

#include <QString>

class PlatformServices;
class QWidget;

// Tells the user that a file could not be written, with the system's description of why.
void ShowFileError(PlatformServices &platform, QWidget *owner, const QString &description);
