#include "PagePreviewWindow.h"

#include "CodeWindow.h"
#include "PageView.h"
#include "PageViewLoader.h"
#include "PreviewWindow.h"
#include "storage/CRegSettings.h"
#include "storage/SafeFile.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Page Preview"_s;
constexpr int RecentCount = 10;
const char *const PageFilter = QT_TRANSLATE_NOOP(
    "PagePreviewWindow", "Web Pages (*.html *.htm)|*.html *.htm|All Files (*)|*");

// The pages and addresses last previewed, the latest first.
QStringList storedPages()
{
    const CRegSettings settings = ProgramSettings();
    QStringList pages;
    for (int i = 1; i <= RecentCount; ++i) {
        const QString page = settings.GetSetting(Section, u"Page%1"_s.arg(i));
        if (!page.isEmpty())
            pages << page;
    }
    return pages;
}

QStringList rememberPage(const QString &page)
{
    QStringList pages = storedPages();
    pages.removeAll(page);
    pages.prepend(page);
    pages = pages.mid(0, RecentCount);
    CRegSettings settings = ProgramSettings();
    for (int i = 1; i <= RecentCount; ++i)
        settings.SaveSetting(Section, u"Page%1"_s.arg(i), pages.value(i - 1));
    return pages;
}

// The folder of the page last previewed, for the file dialog.
QString lastFolder()
{
    const QFileInfo last(storedPages().value(0));
    return last.exists() ? last.absolutePath() : QString();
}

// The address of what the user typed or chose: a file's path or a file address, or an address
// on this computer ("localhost:5173" is taken as http). Nothing for anything else.
std::optional<QUrl> pageAddress(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl url = QUrl::fromUserInput(trimmed, QString(), QUrl::AssumeLocalFile);
    if (url.isLocalFile())
        return url;
    const bool web = url.scheme() == u"http"_s || url.scheme() == u"https"_s;
    if (url.isValid() && web && !url.host().isEmpty() && IsLocalAddress(url))
        return url;
    return std::nullopt;
}

// How the address is shown and remembered: a file by its path.
QString pageText(const QUrl &address)
{
    return address.isLocalFile() ? address.toLocalFile() : address.toString();
}

// The copy of a page with the sheet in it, as the page's last style sheet: before the end of
// its head, or before its body, or at its start. The page's own bytes stay as they are.
QByteArray pageWithSheet(const QByteArray &page, const QString &sheet)
{
    const QByteArray style = "<style id=\"barwright-sheet\">\n" + sheet.toUtf8() + "</style>\n";
    for (const QByteArrayView tag : {QByteArrayView("</head"), QByteArrayView("<body")}) {
        const qsizetype at = page.toLower().indexOf(tag);
        if (at >= 0)
            return page.left(at) + style + page.mid(at);
    }
    return style + page;
}

} // namespace

QString PagePreviewWindow::PageSheet(const SchemeVariants &scheme)
{
    const CodeOptions options = CodeWindow::StoredOptions();
    const bool dark
        = PreviewWindow::StoredDarkChoice() && scheme.dark && ResolveSchemeColors(*scheme.dark);
    const std::optional<SchemeColors> colors
        = ResolveSchemeColors(dark ? *scheme.dark : scheme.light);
    if (!colors)
        return {};
    return BuildPreviewSheet(*colors, PreviewWindow::StoredLook(), options.modern);
}

PagePreviewWindow::PagePreviewWindow(PlatformServices &platform, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_platform(platform)
{
    setObjectName(u"frmPagePreview"_s);
    setWindowTitle(tr("Barwright - Preview on a Page"));

    m_view = OpenPageView(this, platform.programFolder());
    m_view->widget()->setObjectName(u"wbPage"_s);
    m_view->widget()->setAccessibleName(tr("Page"));
    m_view->setLoadFinishedHandler([this](bool ok) {
        m_loaded = ok;
        m_failed = !ok;
        showStatus();
        if (!ok)
            m_summary->setText(tr("The page could not be loaded."));
        Q_EMIT pageLoaded(ok);
        if (ok)
            inspect();
    });
    m_view->setBlockedRequestHandler([this](const QUrl &) {
        ++m_blocked;
        showStatus();
    });

    m_status = new QLabel(this);
    m_status->setObjectName(u"lblStatus"_s);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sheetNote = new QLabel(this);
    m_sheetNote->setObjectName(u"lblSheetNote"_s);
    m_sheetNote->setWordWrap(true);
    m_sheetNote->hide();

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_view->widget());
    splitter->addWidget(buildFindings());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    // The page first: the list scrolls.
    splitter->setSizes({520, 200});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildPageRow());
    layout->addWidget(m_status);
    layout->addWidget(m_sheetNote);
    layout->addWidget(splitter, 1);

    QWidget::setTabOrder(m_page, m_browse);
    QWidget::setTabOrder(m_browse, m_reload);
    QWidget::setTabOrder(m_reload, m_view->widget());
    QWidget::setTabOrder(m_view->widget(), m_list);
    QWidget::setTabOrder(m_list, m_import);
    resize(900, 760);
    showStatus();
}

QLayout *PagePreviewWindow::buildPageRow()
{
    m_page = new QComboBox(this);
    m_page->setObjectName(u"cboPage"_s);
    m_page->setEditable(true);
    m_page->setInsertPolicy(QComboBox::NoInsert);
    m_page->setMaxCount(RecentCount);
    m_page->addItems(recentPages());
    m_page->setCurrentIndex(-1);
    m_page->setAccessibleName(tr("Page or address"));
    m_page->lineEdit()->setPlaceholderText(tr("a page's file, or an address such as "
                                              "http://localhost:5173/"));
    m_page->setToolTip(tr("A page on this computer: an HTML file, or an address of a "
                          "development server such as http://localhost:5173/ or "
                          "http://127.0.0.1:8000/"));
    m_page->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Enter in the box may also choose a listed page: one opening for both.
    connect(m_page, &QComboBox::activated, this,
            [this](int index) { requestPage(m_page->itemText(index)); });
    connect(m_page->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { requestPage(m_page->currentText()); });

    auto *label = new QLabel(tr("&Page:"), this);
    label->setBuddy(m_page);
    m_browse = new QPushButton(tr("&Browse…"), this);
    m_browse->setObjectName(u"cmdBrowse"_s);
    connect(m_browse, &QPushButton::clicked, this, &PagePreviewWindow::browse);
    m_reload = new QPushButton(tr("&Reload"), this);
    m_reload->setObjectName(u"cmdReload"_s);
    m_reload->setToolTip(tr("Loads the page again, with your edits to it (F5)"));
    m_reload->setEnabled(false);
    connect(m_reload, &QPushButton::clicked, this, &PagePreviewWindow::reload);
    for (QPushButton *button : {m_browse, m_reload})
        button->setAutoDefault(false);

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_page, 1);
    row->addWidget(m_browse);
    row->addWidget(m_reload);
    return row;
}

QWidget *PagePreviewWindow::buildFindings()
{
    auto *frame = new QGroupBox(tr("What on this page switches the colors off"), this);
    frame->setObjectName(u"fraFindings"_s);
    m_summary = new QLabel(frame);
    m_summary->setObjectName(u"lblFindings"_s);
    m_summary->setWordWrap(true);
    m_list = new QListWidget(frame);
    m_list->setObjectName(u"lstFindings"_s);
    m_list->setAccessibleName(tr("Findings"));
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setAlternatingRowColors(true);
    m_list->setSpacing(2);
    connect(m_list, &QListWidget::currentRowChanged, this, &PagePreviewWindow::markFinding);
    connect(m_list, &QListWidget::itemClicked, this, &PagePreviewWindow::markFinding);

    m_import = new QPushButton(tr("&Import from This Page"), frame);
    m_import->setObjectName(u"cmdImport"_s);
    m_import->setAutoDefault(false);
    m_import->setEnabled(false);
    m_import->setToolTip(tr("Takes the page's legacy scrollbar colors into the scheme"));
    connect(m_import, &QPushButton::clicked, this, &PagePreviewWindow::importFromPage);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_summary, 1);
    buttons->addWidget(m_import);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
    return frame;
}

QStringList PagePreviewWindow::recentPages() const
{
    return storedPages();
}

void PagePreviewWindow::remember(const QString &page)
{
    const QStringList pages = rememberPage(page);
    const QSignalBlocker quiet(m_page);
    m_page->clear();
    m_page->addItems(pages);
    m_page->setCurrentIndex(0);
}

bool PagePreviewWindow::openPage(const QString &pageOrAddress)
{
    const std::optional<QUrl> address = pageAddress(pageOrAddress);
    if (!address) {
        m_platform.messageBox(this,
                              tr("\"%1\" is not a page on this computer. Choose an HTML file, or "
                                 "type an address on this computer, such as "
                                 "http://localhost:5173/ or http://127.0.0.1:8000/.")
                                  .arg(pageOrAddress.trimmed()),
                              MessageBoxStyle::Exclamation, tr("Oops!"));
        return false;
    }
    m_address = *address;
    remember(pageText(m_address));
    m_reload->setEnabled(true);
    startLoading();
    m_view->navigateToAddress(m_address);
    return true;
}

void PagePreviewWindow::requestPage(const QString &page)
{
    m_requestedPage = page;
    if (m_pageRequested)
        return;
    m_pageRequested = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pageRequested = false;
            openPage(m_requestedPage);
        },
        Qt::QueuedConnection);
}

void PagePreviewWindow::browse()
{
    const QString path
        = m_platform.openFileName(this, tr("Preview on a Page"), tr(PageFilter), lastFolder());
    if (!path.isEmpty())
        openPage(path);
}

void PagePreviewWindow::reload()
{
    if (m_address.isEmpty())
        return;
    startLoading();
    m_view->reload();
}

void PagePreviewWindow::startLoading()
{
    m_blocked = 0;
    m_loaded = false;
    m_failed = false;
    ++m_inspection;
    m_findingsOf.reset();
    showFindings({});
    m_summary->setText(tr("Loading…"));
    showStatus();
}

void PagePreviewWindow::showStatus()
{
    if (m_address.isEmpty()) {
        m_status->setText(tr("Choose one of your pages: a file, or an address on this computer. "
                             "Requests to other hosts are blocked."));
        return;
    }
    const QString blocked = m_blocked == 0 ? tr("No request to another host was blocked.")
        : m_blocked == 1                   ? tr("1 request to another host was blocked.")
                         : tr("%1 requests to other hosts were blocked.").arg(m_blocked);
    const QString state = m_loaded ? tr("Showing %1.")
        : m_failed                 ? tr("Could not load %1.")
                                   : tr("Loading %1…");
    m_status->setText(state.arg(pageText(m_address)) + u' ' + blocked);
}

void PagePreviewWindow::showScheme(const SchemeVariants &scheme)
{
    const CodeOptions options = CodeWindow::StoredOptions();
    // The classic block colours nothing in today's engines; the page shows what would.
    m_sheetNote->setText(tr("The code window's format is the classic block, which today's "
                            "browsers ignore: the page shows the code for today's browsers."));
    m_sheetNote->setVisible(options.format == CodeFormat::Classic);
    // While a colour is being typed the page keeps the last complete one.
    const QString sheet = PageSheet(scheme);
    if (sheet.isEmpty())
        return;
    const bool scopeChanged = options.modern.scope != m_scope;
    m_scope = options.modern.scope;
    if (sheet != m_sheet) {
        m_sheet = sheet;
        m_view->setPageStyleSheet(sheet);
    }
    if (scopeChanged && m_loaded)
        inspect();
}

void PagePreviewWindow::inspect()
{
    const int inspection = ++m_inspection;
    const QString scope = m_scope;
    const QString sheet = m_sheet;
    QPointer<PagePreviewWindow> self(this);
    m_view->inspectPage(scope, [self, inspection, scope, sheet](const QVariant &report) {
        if (!self || inspection != self->m_inspection)
            return;
        PageAnalysis found(report, scope, sheet);
        if (!found.isValid()) {
            self->m_summary->setText(tr("The page could not be inspected."));
            return;
        }
        self->m_findingsOf = found;
        self->m_view->probePage(found.probeSheet(), PageAnalysis::probeNames(),
                                found.probeSelectors(), [self, inspection](const QVariant &probe) {
                                    if (!self || inspection != self->m_inspection
                                        || !self->m_findingsOf)
                                        return;
                                    self->showFindings(self->m_findingsOf->findings(probe));
                                    Q_EMIT self->findingsShown();
                                });
    });
}

void PagePreviewWindow::showFindings(const QList<PageFinding> &findings)
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const PageFinding &finding : findings) {
        QStringList lines{finding.elementPath + u": "_s + finding.what};
        if (!finding.rule.isEmpty())
            lines << tr("Rule: %1").arg(finding.rule);
        lines << finding.advice;
        auto *item = new QListWidgetItem(lines.join(u'\n'), m_list);
        item->setData(Qt::UserRole, finding.element);
        item->setToolTip(finding.rule);
    }
    m_summary->setText(findings.isEmpty() ? tr("Nothing on this page switches the colors off.")
                           : findings.size() == 1
                           ? tr("1 finding on this page:")
                           : tr("%1 findings on this page:").arg(findings.size()));
    m_import->setEnabled(m_findingsOf && m_findingsOf->hasLegacyColors());
}

void PagePreviewWindow::markFinding()
{
    const QListWidgetItem *item = m_list->currentItem();
    const int element = item ? item->data(Qt::UserRole).toInt() : -1;
    if (element >= 0)
        m_view->markElement(element);
}

void PagePreviewWindow::importFromPage()
{
    if (!m_findingsOf)
        return;
    const QString name = m_address.isLocalFile() ? QFileInfo(m_address.toLocalFile()).fileName()
                                                 : m_address.toString();
    Q_EMIT importRequested(name, m_findingsOf->legacyColors());
}

void PagePreviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) {
        reload();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PagePreviewWindow::PreviewInBrowser(const SchemeVariants &scheme, PlatformServices &platform,
                                         QWidget *owner)
{
    const QString sheet = PageSheet(scheme);
    if (sheet.isEmpty()) {
        platform.messageBox(owner,
                            tr("The page can show the colors once they are complete, as # and "
                               "six hex digits."),
                            MessageBoxStyle::Exclamation, tr("Oops!"));
        return;
    }
    const QString path
        = platform.openFileName(owner, tr("Preview on a Page"), tr(PageFilter), lastFolder());
    if (path.isEmpty())
        return;
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly)) {
        platform.messageBox(owner, tr("Could not read \"%1\": %2.").arg(path, page.errorString()),
                            MessageBoxStyle::Exclamation, tr("Oops!"));
        return;
    }
    const QFileInfo info(path);
    const QString copy = info.dir().filePath(info.completeBaseName() + u".barwright.html"_s);
    const QString error = WriteFileSafely(copy, pageWithSheet(page.readAll(), sheet));
    if (!error.isEmpty()) {
        platform.messageBox(owner, tr("Could not write \"%1\": %2.").arg(copy, error),
                            MessageBoxStyle::Exclamation, tr("Oops!"));
        return;
    }
    rememberPage(path);
    platform.launch(owner, copy);
    platform.messageBox(owner,
                        tr("The built-in web view is not available, so Barwright wrote a copy of "
                           "\"%1\" with the scheme's sheet in it, \"%2\", beside the original, "
                           "and opened it in your browser. Choose Preview on a Page again after "
                           "changing the colors.")
                            .arg(info.fileName(), QFileInfo(copy).fileName()),
                        MessageBoxStyle::Information, tr("Preview on a Page"));
}
