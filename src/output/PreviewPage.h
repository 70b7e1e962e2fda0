#pragma once

#include <QString>

// The preview page: a small HTML page that carries the style block, in the given text and
// background colours, with CR LF line ends and an empty line after every entry.
QString PreviewPageText(const QString &styleBlock, const QString &textColor,
                        const QString &backColor);

inline constexpr char16_t PreviewPageName[] = u"brwpreview.html";
inline constexpr char16_t PreviewPictureName[] = u"arrow.gif";
// The page the user's own browser is shown, beside the preview page.
inline constexpr char16_t BrowserPageName[] = u"brwbrowser.html";

// Writes the page into the program's folder, or, where that cannot be written or belongs to
// the system's installed software, into the user's data folder for the program with the page's
// picture copied beside it. Returns the
// page's path; on failure an empty path, with `error` telling where and why.
QString WritePreviewPage(const QString &programFolder, const QString &pageText, QString &error);

// Writes the page for the user's own browser beside the preview page, so that it finds the
// same picture. Returns its path; on failure an empty path, with `error` telling why.
QString WriteBrowserPage(const QString &previewPage, const QString &pageText, QString &error);
