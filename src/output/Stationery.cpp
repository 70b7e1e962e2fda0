#include "Stationery.h"

#include "StyleBlock.h"
#include "storage/CRegSettings.h"
#include "storage/SafeFile.h"
#include "toolkit/FileErrorMessage.h"
#include "toolkit/SaveFileName.h"

#include <QCoreApplication>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Stationery", text);
}

} // namespace

QString BuildStationeryPage(const QString &styleBlock, const QString &textColor,
                            const QString &backColor)
{
    // The colours come from the settings store, which anyone can edit: they must not be
    // able to break out of their attributes.
    return u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
           "<HTML>\r\n"
           "<HEAD>\r\n"
           "<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"_s
        + styleBlock + u"</HEAD>\r\n<BODY text=\""_s + textColor.toHtmlEscaped()
        + u"\" bgcolor=\""_s + backColor.toHtmlEscaped()
        + u"\">\r\n<DIV>&nbsp;</DIV>\r\n</BODY>\r\n</HTML>\r\n"_s;
}

void SaveAsStationery(const SchemeTexts &scheme, PlatformServices &platform, QWidget *owner)
{
    if (!CheckStyleInput(scheme, platform, owner))
        return;
    const QString path = ChooseSaveFileName(
        platform, owner, tr("Save as Outlook Express Stationery"),
        tr("HTML Files (*.htm *.html)|*.htm *.html"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), {}, u"htm"_s);
    if (path.isEmpty())
        return;

    const CRegSettings settings = ProgramSettings();
    const QString page
        = BuildStationeryPage(BuildStyleBlock(scheme),
                              settings.GetSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#000000"_s),
                              settings.GetSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#FFFFFF"_s));

    if (const QString error = WriteFileSafely(path, page.toUtf8()); !error.isEmpty())
        ShowFileError(platform, owner, error);
}
