#include "FileErrorMessage.h"

#include "MessageBox.h"
#include "PlatformServices.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

void ShowFileError(PlatformServices &platform, QWidget *owner, const QString &description)
{
    const QString intro = QCoreApplication::translate(
        "FileErrorMessage",
        "Barwright could not perform this operation due to the following "
        "error:");
    platform.messageBox(owner, intro + u"\r\n\r\n\""_s + description + u'"',
                        MessageBoxStyle::Critical,
                        QCoreApplication::translate("FileErrorMessage", "Error"));
}
