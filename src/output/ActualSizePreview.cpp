#include "ActualSizePreview.h"

#include "PreviewNotice.h"
#include "PreviewPage.h"
#include "PreviewWindow.h"
#include "storage/CRegSettings.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

void ShowActualSizePreview(QWidget *owner, const SchemeTexts &scheme, PlatformServices &platform,
                           QString &textColor, QString &backColor)
{
    if (PreviewNotice::IsWanted()) {
        PreviewNotice notice(owner);
        notice.exec();
    }
    if (!CheckStyleInput(scheme, platform, owner))
        return;

    const CRegSettings settings = ProgramSettings();
    textColor = settings.GetSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#000000"_s);
    backColor = settings.GetSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#FFFFFF"_s);

    QString error;
    const QString page
        = WritePreviewPage(platform.programFolder(),
                           PreviewPageText(BuildStyleBlock(scheme), textColor, backColor), error);
    if (page.isEmpty()) {
        platform.messageBox(owner,
                            QCoreApplication::translate("ActualSizePreview",
                                                        "Can't show preview. The preview page "
                                                        "could not be written:")
                                + u"\n\n"_s + error,
                            MessageBoxStyle::Exclamation,
                            QCoreApplication::translate("ActualSizePreview", "Error"));
        return;
    }

    PreviewWindow window(page, textColor, backColor, platform, owner);
    window.exec();
}
