#include "CodeWindow.h"

#include "storage/CRegSettings.h"
#include "toolkit/CodeTextView.h"
#include "toolkit/ComboBoxAccessible.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Code"_s;

struct FormatChoice
{
    const char *caption;
    CodeFormat format;
};

const FormatChoice FormatChoices[] = {
    {QT_TRANSLATE_NOOP("CodeWindow", "Classic block"), CodeFormat::Classic},
    {QT_TRANSLATE_NOOP("CodeWindow", "Today's browsers"), CodeFormat::Modern},
    {QT_TRANSLATE_NOOP("CodeWindow", "Both"), CodeFormat::Both},
};

struct ContrastPair
{
    const char *caption;
    const char *darkCaption;
    const char16_t *objectName;
    int foreground; // an element's index, or HoverIndex
    ElementIndex background;
};

// By readout of the light variant; the dark one's follow in the same order.
const ContrastPair ContrastPairs[] = {
    {QT_TRANSLATE_NOOP("CodeWindow", "Thumb against track"),
     QT_TRANSLATE_NOOP("CodeWindow", "Dark thumb against track"), u"ThumbContrast", FaceElement,
     TrackElement},
    {QT_TRANSLATE_NOOP("CodeWindow", "Arrows against face"),
     QT_TRANSLATE_NOOP("CodeWindow", "Dark arrows against face"), u"ArrowContrast", ArrowElement,
     FaceElement},
    {QT_TRANSLATE_NOOP("CodeWindow", "Hover face against track"),
     QT_TRANSLATE_NOOP("CodeWindow", "Dark hover face against track"), u"HoverContrast", HoverIndex,
     TrackElement},
};
constexpr int PairCount = int(std::size(ContrastPairs));

QString tr(const char *text)
{
    return QCoreApplication::translate("CodeWindow", text);
}

// One readout: the ratio of the pair's colours, marked when under the minimum.
void showRatio(QLabel *label, const QString &caption, const std::optional<SchemeColors> &colors,
               const ContrastPair &pair)
{
    QString text = caption + u": "_s;
    bool low = false;
    if (colors) {
        const double ratio
            = ContrastRatio(colors->at(pair.foreground), colors->at(pair.background));
        // Cut, not rounded, so that a ratio shown as 3.0 passes.
        text += QString::number(std::floor(ratio * 10) / 10, 'f', 1) + u":1"_s;
        low = ratio < NonTextContrastMinimum;
    } else {
        text += u"\u2014"_s;
    }
    if (low)
        text = u"\u26A0 "_s + text + tr(" (under 3:1)");
    label->setText(text);
    label->setStyleSheet(low ? u"color: #B00000; font-weight: bold;"_s : QString());
}

} // namespace

CodeOptions CodeWindow::StoredOptions()
{
    const CRegSettings settings = ProgramSettings();
    CodeOptions options;
    options.format = CodeFormatFromName(settings.GetSetting(Section, u"Format"_s))
                         .value_or(CodeFormat::Classic);
    if (options.format == CodeFormat::Css)
        options.format = CodeFormat::Modern;
    options.modern.scope
        = ScopeSelector(settings.GetSetting(Section, u"Scope"_s)).value_or(QString());
    const int width = settings.GetSetting(Section, u"Width"_s).toInt();
    if (width >= MinimumScrollbarWidth && width <= MaximumScrollbarWidth)
        options.modern.width = width;
    return options;
}

CodeWindow::CodeWindow(const SchemeVariants &scheme, PlatformServices &platform, QWidget *owner)
    : QDialog(owner)
    , m_scheme(scheme)
    , m_platform(platform)
    , m_options(StoredOptions())
{
    setObjectName(u"Form2"_s);
    setWindowTitle(tr("Barwright - Code"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    m_topLabel = new QLabel(this);
    m_topLabel->setObjectName(u"Label1"_s);
    m_topLabel->setTextFormat(Qt::PlainText);
    m_topLabel->setWordWrap(true);

    m_classicNote = new QLabel(tr("Today's browsers ignore these properties: choose \"Today's "
                                  "browsers\" for code that colors their scrollbars."),
                               this);
    m_classicNote->setObjectName(u"lblClassicNote"_s);
    m_classicNote->setWordWrap(true);

    m_text = new CodeTextView(this);
    m_text->setObjectName(u"Text1"_s);
    m_text->setAccessibleName(tr("Code"));
    m_text->verticalScrollBar()->setAccessibleName(tr("Scroll the code"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setMinimumHeight(twipsSize(0, 2400).height());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_topLabel);
    layout->addLayout(buildOptions());
    layout->addWidget(m_classicNote);
    layout->addWidget(m_text, 1);
    layout->addLayout(buildContrast());
    layout->addLayout(buildButtons());

    QWidget::setTabOrder(m_text, m_doneButton);
    QWidget::setTabOrder(m_doneButton, m_copyButton);
    QWidget::setTabOrder(m_copyButton, m_format);
    QWidget::setTabOrder(m_format, m_wholePage);
    QWidget::setTabOrder(m_wholePage, m_selector);
    QWidget::setTabOrder(m_selector, m_scope);
    QWidget::setTabOrder(m_scope, m_width);

    showCode();
    showContrast();
    // Wide enough for the new fields, the text area taking the rest of the height.
    const int width = std::max(twipsSize(6000, 0).width(), minimumSizeHint().width());
    resize(width, std::max(twipsSize(0, 4710).height(), heightForWidth(width)));
}

CodeWindow::~CodeWindow()
{
    // The scope field loses the focus as the widgets go, after this part of the window.
    m_scope->disconnect(this);
}

QLayout *CodeWindow::buildOptions()
{
    m_format = new QComboBox(this);
    m_format->setObjectName(u"cboFormat"_s);
    ComboBoxAccessible::install(m_format);
    m_format->setAccessibleName(tr("Code format"));
    for (const FormatChoice &choice : FormatChoices) {
        m_format->addItem(tr(choice.caption), int(choice.format));
        if (choice.format == m_options.format)
            m_format->setCurrentIndex(m_format->count() - 1);
    }
    connect(m_format, &QComboBox::activated, this, &CodeWindow::chooseFormat);

    m_wholePage = new QRadioButton(tr("Whole &page"), this);
    m_wholePage->setObjectName(u"optWholePage"_s);
    m_selector = new QRadioButton(tr("&Element:"), this);
    m_selector->setObjectName(u"optSelector"_s);
    m_selector->setAccessibleName(tr("Scope: element"));
    auto *scopeGroup = new QButtonGroup(this);
    scopeGroup->addButton(m_wholePage);
    scopeGroup->addButton(m_selector);
    m_scope = new QLineEdit(m_options.modern.scope, this);
    m_scope->setObjectName(u"txtScope"_s);
    m_scope->setAccessibleName(tr("Scope selector"));
    m_scope->setPlaceholderText(tr("such as .sidebar"));
    m_scope->setToolTip(tr("The CSS selector of the elements whose scrollbars take the colors, "
                           "such as .sidebar, #menu, main > pre or div.note; several with "
                           "commas between them, such as .list, .grid"));
    auto *scopeLabel = new QLabel(tr("&Scope:"), this);
    // Tab reaches only the checked choice, and the label's key leads to it; the arrow keys
    // move between the two.
    const auto tabToChecked = [this, scopeLabel] {
        for (QRadioButton *choice : {m_wholePage, m_selector})
            choice->setFocusPolicy(choice->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        scopeLabel->setBuddy(m_wholePage->isChecked() ? m_wholePage : m_selector);
    };
    connect(m_wholePage, &QRadioButton::toggled, this, tabToChecked);
    (m_options.modern.scope.isEmpty() ? m_wholePage : m_selector)->setChecked(true);
    tabToChecked(); // the whole page may have been unchecked all along
    // Toggled, not clicked: the arrow keys move between the two as well.
    connect(m_wholePage, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseWholePage();
    });
    connect(m_selector, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_scope->setFocus();
        if (!m_scope->text().trimmed().isEmpty())
            applyScope();
    });
    // Typing a selector chooses it as the scope, once the typing is finished.
    connect(m_scope, &QLineEdit::textEdited, m_selector, [this] {
        m_refusedScope.clear();
        const QSignalBlocker quiet(m_selector);
        m_selector->setChecked(true);
    });
    connect(m_scope, &QLineEdit::editingFinished, this, &CodeWindow::applyScope);

    m_width = new QSpinBox(this);
    m_width->setObjectName(u"txtWidth"_s);
    m_width->setRange(MinimumScrollbarWidth, MaximumScrollbarWidth);
    m_width->setSuffix(u" px"_s);
    m_width->setValue(m_options.modern.width);
    m_width->setAccessibleName(tr("Scrollbar width"));
    connect(m_width, &QSpinBox::valueChanged, this, &CodeWindow::chooseWidth);

    auto *scopeRow = new QHBoxLayout;
    scopeRow->addWidget(m_wholePage);
    scopeRow->addWidget(m_selector);
    scopeRow->addWidget(m_scope, 1);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("&Format:"), m_format);
    form->addRow(scopeLabel, scopeRow);
    form->addRow(tr("&Width:"), m_width);
    return form;
}

QLayout *CodeWindow::buildContrast()
{
    auto *column = new QVBoxLayout;
    for (int i = 0; i < ContrastReadouts; ++i) {
        m_contrast[i] = new QLabel(this);
        m_contrast[i]->setObjectName((i < PairCount ? u"lbl"_s : u"lblDark"_s)
                                     + QString::fromUtf16(ContrastPairs[i % PairCount].objectName));
        m_contrast[i]->setToolTip(
            tr("Parts of a control need a contrast of at least 3:1 with what lies around them "
               "(WCAG 2.x, success criterion 1.4.11, non-text contrast); below that, people "
               "with low vision may not make out the thumb, the arrows or the hover face."));
        column->addWidget(m_contrast[i]);
    }
    return column;
}

QLayout *CodeWindow::buildButtons()
{
    m_copyButton = new QPushButton(tr("Copy to Clipboard"), this);
    m_copyButton->setObjectName(u"Command2"_s);
    m_copyButton->setMinimumSize(twipsSize(2205, 435));
    connect(m_copyButton, &QPushButton::clicked, this, &CodeWindow::copyToClipboard);

    m_doneButton = new QPushButton(tr("Done"), this);
    m_doneButton->setObjectName(u"Command1"_s);
    m_doneButton->setMinimumSize(twipsSize(1035, 435));
    connect(m_doneButton, &QPushButton::clicked, this, &QDialog::accept);

    // No default button: Enter in the text or the fields must not close the window.
    for (QPushButton *button : {m_copyButton, m_doneButton})
        button->setAutoDefault(false);

    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_copyButton);
    row->addWidget(m_doneButton);
    return row;
}

void CodeWindow::Show(const SchemeVariants &scheme, PlatformServices &platform, QWidget *owner,
                      const std::function<void()> &optionsChanged)
{
    CodeWindow window(scheme, platform, owner);
    window.m_optionsChanged = optionsChanged;
    window.m_text->setFocus();
    window.exec();
}

void CodeWindow::showCode()
{
    const bool classic = m_options.format == CodeFormat::Classic;
    m_topLabel->setText(
        classic ? tr("Here is the code to colorize your page's scrollbars in I.E. 5.5 or later. "
                     "Just copy and paste it into the <HEAD> section of your page.")
            : m_options.format == CodeFormat::Both
            ? tr("Here is the code to colorize your page's scrollbars in today's browsers and in "
                 "I.E. 5.5 or later. Just copy and paste it into the <HEAD> section of your page.")
            : tr("Here is the code to colorize your page's scrollbars in today's browsers. Just "
                 "copy and paste it into the <HEAD> section of your page."));
    m_classicNote->setVisible(classic);
    for (QWidget *field : {static_cast<QWidget *>(m_wholePage), static_cast<QWidget *>(m_selector),
                           static_cast<QWidget *>(m_scope), static_cast<QWidget *>(m_width)})
        field->setEnabled(!classic);

    const std::optional<QString> code = BuildCode(m_scheme, m_options);
    m_code = code.value_or(QString());
    m_copyButton->setEnabled(code.has_value());
    if (code) {
        m_text->setPlainText(m_code);
    } else {
        const IncompleteColor incomplete
            = FirstIncompleteColor(m_scheme).value_or(IncompleteColor());
        const QString name = EntryColorName(incomplete.index);
        m_text->setPlainText(tr("The code for today's browsers needs every color complete, "
                                "as # and six hex digits. Complete the %1 first.")
                                 .arg(incomplete.dark ? tr("dark %1").arg(name) : name));
    }
    // Everything selected, so that the desktop's copy keystroke takes all of it.
    m_text->selectAll();
}

void CodeWindow::showContrast()
{
    for (int i = 0; i < ContrastReadouts; ++i) {
        const bool dark = i >= PairCount;
        const ContrastPair &pair = ContrastPairs[i % PairCount];
        const SchemeTexts *variant
            = dark ? (m_scheme.dark ? &*m_scheme.dark : nullptr) : &m_scheme.light;
        // The layout of a scheme without a dark variant or a hover face stays as it was.
        const bool shown = variant
            && (pair.foreground != HoverIndex || !IsNoStateText(variant->states[HoverState]));
        m_contrast[i]->setVisible(shown);
        if (shown)
            showRatio(m_contrast[i], tr(dark ? pair.darkCaption : pair.caption),
                      ResolveSchemeColors(*variant), pair);
    }
}

void CodeWindow::chooseFormat(int index)
{
    m_options.format = CodeFormat(m_format->itemData(index).toInt());
    storeOptions();
    showCode();
}

void CodeWindow::applyScope()
{
    // The message box takes the focus, which would finish the editing once more.
    // Leaving the field with a text already refused says nothing more.
    if (m_applyingScope || !m_selector->isChecked()
        || (!m_refusedScope.isEmpty() && m_scope->text() == m_refusedScope))
        return;
    m_applyingScope = true;
    const std::optional<QString> selector = ScopeSelector(m_scope->text());
    if (selector) {
        m_refusedScope.clear();
        m_options.modern.scope = *selector;
        m_scope->setText(*selector);
        storeOptions();
        showCode();
    } else {
        m_refusedScope = m_scope->text();
        const QString problem = ScopeSelectorProblem(m_scope->text());
        const QString refused = problem.isEmpty()
            ? tr("\"%1\" cannot be the scope.").arg(m_scope->text())
            : tr("\"%1\" cannot be the scope: %2.").arg(m_scope->text(), problem);
        m_platform.messageBox(this,
                              refused
                                  + tr(" Type a CSS selector such as .sidebar or #menu, without "
                                       "braces, semicolons, angle brackets or comments, or "
                                       "choose Whole page."),
                              MessageBoxStyle::Exclamation, tr("Oops!"));
        // The scope in force stays; the refused text stays too, selected, to be corrected.
        if (m_options.modern.scope.isEmpty())
            m_wholePage->setChecked(true);
        m_scope->setFocus();
        m_scope->selectAll();
    }
    m_applyingScope = false;
}

void CodeWindow::chooseWholePage()
{
    m_options.modern.scope.clear();
    storeOptions();
    showCode();
}

void CodeWindow::chooseWidth(int width)
{
    m_options.modern.width = width;
    storeOptions();
    showCode();
}

void CodeWindow::storeOptions() const
{
    CRegSettings settings = ProgramSettings();
    settings.SaveSetting(Section, u"Format"_s, CodeFormatName(m_options.format));
    settings.SaveSetting(Section, u"Scope"_s, m_options.modern.scope);
    settings.SaveSetting(Section, u"Width"_s, QString::number(m_options.modern.width));
    if (m_optionsChanged)
        m_optionsChanged();
}

void CodeWindow::copyToClipboard()
{
    // The whole code, whatever is selected.
    m_platform.setClipboardText(m_code);
    m_platform.messageBox(this, tr("Code succesfully copied to clipboard."),
                          MessageBoxStyle::Information, tr("Code Copied"));
}

void CodeWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter presses a focused button and does nothing elsewhere; Esc still closes.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
