#include "PreviewPage.h"

#include "storage/SafeFile.h"
#include "toolkit/ProgramFolder.h"
#include "ui/WebAddresses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::StringLiterals;

QString PreviewPageText(const QString &styleBlock, const QString &textColor,
                        const QString &backColor)
{
    const QString entries[] = {
        u"<HTML>"_s,
        u"<HEAD>"_s,
        // A right click on the page is refused.
        u"<script language='Javascript1.2'>"_s,
        u"function nrc() {"_s,
        u"if (event.button >1) {"_s,
        u"alert('Function disabled.');"_s,
        u"return false;}}"_s,
        u"document.onmousedown = nrc;"_s,
        u"</script>"_s,
        styleBlock,
        u"</HEAD>"_s,
        // The stored colours stay inside their attributes, whatever the settings hold.
        u"<BODY text=\""_s + textColor.toHtmlEscaped() + u"\" bgcolor=\""_s
            + backColor.toHtmlEscaped() + u"\">"_s,
        u"<FONT FACE=\"Tahoma,Arial,Helvetica\"><B>This is what the scrollbars will look like on "
        "your page when viewed in I.E. 5.5 or later.</B></FONT>"_s,
        u"<BR><BR><CENTER><IMG SRC=\"arrow.gif\" alt=\"Should be an arrow here. Did you delete "
        "it?\"></CENTER><BR>"_s,
        u"<script language=javascript src=\""_s + QString::fromUtf16(WebAddresses::BannerScript)
            + u"\"></script>"_s,
        // Enough empty lines for the page to scroll.
        u"<BR>"_s.repeated(17),
        u"</BODY>"_s,
        u"</HTML>"_s,
    };
    QString page;
    for (const QString &entry : entries)
        page += entry + u"\r\n\r\n"_s;
    return page;
}

namespace {

// Brings the copy of a file up to date with its original; a missing original is left missing.
void copyWhenChanged(const QString &original, const QString &copy)
{
    QFile source(original);
    if (!source.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = source.readAll();
    QFile target(copy);
    if (target.open(QIODevice::ReadOnly) && target.readAll() == bytes)
        return;
    target.close();
    WriteFileSafely(copy, bytes);
}

} // namespace

QString WritePreviewPage(const QString &programFolder, const QString &pageText, QString &error)
{
    const QByteArray bytes = pageText.toLocal8Bit();
    const QString pageName = QString::fromUtf16(PreviewPageName);
    QStringList failures;

    // A package's files are the package manager's: its removal would leave the page behind.
    if (!IsInstalledSoftwareFolder(programFolder)) {
        const QString inProgram = QDir::toNativeSeparators(PathInFolder(programFolder, pageName));
        const QString reason = WriteFileSafely(inProgram, bytes);
        if (reason.isEmpty())
            return inProgram;
        failures << inProgram + u": "_s + reason;
    }

    // An installed program's folder is often read-only to its users.
    const QString dataFolder = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    if (!dataFolder.isEmpty()) {
        QDir().mkpath(dataFolder);
        const QString inData = PathInFolder(dataFolder, pageName);
        const QString reason = WriteFileSafely(inData, bytes);
        if (reason.isEmpty()) {
            const QString picture = QString::fromUtf16(PreviewPictureName);
            copyWhenChanged(PathInFolder(programFolder, picture),
                            PathInFolder(dataFolder, picture));
            return inData;
        }
        failures << inData + u": "_s + reason;
    }
    error = failures.join(u'\n');
    return {};
}

QString WriteBrowserPage(const QString &previewPage, const QString &pageText, QString &error)
{
    const QString page = PathInFolder(QDir::toNativeSeparators(QFileInfo(previewPage).path()),
                                      QString::fromUtf16(BrowserPageName));
    const QString reason = WriteFileSafely(page, pageText.toLocal8Bit());
    if (reason.isEmpty())
        return page;
    error = page + u": "_s + reason;
    return {};
}
