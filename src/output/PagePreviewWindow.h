#pragma once

#include "PageAnalysis.h"
#include "legacy/LegacyColors.h"
#include "scheme/SchemeTexts.h"

#include <QUrl>
#include <QWidget>

class PageView;
class PlatformServices;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// Preview on a Page: one of the author's own pages, a local file or a page served on this
// computer, in the page view with the scheme's sheet added last, updated in place as the
// scheme and the choices change; requests to other hosts refused and counted; and the list of
// what on the page switches the scheme's scrollbars off.
class PagePreviewWindow : public QWidget
{
    Q_OBJECT

public:
    PagePreviewWindow(PlatformServices &platform, QWidget *owner);

    // Shows the scheme on the page, with the code window's and the preview's stored choices.
    // Incomplete colours leave the page as it is.
    void showScheme(const SchemeVariants &scheme);
    // Opens a page: a file's path or an address; false, after telling the user, for one
    // that is not on this computer.
    bool openPage(const QString &pageOrAddress);

    // Without the web view: writes a copy of a page the user chooses, with the scheme's sheet
    // in it, beside the original, and opens it in the default browser.
    static void PreviewInBrowser(const SchemeVariants &scheme, PlatformServices &platform,
                                 QWidget *owner);
    // The sheet for today's browsers that the page gets, whatever the code window's format:
    // the classic block colours nothing there. Empty while a colour is not complete.
    static QString PageSheet(const SchemeVariants &scheme);

    PageView *pageView() const { return m_view; }
    QComboBox *pageChoice() const { return m_page; }
    QPushButton *reloadButton() const { return m_reload; }
    QPushButton *importButton() const { return m_import; }
    QListWidget *findingsList() const { return m_list; }
    int blockedCount() const { return m_blocked; }
    QStringList recentPages() const;

Q_SIGNALS:
    void pageLoaded(bool ok);
    void findingsShown();
    // The legacy colours of the page, for the scheme.
    void importRequested(const QString &pageName, const LegacyColorImport &result);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLayout *buildPageRow();
    QWidget *buildFindings();
    void requestPage(const QString &page);
    void browse();
    void reload();
    void startLoading();
    void remember(const QString &page);
    void showStatus();
    void applySheet();
    void inspect();
    void showFindings(const QList<PageFinding> &findings);
    void markFinding();
    void importFromPage();

    PlatformServices &m_platform;
    PageView *m_view = nullptr;
    QComboBox *m_page = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_reload = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_sheetNote = nullptr;
    QLabel *m_summary = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_import = nullptr;
    QUrl m_address;
    QString m_sheet;
    QString m_scope; // of the sheet shown
    int m_blocked = 0;
    bool m_loaded = false;
    bool m_failed = false;
    QString m_requestedPage;
    bool m_pageRequested = false;
    int m_inspection = 0; // counts inspections, so a late answer for an old one is dropped
    std::optional<PageAnalysis> m_findingsOf;
};
