#include "SchemeCommands.h"

#include "ColorEntryRows.h"
#include "ImportReportWindow.h"
#include "MainWindow.h"
#include "legacy/LegacyPageFile.h"
#include "storage/CRegSettings.h"
#include "storage/SchemeFile.h"
#include "storage/SchemeState.h"
#include "toolkit/Blanks.h"
#include "toolkit/EntryBox.h"
#include "toolkit/FileErrorMessage.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/ProgramFolder.h"
#include "toolkit/SaveFileName.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SchemeCommands", text);
}

// The program's folder when schemes can be saved there and it is not the system's, the user's
// documents otherwise.
QString dialogFolder(const PlatformServices &platform)
{
    const QString program = platform.programFolder();
    if (IsWritableFolder(program) && !IsInstalledSoftwareFolder(program))
        return program;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Old pages lie with the user's work, not with the program: the folder of the last import,
// the user's documents the first time.
QString importFolder()
{
    const QString last = ProgramSettings().GetSetting(u"Import"_s, u"Folder"_s);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Puts the texts the scheme's mode uses into the controls; the others keep theirs.
void applyLoadedScheme(MainWindow &window, const SchemeTexts &scheme)
{
    QCheckBox *baseColor = window.baseColorCheck();
    if (scheme.baseColor) {
        window.chkBC_Click();
        baseColor->setChecked(true);
        window.entryBox(BaseColorIndex)->put(scheme.texts[BaseColorIndex]);
    } else {
        baseColor->setChecked(false);
        for (int i = 0; i < ElementCount; ++i)
            window.entryBox(i)->put(scheme.texts[size_t(i)]);
    }
}

// Leaves out the texts of the dark variant and of the states that the boxes would refuse: put
// back, they would take another colour's place. Returns the names of those left out.
QStringList leaveOutRefusedColors(SchemeVariants &scheme)
{
    QStringList names;
    const auto leaveOut = [&names](SchemeTexts &variant, int index, const QString &name) {
        QString &text = index < EntryCount ? variant.texts[size_t(index)]
                                           : variant.states[size_t(index - EntryCount)];
        if (ColorEntryRows::refuses(text)) {
            text = u"#"_s;
            names << name;
        }
    };
    const auto darkName = [](int index) {
        return tr("Dark %1").arg(EntryColorName(index));
    };
    // In the order of the file's sections.
    for (int i = 0; scheme.dark && i < EntryCount; ++i)
        leaveOut(*scheme.dark, i, darkName(i));
    for (int i = HoverIndex; i <= PressedIndex; ++i)
        leaveOut(scheme.light, i, EntryColorName(i));
    for (int i = HoverIndex; scheme.dark && i <= PressedIndex; ++i)
        leaveOut(*scheme.dark, i, darkName(i));
    return names;
}

} // namespace

QString ShowSaveDialog(PlatformServices &platform, QWidget *owner, const QString &filter,
                       const QString &title, const QString &folder, bool emptyName)
{
    const QString name = emptyName ? QString() : FileNameOf(CurrentSchemeFile);
    return ChooseSaveFileName(platform, owner, title, filter, folder, name, u"brw"_s);
}

QString ShowOpenDialog(PlatformServices &platform, QWidget *owner, const QString &filter,
                       const QString &title, const QString &folder)
{
    return TrimBlanks(platform.openFileName(owner, title, filter, folder));
}

bool SaveColorScheme(MainWindow &window)
{
    PlatformServices &platform = window.platform();
    const QString path
        = ShowSaveDialog(platform, &window, tr("BRW Color Scheme Files (*.brw)|*.brw"),
                         tr("Save Color Scheme as..."), dialogFolder(platform), false);
    if (path.isEmpty())
        return false;

    CurrentSchemeFile = path;
    const QString error = WriteSchemeFile(path, window.scheme());
    if (!error.isEmpty()) {
        ShowFileError(platform, &window, error);
        return false;
    }
    SchemeChanged = false;
    return true;
}

bool LoadColorScheme(MainWindow &window, const QString &name)
{
    PlatformServices &platform = window.platform();
    QString path = name;
    if (path.isEmpty())
        path = ShowOpenDialog(platform, &window, tr("BRW Color Scheme Files(*.brw)|*.brw"),
                              tr("Load Color Scheme..."), dialogFolder(platform));
    if (path.isEmpty())
        return false;

    // A file that fails leaves the name of the scheme in the boxes.
    const QString file = path.section(QChar(0), 0, 0);
    if (!HasSchemeHeader(file)) {
        platform.messageBox(&window,
                            tr("Could not load ") + u'"' + FileNameOf(file) + u'"'
                                + tr(". The file is either corrupt, not a valid Barwright color "
                                     "scheme file, or no longer exists."),
                            MessageBoxStyle::Exclamation, tr("Oops!"));
        return false;
    }
    CurrentSchemeFile = file;
    // Every text of the file goes through the boxes, the dark ones while the boxes hold the dark
    // variant; a file without states or a dark variant clears those held before. The light
    // colours are refused as typed ones are.
    SchemeVariants scheme = SchemeVariantsOf(ReadSchemeFile(file));
    const QStringList leftOut = leaveOutRefusedColors(scheme);
    const bool lightRefused = std::ranges::any_of(scheme.light.texts, &ColorEntryRows::refuses);
    window.editVariant(false);
    applyLoadedScheme(window, scheme.light);
    window.putStates(scheme.light.states);
    window.replaceDarkVariant(scheme.dark);
    // Saving it would not give the file back.
    SchemeChanged = lightRefused || !leftOut.isEmpty();
    if (leftOut.isEmpty())
        return true;
    const QString text = leftOut.size() == 1
        ? tr("1 color in the file is not valid and was left out: %1")
        : tr("%1 colors in the file are not valid and were left out: %2").arg(leftOut.size());
    platform.messageBox(&window, text.arg(leftOut.join(u", "_s)), MessageBoxStyle::Exclamation,
                        tr("Oops!"));
    return true;
}

void ImportFromPage(MainWindow &window, const QString &page)
{
    PlatformServices &platform = window.platform();
    const QString path = !page.isEmpty()
        ? page
        : ShowOpenDialog(platform, &window,
                         tr("Web Pages and Style Sheets (*.html *.htm *.css)|*.html *.htm "
                            "*.css|All Files (*)|*"),
                         tr("Import from Page..."), importFolder());
    if (path.isEmpty())
        return;
    ProgramSettings().SaveSetting(u"Import"_s, u"Folder"_s, QFileInfo(path).absolutePath());

    ShowImportedColors(window, FileNameOf(path), ImportLegacyPage(path, LegacySourceOf(path)));
}

void ShowImportedColors(MainWindow &window, const QString &pageName,
                        const LegacyColorImport &result)
{
    PlatformServices &platform = window.platform();
    const QString name = u'"' + pageName + u'"';
    if (!result.error.isEmpty()) {
        platform.messageBox(&window, tr("Could not import %1: %2.").arg(name, result.error),
                            MessageBoxStyle::Exclamation, tr("Oops!"));
        return;
    }
    // The page's colours replace the whole scheme, as a load does, but have no file yet: the
    // scheme stays changed and unnamed.
    if (result.found) {
        window.editVariant(false);
        applyLoadedScheme(window, result.scheme);
        window.putStates({});
        window.replaceDarkVariant(std::nullopt);
        CurrentSchemeFile.clear();
    }
    const QString heading = result.found
        ? tr("The scrollbar colors of %1 are now in the boxes.").arg(name)
        : tr("%1 has no legacy scrollbar colors for the page. The scheme is unchanged.").arg(name);
    ImportReportWindow::Show(heading, result.report, platform, &window);
}
