#include "MainWindow.h"

#include "ColorEntryRows.h"
#include "ElementTable.h"
#include "color/ColorValues.h"
#include "diagram/DiagramLayout.h"
#include "diagram/ScrollbarDiagram.h"
#include "output/ActualSizePreview.h"
#include "output/CodeWindow.h"
#include "storage/SchemeState.h"
#include "toolkit/DefaultButton.h"
#include "toolkit/EntryBox.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/Twips.h"
#include "toolkit/Windows.h"
#include "toolkit/WrappingCheckBox.h"

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

std::array<int, ElementCount> defaultElementColors()
{
    std::array<int, ElementCount> colors{};
    for (int i = 0; i < ElementCount; ++i)
        colors[size_t(i)] = HexToColor(QString::fromUtf16(SchemeElements[size_t(i)].defaultText));
    return colors;
}

} // namespace

MainWindow::MainWindow(PlatformServices &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(tr("Barwright"));
    // A fixed border with a minimize button but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    buildControls();
    buildMenus();
    setTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    startUp();
}

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
    return scheme;
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

    m_diagram = new ScrollbarDiagram(defaultElementColors(), client);
    m_diagram->move(
        twipsRect(DiagramLayout::DiagramPanel.x(), DiagramLayout::DiagramPanel.y(), 0, 0)
            .topLeft());

    m_colorsFrame = new QGroupBox(tr("Colors:"), client);
    m_colorsFrame->setObjectName(u"Frame1"_s);
    m_colorsFrame->setGeometry(twipsRect(2070, 0, 3705, 3915));

    m_baseColorFrame = new QGroupBox(m_colorsFrame);
    m_baseColorFrame->setObjectName(u"Frame2"_s);
    m_baseColorFrame->setGeometry(twipsRect(90, 3120, 3525, 705));

    m_baseColorCheck = new WrappingCheckBox(tr("Just Set Base Color:"), m_baseColorFrame);
    m_baseColorCheck->setObjectName(u"chkBC"_s);
    m_baseColorCheck->setGeometry(twipsRect(180, 210, 1245, 405));
    connect(m_baseColorCheck, &QCheckBox::toggled, this, &MainWindow::chkBC_Click);

    m_rows = new ColorEntryRows(m_colorsFrame, m_baseColorFrame, *m_diagram, m_platform, this);

    m_saveButton
        = commandButton(u"Command3"_s, tr("&Save Color Scheme"), QRect(2070, 3960, 1815, 465));
    m_loadButton
        = commandButton(u"Command2"_s, tr("&Load Color Scheme"), QRect(3960, 3960, 1815, 465));
    m_previewButton
        = commandButton(u"Command4"_s, tr("&Actual Size Preview"), QRect(2070, 4500, 1815, 465));
    m_generateButton
        = commandButton(u"Command1"_s, tr("&Generate Code"), QRect(3960, 4500, 1815, 465));
    DefaultButton::install(this, m_generateButton);
    connect(m_previewButton, &QPushButton::clicked, this, &MainWindow::showActualSizePreview);
    connect(m_generateButton, &QPushButton::clicked, this, &MainWindow::generateCode);

    statusBar()->setObjectName(u"StatusBar1"_s);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(twipsToPixels(StatusBarHeight));
}

QPushButton *MainWindow::commandButton(const QString &name, const QString &caption, QRect twips)
{
    auto *button = new QPushButton(caption, centralWidget());
    button->setObjectName(name);
    button->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

QAction *MainWindow::menuEntry(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(u"mnuFile"_s);
    connect(menuEntry(file, u"mnuFileCopy"_s, tr("&Generate Code")), &QAction::triggered, this,
            &MainWindow::generateCode);
    connect(menuEntry(file, u"mnuFileASP"_s, tr("&Actual Size Preview")), &QAction::triggered, this,
            &MainWindow::showActualSizePreview);
    file->addSeparator();
    menuEntry(file, u"mnuFileSave"_s, tr("&Save Color Scheme"));
    menuEntry(file, u"mnuFileLoad"_s, tr("&Load Color Scheme"));
    file->addSeparator();
    menuEntry(file, u"mnuFileOES"_s, tr("Save as &Outlook Express Stationery"));
    file->addSeparator();
    connect(menuEntry(file, u"mnuFileExit"_s, tr("&Exit")), &QAction::triggered, this,
            &MainWindow::exitProgram);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(u"mnuEdit"_s);
    menuEntry(edit, u"mnuEditRestDef"_s, tr("&Restore Defaults"));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(u"mnuHelp"_s);
    menuEntry(help, u"mnuHelpContents"_s, tr("&Contents"));
    menuEntry(help, u"mnuHelpAbout"_s, tr("&About"));
    help->addSeparator();
    menuEntry(help, u"mnuHelpMoreFree"_s, tr("&More Cool Software"));
}

void MainWindow::setTabOrder()
{
    QList<QWidget *> order{m_generateButton};
    for (int i = 0; i < ElementCount; ++i)
        order << m_rows->box(i) << m_rows->paletteButton(i) << m_rows->captureButton(i);
    order << m_baseColorCheck << m_rows->box(BaseColorIndex)
          << m_rows->paletteButton(BaseColorIndex) << m_rows->captureButton(BaseColorIndex)
          << m_saveButton << m_loadButton << m_previewButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    m_generateButton->setFocus();
}

void MainWindow::startUp()
{
    chkBC_Click();
    // The diagram is created in the default colours; the boxes take them from there.
    for (int i = 0; i < ElementCount; ++i)
        m_rows->box(i)->put(ColorToHex(m_diagram->DiagramElementColor(i)));
    SchemeChanged = false;
}

void MainWindow::chkBC_Click()
{
    const bool on = m_baseColorCheck->isChecked();
    m_rows->setBaseColorMode(on);
    m_diagram->setExamplePanelShown(on);
}

void MainWindow::Launch(QWidget *owner, const QString &target)
{
    m_platform.launch(owner, target);
}

void MainWindow::exitProgram()
{
    EndProgram();
}

void MainWindow::generateCode()
{
    CodeWindow::Show(BuildStyleBlock(schemeTexts()), m_platform, this);
}

void MainWindow::showActualSizePreview()
{
    ShowActualSizePreview(this, schemeTexts(), m_platform, PreviewTextColor, PreviewBackColor);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    CloseOtherWindows(this);
    event->accept();
}
