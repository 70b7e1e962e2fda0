#include "PreviewWindow.h"

#include "ActualSizePreview.h"
#include "CodeText.h"
#include "CodeWindow.h"
#include "PageView.h"
#include "PageViewLoader.h"
#include "PreviewPage.h"
#include "StyleBlock.h"
#include "color/ColorValues.h"
#include "storage/CRegSettings.h"
#include "toolkit/ComboBoxAccessible.h"
#include "toolkit/EntryBox.h"
#include "toolkit/FileErrorMessage.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/TextFit.h"
#include "toolkit/Twips.h"
#include "ui/Pictures.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int TextBox = 0;
constexpr int BackgroundBox = 1;
constexpr int CompleteLength = 7;
// The row of choices between the page and the colour rows, in twips.
constexpr int ChoicesTop = 4350;
constexpr int ChoicesHeight = 420;
const QString Section = u"Preview Colors"_s;
// The stored names of the engine looks, in the order of the choice's entries.
const QStringList LookNames{u"Chromium"_s, u"Firefox"_s, u"Forced"_s};

} // namespace

EngineLook PreviewWindow::StoredLook()
{
    const QString look = ProgramSettings().GetSetting(Section, u"showas"_s, LookNames[0]);
    return EngineLook(std::max<qsizetype>(0, LookNames.indexOf(look)));
}

bool PreviewWindow::StoredDarkChoice()
{
    return ProgramSettings().GetSetting(Section, u"theme"_s) == u"Dark"_s;
}

PreviewWindow::PreviewWindow(const QString &pagePath, const SchemeVariants &scheme,
                             const QString &textColor, const QString &backColor,
                             PlatformServices &platform, QWidget *owner)
    : QDialog(owner)
    , m_platform(platform)
    , m_pagePath(pagePath)
    , m_scheme(scheme)
{
    setObjectName(u"Form3"_s);
    setWindowTitle(tr("Actual Size Preview"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsSize(5100, 5100 + ChoicesHeight));

    m_view = OpenPageView(this, platform.programFolder());
    m_view->widget()->setObjectName(u"wb1"_s);
    m_view->widget()->setGeometry(twipsRect(90, 90, 4905, 4185));
    m_view->setLoadFinishedHandler([this](bool) {
        m_pageLoaded = true;
        Q_EMIT pageLoaded();
    });

    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setObjectName(u"Command1"_s);
    m_closeButton->setGeometry(twipsRect(3240, 4725 + ChoicesHeight, 1785, 345));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &PreviewWindow::storeColorsAndClose);

    m_browserButton = new QPushButton(tr("Open in Browser"), this);
    m_browserButton->setObjectName(u"cmdBrowser"_s);
    m_browserButton->setGeometry(twipsRect(3240, 4350 + ChoicesHeight, 1785, 345));
    m_browserButton->setToolTip(tr("Shows the page with the style sheet for today's browsers in "
                                   "your web browser"));
    connect(m_browserButton, &QPushButton::clicked, this, &PreviewWindow::openInBrowser);

    buildColorRow(TextBox, {tr("Text color:"), tr("Page Text Color")}, u"Label1"_s, 60, 1275);
    buildColorRow(BackgroundBox, {tr("Background color:"), tr("Page Background Color")},
                  u"Label2"_s, 1650, 1545);
    m_view->widget()->setAccessibleName(tr("Preview page"));
    buildChoices();

    QWidget::setTabOrder(m_closeButton, m_browserButton);
    QWidget::setTabOrder(m_browserButton, m_engine);
    QWidget::setTabOrder(m_engine, m_light);
    QWidget::setTabOrder(m_light, m_dark);
    QWidget::setTabOrder(m_dark, m_boxes[0]);
    QWidget::setTabOrder(m_boxes[0], m_paletteButtons[0]);
    QWidget::setTabOrder(m_paletteButtons[0], m_boxes[1]);
    QWidget::setTabOrder(m_boxes[1], m_paletteButtons[1]);
    QWidget::setTabOrder(m_paletteButtons[1], m_view->widget());
    m_closeButton->setFocus();

    // The starting colours reach the boxes but not the page, which already has them; a put
    // that leaves a box as it was changes nothing, so the flag may outlast the load.
    m_loading = true;
    const QString starting[] = {textColor, backColor};
    m_shownColors = {textColor, backColor};
    for (int i : {TextBox, BackgroundBox}) {
        if (m_boxes[size_t(i)]->text() != starting[i])
            m_boxes[size_t(i)]->put(starting[i]);
    }
    showChosenLook();
    m_view->navigate(pagePath);
}

void PreviewWindow::buildChoices()
{
    auto *label = new QLabel(tr("Show as:"), this);
    label->setObjectName(u"lblShowAs"_s);
    label->setGeometry(twipsRect(60, ChoicesTop + 45, 795, 225));
    CondenseToFit(label);

    m_engine = new QComboBox(this);
    ComboBoxAccessible::install(m_engine);
    m_engine->setObjectName(u"cboShowAs"_s);
    m_engine->setGeometry(twipsRect(870, ChoicesTop, 2430, 330));
    m_engine->addItems(
        {tr("Chromium, Edge, Safari"), tr("Firefox (approximated)"), tr("Forced colors")});
    const QString approximated = tr("The built-in engine draws Firefox's scrollbar as an "
                                    "approximation: the face on the track.");
    m_engine->setItemData(1, approximated, Qt::ToolTipRole);
    m_engine->setAccessibleName(tr("Show as"));
    m_engine->setAccessibleDescription(approximated);
    m_engine->setCurrentIndex(int(StoredLook()));
    connect(m_engine, &QComboBox::currentIndexChanged, this, &PreviewWindow::showChosenLook);

    // The page's own colours stay; only the scrollbar's variant changes.
    m_light = new QRadioButton(tr("Light"), this);
    m_light->setObjectName(u"optLight"_s);
    m_light->setGeometry(twipsRect(3420, ChoicesTop + 15, 795, 300));
    m_dark = new QRadioButton(tr("Dark"), this);
    m_dark->setObjectName(u"optDark"_s);
    m_dark->setGeometry(twipsRect(4230, ChoicesTop + 15, 795, 300));
    const bool offered = m_scheme.dark && ResolveSchemeColors(*m_scheme.dark);
    m_light->setVisible(offered);
    m_dark->setVisible(offered);
    (offered && StoredDarkChoice() ? m_dark : m_light)->setChecked(true);
    connect(m_dark, &QRadioButton::toggled, this, &PreviewWindow::showChosenLook);
}

void PreviewWindow::showChosenLook()
{
    const auto look = EngineLook(m_engine->currentIndex());
    m_view->setPageStyleSheet(
        PreviewStyleSheet(m_dark->isChecked() ? *m_scheme.dark : m_scheme.light, look));
}

void PreviewWindow::buildColorRow(int index, const RowTexts &texts, const QString &captionName,
                                  int leftTwips, int captionWidthTwips)
{
    auto *label = new QLabel(texts.caption, this);
    label->setObjectName(captionName);
    label->setGeometry(twipsRect(leftTwips, 4380 + ChoicesHeight, captionWidthTwips, 225));
    CondenseToFit(label);

    auto *box = new EntryBox(this);
    box->setObjectName(u"txtclr"_s + QString::number(index));
    box->setGeometry(twipsRect(leftTwips, 4695 + ChoicesHeight, 1005, 285));
    box->setTypingLimit(CompleteLength);
    box->setKeyFilter(FilterHexKey);
    box->put(u"#"_s);
    box->setAccessibleName(texts.name);
    connect(box, &EntryBox::changed, this, [this, index] { handleChange(index); });
    m_boxes[size_t(index)] = box;

    auto *palette = new QPushButton(PalettePicture(), QString(), this);
    palette->setObjectName(u"selbttn"_s + QString::number(index));
    palette->setToolTip(tr("Choose a color"));
    palette->setAccessibleName(tr("Choose %1").arg(texts.name));
    palette->setGeometry(twipsRect(leftTwips + 1080, 4650 + ChoicesHeight, 405, 375));
    connect(palette, &QPushButton::clicked, this, [this, index] { choosePaletteColor(index); });
    m_paletteButtons[size_t(index)] = palette;
}

// Runs on every put and every edit, and again, nested, for its own put.
void PreviewWindow::handleChange(int index)
{
    if (m_loading) {
        if (index == BackgroundBox)
            m_loading = false;
        return;
    }
    EntryBox *box = m_boxes[size_t(index)];
    const QString text = box->text();
    if (text.size() == CompleteLength && text.startsWith(u'#')) {
        // Only colour text is tried on the page; anything else pasted in stays unapplied.
        if (!IsAcceptableColorEntry(text))
            return;
        m_shownColors[size_t(index)] = text;
        m_view->setDocumentColor(index == TextBox ? PageView::DocumentColor::Text
                                                  : PageView::DocumentColor::Background,
                                 text);
        box->setFocus();
        box->select(1, CompleteLength - 1);
    } else if (!text.startsWith(u'#')) {
        box->put(u'#' + text);
        box->select(int(box->text().size()), 0);
    }
}

void PreviewWindow::choosePaletteColor(int index)
{
    EntryBox *box = m_boxes[size_t(index)];
    const int chosen = m_platform.chooseColor(this, HexToColor(box->text()), true);
    if (chosen != -1)
        box->put(ColorToHex(TranslateColor(chosen)));
}

void PreviewWindow::storeColorsAndClose()
{
    CRegSettings settings = ProgramSettings();
    settings.SaveSetting(u"Preview Colors"_s, u"fgcolor"_s, m_boxes[TextBox]->text());
    settings.SaveSetting(u"Preview Colors"_s, u"bgcolor"_s, m_boxes[BackgroundBox]->text());
    settings.SaveSetting(Section, u"showas"_s, LookNames[m_engine->currentIndex()]);
    // Without a dark variant to show, the stored choice stays for the next scheme that has one.
    if (m_dark->isVisibleTo(this))
        settings.SaveSetting(Section, u"theme"_s, m_dark->isChecked() ? u"Dark"_s : u"Light"_s);
    accept();
}

// The preview page as the window shows it now, its colours included, with the sheet for
// today's browsers as the code window gives it, for the whole page.
void PreviewWindow::openInBrowser()
{
    CodeOptions options;
    options.format = CodeFormat::Modern;
    options.modern.width = CodeWindow::StoredOptions().modern.width;
    const QString sheet = BuildCode(m_scheme, options).value_or(QString());
    const QString styles = BuildStyleBlock(m_scheme.light) + u"\r\n"_s + sheet;
    QString error;
    const QString page = WriteBrowserPage(
        m_pagePath, PreviewPageText(styles, m_shownColors[TextBox], m_shownColors[BackgroundBox]),
        error);
    if (page.isEmpty()) {
        ShowFileError(m_platform, this, error);
        return;
    }
    m_platform.launch(this, page);
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    // Close is the cancel button too: Esc stores the colours as Close does. Closing the
    // window any other way stores nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_closeButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
