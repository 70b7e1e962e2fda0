#include "MainWindow.h"

#include "AcceptedColors.h"
#include "ColorEntryRows.h"
#include "FileDropHandler.h"
#include "OpenedFile.h"
#include "RecentFilesMenu.h"
#include "SchemeCommands.h"
#include "SchemeHistory.h"
#include "StateColorsWindow.h"
#include "capture/CaptureState.h"
#include "capture/ColorPicker.h"
#include "color/ColorValues.h"
#include "diagram/DiagramLayout.h"
#include "diagram/ScrollbarDiagram.h"
#include "output/ActualSizePreview.h"
#include "output/CodeWindow.h"
#include "output/PagePreviewWindow.h"
#include "output/PageViewLoader.h"
#include "output/Stationery.h"
#include "output/StyleSheetExporter.h"
#include "scheme/ElementTable.h"
#include "scheme/SchemeColors.h"
#include "storage/RecentFiles.h"
#include "storage/SchemeState.h"
#include "toolkit/DefaultButton.h"
#include "toolkit/EntryBox.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/Twips.h"
#include "toolkit/Windows.h"
#include "toolkit/WrappingCheckBox.h"
#include "ui/AboutWindow.h"
#include "ui/MainStatusBar.h"
#include "ui/Marquee.h"
#include "ui/NoticeDialog.h"
#include "ui/StatusPanel.h"
#include "ui/WebAddresses.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// The client area is 5850 by 5280 twips, the status bar's 285 included.
constexpr int ClientWidth = 5850;
constexpr int ClientHeight = 5280;
constexpr int StatusBarHeight = 285;
constexpr int MarqueePanelWidth = 2250;

const NoticeDialog::Layout BaseColorNoticeLayout{
    QSize(4800, 2850), QRect(180, 270, 480, 480), QRect(900, 180, 3735, 1755),
    QRect(480, 2010, 3900, 285), QRect(1800, 2370, 1215, 375)};

} // namespace

MainWindow::MainWindow(PlatformServices &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_colorPicker(CreateColorPicker())
{
    setObjectName(u"Form1"_s);
    setWindowTitle(tr("Barwright"));
    // A fixed border with a minimize button but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    buildControls();
    m_history = new SchemeHistory(*this);
    connect(new FileDropHandler(this), &FileDropHandler::fileDropped, this, &MainWindow::openFile);
    buildMenus();
    setTabOrder();
    connectDiagram();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    startUp();
    m_history->clear();
}

MainWindow::~MainWindow() = default;

EntryBox *MainWindow::entryBox(int index) const
{
    return m_rows->box(index);
}

SchemeTexts MainWindow::schemeTexts() const
{
    SchemeTexts scheme;
    for (int i = 0; i < EntryCount; ++i)
        scheme.texts[size_t(i)] = entryBox(i)->text();
    scheme.baseColor = m_baseColorCheck->isChecked();
    for (int state = 0; state < StateCount; ++state)
        scheme.states[size_t(state)] = entryBox(EntryCount + state)->text();
    return scheme;
}

SchemeVariants MainWindow::scheme() const
{
    if (m_editingDark)
        return {*m_otherVariant, schemeTexts()};
    return {schemeTexts(), m_otherVariant};
}

void MainWindow::editVariant(bool dark)
{
    if (dark == m_editingDark || !m_otherVariant)
        return;
    const bool changed = SchemeChanged;
    const SchemeTexts shown = schemeTexts();
    const AcceptedColors shownColors = AcceptedColors::shownBy(*m_diagram);
    // Texts that are not complete leave the drawing as it is: it must show this variant's.
    m_otherColors.showOn(*m_diagram);
    putVariant(*m_otherVariant);
    m_otherVariant = shown;
    m_otherColors = shownColors;
    m_editingDark = dark;
    SchemeChanged = changed;
    showVariants();
}

void MainWindow::replaceDarkVariant(const std::optional<SchemeTexts> &dark)
{
    m_otherVariant = dark;
    m_otherColors = AcceptedColors::defaults();
    editVariant(true);
    editVariant(false);
    showVariants();
}

void MainWindow::putVariant(const SchemeTexts &texts)
{
    {
        // Switching is no new choice of the mode: no notice.
        const QSignalBlocker quiet(m_baseColorCheck);
        m_baseColorCheck->setChecked(texts.baseColor);
    }
    applyBaseColorMode();
    for (int i = 0; i < EntryCount; ++i)
        entryBox(i)->put(texts.texts[size_t(i)]);
    putStates(texts.states);
}

void MainWindow::putScheme(const SchemeVariants &scheme, bool editDark)
{
    editVariant(false);
    putVariant(scheme.light);
    replaceDarkVariant(scheme.dark);
    editVariant(editDark);
}

void MainWindow::putStates(const std::array<QString, StateCount> &states)
{
    for (int state = 0; state < StateCount; ++state)
        entryBox(EntryCount + state)->put(states[size_t(state)]);
}

void MainWindow::showVariants()
{
    const bool hasDark = m_editingDark || m_otherVariant;
    const QString title = !hasDark ? tr("Colors:")
        : m_editingDark            ? tr("Dark Colors:")
                                   : tr("Light Colors:");
    m_colorsFrame->setTitle(title);
    m_stateWindow->setFrameTitle(title);
    m_darkAction->setEnabled(hasDark);
    m_removeDarkAction->setEnabled(hasDark);
    (m_editingDark ? m_darkAction : m_lightAction)->setChecked(true);
}

void MainWindow::deriveDarkVariant()
{
    const std::optional<SchemeTexts> dark
        = DeriveDarkVariant(m_editingDark ? *m_otherVariant : schemeTexts());
    if (!dark) {
        m_platform.messageBox(this,
                              tr("The light colors are not complete. Complete them first, then "
                                 "derive the dark colors from them."),
                              MessageBoxStyle::Exclamation, tr("Oops!"));
        return;
    }
    if ((m_editingDark || m_otherVariant)
        && m_platform.messageBox(
               this, tr("Replace the dark colors with colors derived from the light ones?"),
               MessageBoxStyle::YesNo | MessageBoxStyle::Question, tr("Derive Dark Colors"))
            != MessageBoxResult::Yes)
        return;
    editVariant(false);
    m_otherVariant = *dark;
    m_otherColors = AcceptedColors::defaults();
    editVariant(true);
    SchemeChanged = true;
}

void MainWindow::removeDarkVariant()
{
    if (m_platform.messageBox(this, tr("Remove the dark colors from the scheme?"),
                              MessageBoxStyle::YesNo | MessageBoxStyle::Question,
                              tr("Remove Dark Colors"))
        != MessageBoxResult::Yes)
        return;
    editVariant(false);
    m_otherVariant.reset();
    SchemeChanged = true;
    showVariants();
}

void MainWindow::showStateWindow()
{
    const bool opening = m_stateWindow->isHidden();
    m_stateWindow->showBeside(*this);
    // Ready for typing, as the main window's rows are.
    if (opening)
        m_rows->selectBox(HoverIndex);
}

QLabel *MainWindow::elementCaption(int element) const
{
    return m_rows->caption(element);
}

void MainWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFixedSize(twipsSize(ClientWidth, ClientHeight - StatusBarHeight));
    setCentralWidget(client);

    m_diagram = new ScrollbarDiagram(AcceptedColors::defaults().elements, client);
    m_diagram->move(twipsPoint(DiagramLayout::DiagramPanel.x(), DiagramLayout::DiagramPanel.y()));

    m_colorsFrame = new QGroupBox(tr("Colors:"), client);
    m_colorsFrame->setObjectName(u"Frame1"_s);
    m_colorsFrame->setGeometry(twipsRect(2070, 0, 3705, 3915));

    m_baseColorFrame = new QGroupBox(m_colorsFrame);
    m_baseColorFrame->setObjectName(u"Frame2"_s);
    // Untitled, it would take its parent frame's title.
    m_baseColorFrame->setAccessibleName(tr("Base color setting"));
    m_baseColorFrame->setGeometry(twipsRect(90, 3120, 3525, 705));

    m_baseColorCheck = new WrappingCheckBox(tr("Just Set Base Color:"), m_baseColorFrame);
    m_baseColorCheck->setObjectName(u"chkBC"_s);
    m_baseColorCheck->setGeometry(twipsRect(180, 210, 1245, 405));
    connect(m_baseColorCheck, &QCheckBox::toggled, this, &MainWindow::chkBC_Click);

    m_stateWindow = new StateColorsWindow(this);
    m_rows = new ColorEntryRows(m_colorsFrame, m_baseColorFrame, m_stateWindow->rowFrame(),
                                *m_diagram, m_platform, this);
    for (int i = 0; i < ColorEntryRows::RowCount; ++i) {
        QPushButton *capture = m_rows->captureButton(i);
        capture->setAccessibleDescription(m_colorPicker->description());
        connect(capture, &QPushButton::clicked, this, [this, i] { captureScreenColor(i); });
    }

    m_saveButton
        = commandButton(u"Command3"_s, tr("&Save Color Scheme"), QRect(2070, 3960, 1815, 465));
    m_loadButton
        = commandButton(u"Command2"_s, tr("&Load Color Scheme"), QRect(3960, 3960, 1815, 465));
    m_previewButton
        = commandButton(u"Command4"_s, tr("&Actual Size Preview"), QRect(2070, 4500, 1815, 465));
    m_generateButton
        = commandButton(u"Command1"_s, tr("&Generate Code"), QRect(3960, 4500, 1815, 465));
    DefaultButton::install(this, m_generateButton);
    connect(m_saveButton, &QPushButton::clicked, this, &MainWindow::saveScheme);
    connect(m_loadButton, &QPushButton::clicked, this, &MainWindow::loadScheme);
    connect(m_previewButton, &QPushButton::clicked, this, &MainWindow::showActualSizePreview);
    connect(m_generateButton, &QPushButton::clicked, this, &MainWindow::generateCode);

    m_statusBar = new MainStatusBar(tr("Free software from Fernwick"),
                                    twipsToPixels(MarqueePanelWidth), this);
    m_statusBar->setFixedHeight(twipsToPixels(StatusBarHeight));
    m_statusBar->setAccessibleName(tr("Status bar"));
    setStatusBar(m_statusBar);
    connect(m_statusBar, &MainStatusBar::panelClicked, this, &MainWindow::statusBarPanelClicked);
    m_marquee = new Marquee(m_statusBar, this);
}

QPushButton *MainWindow::commandButton(const QString &name, const QString &caption, QRect twips)
{
    auto *button = new QPushButton(caption, centralWidget());
    button->setObjectName(name);
    button->setGeometry(twipsRect(twips));
    return button;
}

QAction *MainWindow::menuEntry(QMenu *menu, const QString &name, const QString &caption,
                               QKeySequence::StandardKey key)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcuts(key);
    return action;
}

void MainWindow::buildMenus()
{
    menuBar()->setAccessibleName(tr("Menu bar"));
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(u"mnuFile"_s);
    connect(menuEntry(file, u"mnuFileCopy"_s, tr("&Generate Code")), &QAction::triggered, this,
            &MainWindow::generateCode);
    connect(menuEntry(file, u"mnuFileASP"_s, tr("&Actual Size Preview")), &QAction::triggered, this,
            &MainWindow::showActualSizePreview);
    connect(menuEntry(file, u"mnuFilePagePreview"_s, tr("Preview on a &Page…")),
            &QAction::triggered, this, &MainWindow::previewOnPage);
    file->addSeparator();
    connect(menuEntry(file, u"mnuFileSave"_s, tr("&Save Color Scheme"), QKeySequence::Save),
            &QAction::triggered, this, &MainWindow::saveScheme);
    connect(menuEntry(file, u"mnuFileLoad"_s, tr("&Load Color Scheme"), QKeySequence::Open),
            &QAction::triggered, this, &MainWindow::loadScheme);
    auto *recent = new RecentFilesMenu(file);
    file->addMenu(recent);
    connect(recent, &RecentFilesMenu::fileChosen, this, &MainWindow::loadFile);
    connect(menuEntry(file, u"mnuFileImport"_s, tr("&Import from Page…")), &QAction::triggered,
            this, [this] { importPage(QString()); });
    QAction *exportSheet = menuEntry(file, u"mnuFileExport"_s, tr("E&xport Style Sheet…"));
    exportSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportSheet, &QAction::triggered, this, &MainWindow::exportStyleSheet);
    file->addSeparator();
    connect(menuEntry(file, u"mnuFileOES"_s, tr("Save as &Outlook Express Stationery")),
            &QAction::triggered, this, &MainWindow::saveAsStationery);
    file->addSeparator();
    connect(menuEntry(file, u"mnuFileExit"_s, tr("&Exit"), QKeySequence::Quit), &QAction::triggered,
            this, &MainWindow::exitProgram);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(u"mnuEdit"_s);
    QAction *undo = m_history->createUndoAction(edit);
    undo->setObjectName(u"mnuEditUndo"_s);
    QAction *redo = m_history->createRedoAction(edit);
    redo->setObjectName(u"mnuEditRedo"_s);
    edit->addActions({undo, redo});
    edit->addSeparator();
    connect(menuEntry(edit, u"mnuEditRestDef"_s, tr("&Restore Defaults")), &QAction::triggered,
            this, [this] { asStep(tr("Restore Defaults"), &MainWindow::restoreDefaults); });
    edit->addSeparator();
    auto *variants = new QActionGroup(this);
    m_lightAction = menuEntry(edit, u"mnuEditLight"_s, tr("&Light Colors"));
    m_darkAction = menuEntry(edit, u"mnuEditDark"_s, tr("&Dark Colors"));
    for (QAction *action : {m_lightAction, m_darkAction}) {
        action->setCheckable(true);
        variants->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] {
            const SchemeHistory::Step notAStep(*m_history);
            editVariant(action == m_darkAction);
        });
    }
    connect(menuEntry(edit, u"mnuEditDerive"_s, tr("Derive Dark &Colors")), &QAction::triggered,
            this, [this] { asStep(tr("Derive Dark Colors"), &MainWindow::deriveDarkVariant); });
    m_removeDarkAction = menuEntry(edit, u"mnuEditRemoveDark"_s, tr("Re&move Dark Colors"));
    connect(m_removeDarkAction, &QAction::triggered, this,
            [this] { asStep(tr("Remove Dark Colors"), &MainWindow::removeDarkVariant); });
    edit->addSeparator();
    connect(menuEntry(edit, u"mnuEditStates"_s, tr("&Hover and Pressed Colors…")),
            &QAction::triggered, this, &MainWindow::showStateWindow);
    showVariants();

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(u"mnuHelp"_s);
    connect(menuEntry(help, u"mnuHelpContents"_s, tr("&Contents"), QKeySequence::HelpContents),
            &QAction::triggered, this, &MainWindow::showHelpContents);
    connect(menuEntry(help, u"mnuHelpAbout"_s, tr("&About")), &QAction::triggered, this,
            &MainWindow::showAbout);
    help->addSeparator();
    connect(menuEntry(help, u"mnuHelpMoreFree"_s, tr("&More Cool Software")), &QAction::triggered,
            this, &MainWindow::openHomePage);
}

void MainWindow::setTabOrder()
{
    QList<QWidget *> order{m_generateButton};
    for (int i = 0; i < ElementCount; ++i)
        order << m_rows->box(i) << m_rows->paletteButton(i) << m_rows->captureButton(i);
    order << m_baseColorCheck << m_rows->box(BaseColorIndex)
          << m_rows->paletteButton(BaseColorIndex) << m_rows->captureButton(BaseColorIndex)
          << m_saveButton << m_loadButton << m_previewButton << m_statusBar->marqueePanel();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    m_generateButton->setFocus();
}

void MainWindow::startUp()
{
    chkBC_Click();
    m_marquee->prepare();
    // The diagram is created in the default colours; the boxes take them from there.
    for (int i = 0; i < ElementCount; ++i)
        m_rows->box(i)->put(ColorToHex(m_diagram->DiagramElementColor(i)));
    SchemeChanged = false;
}

void MainWindow::connectDiagram()
{
    connect(m_diagram, &ScrollbarDiagram::elementPointed, m_rows, &ColorEntryRows::markCaption);
    connect(m_diagram, &ScrollbarDiagram::arrowBoxPointed, m_rows,
            &ColorEntryRows::markArrowOrFace);
    connect(m_diagram, &ScrollbarDiagram::elementReleased, this, [this](int element) {
        if (m_baseColorCheck->isChecked())
            return;
        if (element >= 0)
            m_rows->selectBox(element);
        else
            m_rows->markCaption(-1);
    });
    // Moving onto the window's background or the colours frame unmarks every caption.
    for (QWidget *background : {centralWidget(), static_cast<QWidget *>(m_colorsFrame)}) {
        background->setMouseTracking(true);
        background->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove
        && (watched == centralWidget() || watched == m_colorsFrame))
        m_rows->markCaption(-1);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::chkBC_Click()
{
    const bool on = m_baseColorCheck->isChecked();
    if (on && NoticeDialog::isWanted(u"Show Message 2"_s)) {
        NoticeDialog notice(
            tr("Selecting this option allows you to just define a base color for the scrollbars "
               "without defining colors for each individual element. I.E. then colors the rest "
               "of the elements automatically based on that color when a user loads your page. "
               "The big scrollbar example image at left is not available if you choose this "
               "option. You must use \"Actual Size Preview\" to see the results."),
            u"Show Message 2"_s, BaseColorNoticeLayout, this);
        notice.setObjectName(u"msg2"_s);
        notice.exec();
    }
    applyBaseColorMode();
}

void MainWindow::applyBaseColorMode()
{
    const bool on = m_baseColorCheck->isChecked();
    m_rows->setBaseColorMode(on);
    m_diagram->setExamplePanelShown(on);
}

bool MainWindow::offerToSave(const QString &question, bool giveUpWhenNotSaved)
{
    if (!SchemeChanged)
        return true;
    const int answer = m_platform.messageBox(
        this, question, MessageBoxStyle::YesNoCancel | MessageBoxStyle::Question,
        tr("Save Changes?"));
    if (answer == MessageBoxResult::Cancel)
        return false;
    if (answer == MessageBoxResult::Yes)
        return saveToFile() || !giveUpWhenNotSaved;
    return true;
}

void MainWindow::asStep(const QString &caption, void (MainWindow::*command)())
{
    const SchemeHistory::Step step(*m_history, caption);
    (this->*command)();
}

bool MainWindow::saveToFile()
{
    if (!SaveColorScheme(*this))
        return false;
    m_history->markSaved();
    RecentFiles::add(CurrentSchemeFile);
    return true;
}

void MainWindow::saveScheme()
{
    saveToFile();
}

void MainWindow::loadScheme()
{
    loadFile(QString());
}

void MainWindow::loadFile(const QString &path)
{
    if (!offerToSave(tr("You have made changes to the current color scheme. Would you like to "
                        "save it before loading another?"),
                     true))
        return;
    bool loaded = false;
    {
        const SchemeHistory::Step notAStep(*m_history);
        loaded = LoadColorScheme(*this, path);
    }
    if (loaded) {
        m_history->clear();
        RecentFiles::add(CurrentSchemeFile);
    } else if (!path.isEmpty()) {
        RecentFiles::remove(path);
    }
}

void MainWindow::openFile(const QString &path)
{
    if (OpenedFileKindOf(path) == OpenedFileKind::Page)
        importPage(path);
    else
        loadFile(path);
}

void MainWindow::importPage(const QString &path)
{
    const SchemeHistory::Step step(*m_history, tr("Import from Page"));
    if (offerToSave(tr("You have made changes to the current color scheme. Would you like to "
                       "save it before importing another?"),
                    true))
        ImportFromPage(*this, path);
}

void MainWindow::exportStyleSheet()
{
    StyleSheetExporter(m_platform, this).exportScheme(scheme(), CurrentSchemeFile);
}

void MainWindow::restoreDefaults()
{
    // Unlike closing and loading, restoring goes on when the save is cancelled.
    if (!offerToSave(tr("This will restore all color values to the program defaults. Would you "
                        "like to save the current color scheme first?"),
                     false))
        return;
    editVariant(false);
    m_otherVariant.reset();
    showVariants();
    m_baseColorCheck->setChecked(false);
    chkBC_Click();
    entryBox(BaseColorIndex)->put(QString::fromUtf16(BaseColorDefaultText));
    for (int i = 0; i < ElementCount; ++i)
        entryBox(i)->put(QString::fromUtf16(SchemeElements[size_t(i)].defaultText));
    putStates({});
}

void MainWindow::Launch(QWidget *owner, const QString &target)
{
    m_platform.launch(owner, target);
}

void MainWindow::saveAsStationery()
{
    SaveAsStationery(scheme().light, m_platform, this);
}

void MainWindow::showHelpContents()
{
    m_platform.showHelp(this);
}

void MainWindow::showAbout()
{
    AboutWindow about(this);
    connect(&about, &AboutWindow::openRequested, this,
            [this, &about](const QString &target) { Launch(&about, target); });
    CenterOnScreen(&about);
    about.exec();
}

void MainWindow::openHomePage()
{
    Launch(this, QString::fromUtf16(WebAddresses::HomePage));
}

void MainWindow::statusBarPanelClicked(const StatusPanel *panel)
{
    if (panel->text() == m_statusBar->marqueePanel()->text())
        Launch(this, QString::fromUtf16(WebAddresses::TemplatesSite));
}

void MainWindow::exitProgram()
{
    // With Ctrl+Q on the entry, ending at once would lose the work of a slipped key.
    if (offerToSave(tr("You have made changes to the current color scheme. Would you like to "
                       "save it before exiting?"),
                    true))
        EndProgram();
}

void MainWindow::generateCode()
{
    CodeWindow::Show(scheme(), m_platform, this, [this] { showSchemeOnPage(); });
}

void MainWindow::showActualSizePreview()
{
    ShowActualSizePreview(this, scheme(), m_platform, PreviewTextColor, PreviewBackColor);
    // Its "Show as" and "Light / Dark" choices are the page preview's too.
    showSchemeOnPage();
}

void MainWindow::previewOnPage()
{
    if (m_pagePreview) {
        m_pagePreview->show();
        m_pagePreview->raise();
        m_pagePreview->activateWindow();
        return;
    }
    if (!CanOpenWebPageViews(m_platform.programFolder())) {
        PagePreviewWindow::PreviewInBrowser(scheme(), m_platform, this);
        return;
    }
    m_pagePreview = new PagePreviewWindow(m_platform, this);
    // Every put into a box, and every switch of mode or variant, reaches the page at once.
    for (int i = 0; i < ColorEntryRows::RowCount; ++i)
        connect(entryBox(i), &EntryBox::changed, m_pagePreview, [this] { showSchemeOnPage(); });
    connect(m_baseColorCheck, &QCheckBox::toggled, m_pagePreview, [this] { showSchemeOnPage(); });
    connect(m_pagePreview, &PagePreviewWindow::importRequested, this,
            [this](const QString &name, const LegacyColorImport &result) {
                if (offerToSave(tr("You have made changes to the current color scheme. Would you "
                                   "like to save it before importing another?"),
                                true))
                    ShowImportedColors(*this, name, result);
            });
    showSchemeOnPage();
    m_pagePreview->show();
}

void MainWindow::showSchemeOnPage()
{
    if (m_pagePreview)
        m_pagePreview->showScheme(scheme());
}

void MainWindow::captureScreenColor(int index)
{
    CaptureTarget = index;
    m_colorPicker->pick(*this, index);
}

void MainWindow::putCapturedColor(int index, const QString &colorText)
{
    if (index < 0 || index >= ColorEntryRows::RowCount)
        return;
    entryBox(index)->put(colorText);
    if (index < EntryCount)
        activateWindow();
    else
        showStateWindow();
    m_rows->selectBox(index);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!offerToSave(tr("You have made changes to the current color scheme. Would you like to "
                        "save it before exiting?"),
                     true)) {
        event->ignore();
        return;
    }
    CloseOtherWindows(this);
    event->accept();
}
