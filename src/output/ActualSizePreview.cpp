#include "ActualSizePreview.h"

#include "CodeWindow.h"
#include "PreviewPage.h"
#include "PreviewWindow.h"
#include "storage/CRegSettings.h"
#include "toolkit/FileErrorMessage.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"
#include "ui/NoticeDialog.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

const QString ShowNoticeSetting = u"Show Message 1"_s;

const NoticeDialog::Layout NoticeLayout{QSize(3945, 2250), QRect(180, 270, 480, 480),
                                        QRect(900, 180, 2895, 1035), QRect(480, 1350, 3045, 285),
                                        QRect(1365, 1770, 1215, 375)};

QString tr(const char *text)
{
    return QCoreApplication::translate("ActualSizePreview", text);
}

// The preview draws with the sheet for today's browsers, which needs the states and the dark
// variant complete as well. On the first colour that is not, tells which box holds it.
bool checkSheetInput(const SchemeVariants &scheme, PlatformServices &platform, QWidget *owner)
{
    const std::optional<IncompleteColor> incomplete = FirstIncompleteColor(scheme);
    if (!incomplete)
        return true;
    const QString name = EntryColorName(incomplete->index);
    platform.messageBox(owner,
                        tr("Can't show preview. Please enter a valid hex color value or click the "
                           "palette button to choose a color for %1.")
                            .arg(incomplete->dark ? tr("the %1 box of the dark colors").arg(name)
                                                  : tr("the %1 box").arg(name)),
                        MessageBoxStyle::Exclamation, tr("Error"));
    return false;
}

} // namespace

QString PreviewStyleSheet(const SchemeTexts &variant, EngineLook look)
{
    const std::optional<SchemeColors> colors = ResolveSchemeColors(variant);
    if (!colors)
        return {};
    ModernSheetOptions options;
    options.width = CodeWindow::StoredOptions().modern.width;
    return BuildPreviewSheet(*colors, look, options);
}

void ShowActualSizePreview(QWidget *owner, const SchemeVariants &scheme, PlatformServices &platform,
                           QString &textColor, QString &backColor)
{
    if (NoticeDialog::isWanted(ShowNoticeSetting)) {
        NoticeDialog notice(
            QCoreApplication::translate(
                "ActualSizePreview",
                "The preview draws the scrollbars in the colors you have defined with Barwright's "
                "built-in browser engine, as today's browsers show them. Pages with the classic "
                "block alone show these colors only in I.E. 5.5 or later."),
            ShowNoticeSetting, NoticeLayout, owner);
        notice.setObjectName(u"msg1"_s);
        notice.exec();
    }
    if (!CheckStyleInput(scheme.light, platform, owner)
        || !checkSheetInput(scheme, platform, owner))
        return;

    const CRegSettings settings = ProgramSettings();
    textColor = settings.GetSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#000000"_s);
    backColor = settings.GetSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#FFFFFF"_s);

    QString error;
    const QString page = WritePreviewPage(
        platform.programFolder(),
        PreviewPageText(BuildStyleBlock(scheme.light), textColor, backColor), error);
    if (page.isEmpty()) {
        ShowFileError(platform, owner, error);
        return;
    }

    PreviewWindow window(page, scheme, textColor, backColor, platform, owner);
    window.exec();
}
