#include "Stationery.h"

#include "StyleBlock.h"
#include "storage/CRegSettings.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Stationery", text);
}

bool writeFile(const QString &path, const QByteArray &contents, QString *error)
{
    // The page goes to a file beside the target and replaces it only once it is complete.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
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
    QString path = platform.saveFileName(
        owner, tr("Save as Outlook Express Stationery"),
        tr("HTML Files (*.htm *.html)|*.htm *.html"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), {}, u"htm"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".htm"_s;

    const CRegSettings settings = ProgramSettings();
    const QString page
        = BuildStationeryPage(BuildStyleBlock(scheme),
                              settings.GetSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#000000"_s),
                              settings.GetSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#FFFFFF"_s));

    QString error;
    if (!writeFile(path, page.toUtf8(), &error)) {
        platform.messageBox(owner,
                            tr("Barwright could not perform this operation due to the following "
                               "error:")
                                + u"\r\n\r\n\""_s + error + u'"',
                            MessageBoxStyle::Critical, tr("Error"));
    }
}
