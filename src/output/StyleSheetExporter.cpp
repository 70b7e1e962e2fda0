#include "StyleSheetExporter.h"

#include "CodeWindow.h"
#include "StyleBlock.h"
#include "scheme/SchemeColors.h"
#include "storage/CRegSettings.h"
#include "storage/SafeFile.h"
#include "toolkit/FileErrorMessage.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/SaveFileName.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Export"_s;

QString tr(const char *text)
{
    return QCoreApplication::translate("StyleSheetExporter", text);
}

bool isPage(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"html"_s || suffix == u"htm"_s;
}

// What the rows call a colour: "Face Color", "Base Color", "Hover Face Color".
QString colorName(int index)
{
    if (index >= EntryCount)
        return QString::fromUtf16(SchemeStates[size_t(index - EntryCount)].name);
    return QString::fromUtf16(index < ElementCount ? SchemeElements[size_t(index)].name
                                                   : BaseColorName);
}

} // namespace

StyleSheetExporter::StyleSheetExporter(PlatformServices &platform, QWidget *owner)
    : m_platform(platform)
    , m_owner(owner)
{
}

std::optional<QString> StyleSheetExporter::textFor(const QString &path,
                                                   const SchemeVariants &scheme,
                                                   const CodeOptions &options)
{
    CodeOptions chosen = options;
    if (!isPage(path))
        chosen.format = CodeFormat::Css;
    return BuildCode(scheme, chosen);
}

QString StyleSheetExporter::exportScheme(const SchemeVariants &scheme,
                                         const QString &schemeFile) const
{
    const QString last = ProgramSettings().GetSetting(Section, u"Folder"_s);
    const QString folder = !last.isEmpty() && QFileInfo(last).isDir()
        ? last
        : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name
        = schemeFile.isEmpty() ? QString() : QFileInfo(schemeFile).completeBaseName() + u".css"_s;
    const QString path
        = ChooseSaveFileName(m_platform, m_owner, tr("Export Style Sheet"),
                             tr("Style Sheets (*.css)|*.css|Web Pages (*.html *.htm)|*.html *.htm"),
                             folder, name, u"css"_s);
    if (path.isEmpty())
        return {};

    const CodeOptions options = CodeWindow::StoredOptions();
    if (!isComplete(scheme, isPage(path) ? options.format : CodeFormat::Css))
        return {};
    const std::optional<QString> text = textFor(path, scheme, options);
    if (!text)
        return {};
    if (const QString error = WriteFileSafely(path, text->toUtf8()); !error.isEmpty()) {
        ShowFileError(m_platform, m_owner, error);
        return {};
    }
    ProgramSettings().SaveSetting(Section, u"Folder"_s, QFileInfo(path).absolutePath());
    return path;
}

bool StyleSheetExporter::isComplete(const SchemeVariants &scheme, CodeFormat format) const
{
    // The classic block's own check first, as the preview and the stationery have it.
    if (!CheckStyleInput(scheme.light, m_platform, m_owner))
        return false;
    const std::optional<IncompleteColor> incomplete = FirstIncompleteColor(scheme);
    if (format == CodeFormat::Classic || !incomplete)
        return true;
    const QString name = colorName(incomplete->index);
    m_platform.messageBox(m_owner,
                          tr("The style sheet for today's browsers needs every color complete, "
                             "as # and six hex digits. Complete the %1 first.")
                              .arg(incomplete->dark ? tr("dark %1").arg(name) : name),
                          MessageBoxStyle::Exclamation, tr("Error"));
    return false;
}
