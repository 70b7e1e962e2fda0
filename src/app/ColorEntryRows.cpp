#include "ColorEntryRows.h"

#include "StateColorsWindow.h"
#include "color/ColorValues.h"
#include "diagram/ScrollbarDiagram.h"
#include "scheme/SchemeTexts.h"
#include "storage/SchemeState.h"
#include "toolkit/EntryBox.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/TextFit.h"
#include "toolkit/Twips.h"
#include "ui/Pictures.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int TypingLimit = 7;
constexpr int ButtonWidth = 405;
constexpr int ButtonHeight = 375;
constexpr int ButtonGap = 450; // from the palette button's left to the capture button's
constexpr int BoxWidth = 1005;
constexpr int BoxHeight = 285;
constexpr int RowPitch = 420;

QString indexed(const char16_t *name, int index)
{
    return QString::fromUtf16(name) + QString::number(index);
}

// What a screen reader calls the row's colour: "Face Color" … "Track Color", "Base Color",
// "Hover Face Color", "Pressed Face Color".
QString rowName(int index)
{
    if (index >= EntryCount)
        return QString::fromUtf16(SchemeStates[size_t(index - EntryCount)].name);
    return QString::fromUtf16(index < ElementCount ? SchemeElements[size_t(index)].name
                                                   : BaseColorName);
}

} // namespace

ColorEntryRows::ColorEntryRows(QWidget *elementFrame, QWidget *baseFrame, QWidget *stateFrame,
                               ScrollbarDiagram &diagram, PlatformServices &platform,
                               QWidget *window)
    : QObject(window)
    , m_diagram(diagram)
    , m_platform(platform)
    , m_window(window)
{
    const QIcon palette = PalettePicture();
    const QIcon capture = CapturePicture();
    for (int i = 0; i < ElementCount; ++i) {
        const int boxTop = 270 + RowPitch * i;
        buildRow(i, elementFrame, QPoint(1590, boxTop), 2670, boxTop - 60, palette, capture);
        const SchemeElement &element = SchemeElements[size_t(i)];
        m_captions[size_t(i)] = addCaption(elementFrame, QString::fromUtf16(element.caption),
                                           QString::fromUtf16(element.captionName), boxTop);
    }
    buildRow(BaseColorIndex, baseFrame, QPoint(1470, 270), 2550, 210, palette, capture);
    for (int state = 0; state < StateCount; ++state) {
        const int boxTop = StateColorsWindow::boxTop(state);
        buildRow(EntryCount + state, stateFrame, QPoint(StateColorsWindow::BoxLeft, boxTop),
                 StateColorsWindow::ButtonsLeft, boxTop - 60, palette, capture);
        addCaption(stateFrame, QString::fromUtf16(SchemeStates[size_t(state)].caption),
                   indexed(u"lblState", state), boxTop);
    }
}

QLabel *ColorEntryRows::addCaption(QWidget *frame, const QString &text, const QString &name,
                                   int boxTop)
{
    // The caption ends just before its box and sits a little lower.
    auto *caption = new QLabel(text, frame);
    caption->setObjectName(name);
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    caption->setGeometry(twipsRect(30, boxTop + 30, 1545 - 30, 255));
    CondenseToFit(caption);
    return caption;
}

void ColorEntryRows::buildRow(int index, QWidget *frame, QPoint boxTwips, int buttonsLeftTwips,
                              int buttonsTopTwips, const QIcon &palettePicture,
                              const QIcon &capturePicture)
{
    auto *box = new EntryBox(frame);
    box->setObjectName(indexed(u"txtclr", index));
    box->setTypingLimit(TypingLimit);
    box->setKeyFilter(FilterHexKey);
    box->setGeometry(twipsRect(boxTwips.x(), boxTwips.y(), BoxWidth, BoxHeight));
    box->put(u"#"_s);
    box->setAccessibleName(rowName(index));
    box->setAccessibleDescription(tr("A color as # and six hex digits: red, green, blue"));
    connect(box, &EntryBox::changed, this, [this, index] { handleChange(index); });
    m_boxes[size_t(index)] = box;

    auto *palette = new QPushButton(palettePicture, QString(), frame);
    palette->setObjectName(indexed(u"selbttn", index));
    palette->setToolTip(tr("Choose a color"));
    palette->setAccessibleName(tr("Choose %1").arg(rowName(index)));
    palette->setGeometry(twipsRect(buttonsLeftTwips, buttonsTopTwips, ButtonWidth, ButtonHeight));
    connect(palette, &QPushButton::clicked, this, [this, index] { choosePaletteColor(index); });
    m_paletteButtons[size_t(index)] = palette;

    auto *capture = new QPushButton(capturePicture, QString(), frame);
    capture->setObjectName(indexed(u"cmdCC", index));
    capture->setToolTip(tr("Take a color from the screen"));
    capture->setAccessibleName(tr("Take %1 from the screen").arg(rowName(index)));
    capture->setGeometry(
        twipsRect(buttonsLeftTwips + ButtonGap, buttonsTopTwips, ButtonWidth, ButtonHeight));
    m_captureButtons[size_t(index)] = capture;
}

void ColorEntryRows::setBaseColorMode(bool on)
{
    for (int i = 0; i < EntryCount; ++i) {
        const bool enabled = (i == BaseColorIndex) == on;
        if (i < ElementCount)
            m_captions[size_t(i)]->setEnabled(enabled);
        m_boxes[size_t(i)]->setEnabled(enabled);
        m_paletteButtons[size_t(i)]->setEnabled(enabled);
        m_captureButtons[size_t(i)]->setEnabled(enabled);
    }
}

void ColorEntryRows::setCaptionMarked(int element, bool marked)
{
    QLabel *caption = m_captions[size_t(element)];
    // The disabled group keeps the desktop's greyed text, so base-colour mode shows every
    // caption greyed, the marked one included.
    QPalette palette = caption->palette();
    const QColor color = marked ? Qt::red : Qt::black;
    palette.setColor(QPalette::Active, QPalette::WindowText, color);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
    caption->setPalette(palette);
}

void ColorEntryRows::markCaption(int element)
{
    for (int i = 0; i < ElementCount; ++i)
        setCaptionMarked(i, i == element);
}

void ColorEntryRows::markArrowOrFace(bool arrow)
{
    setCaptionMarked(arrow ? ArrowElement : FaceElement, true);
    setCaptionMarked(arrow ? FaceElement : ArrowElement, false);
}

void ColorEntryRows::selectBox(int index)
{
    EntryBox *box = m_boxes[size_t(index)];
    box->setFocus();
    box->select(0, int(box->text().size()));
}

bool ColorEntryRows::refuses(const QString &text)
{
    // A text without its "#" is judged once it has one.
    if (text.size() == TypingLimit - 1 && !text.startsWith(u'#'))
        return !IsAcceptableColorEntry(u'#' + text);
    return text.size() == TypingLimit && !IsAcceptableColorEntry(text);
}

// Runs on every put and every edit, and again, nested, for its own puts.
void ColorEntryRows::handleChange(int index)
{
    SchemeChanged = true;
    EntryBox *box = m_boxes[size_t(index)];
    const QString text = box->text();

    if (text.size() == TypingLimit) {
        if (!IsAcceptableColorEntry(text)) {
            m_platform.messageBox(m_window,
                                  tr("Please enter a valid color value or click the color "
                                     "palette button to choose a color."),
                                  MessageBoxStyle::Exclamation | MessageBoxStyle::HelpButton,
                                  tr("Oops!"));
            // The diagram keeps the element's last accepted colour; the base colour has none,
            // and a face state without one goes back to the face.
            const int last = m_diagram.DiagramElementColor(index);
            if (index != BaseColorIndex)
                box->put(last == -1 ? u"#"_s : ColorToHex(last));
            box->setFocus();
            box->select(1, int(box->text().size()) - 1);
            return;
        }
        m_diagram.PaintDiagramElement(text, index);
    } else if (index >= EntryCount && text.size() <= 1) {
        m_diagram.paintElementColor(index, -1); // the face stands in
    }

    if (!text.startsWith(u'#')) {
        box->put(u'#' + text);
        box->select(int(box->text().size()), 0);
    }
}

void ColorEntryRows::choosePaletteColor(int index)
{
    EntryBox *box = m_boxes[size_t(index)];
    const int chosen = m_platform.chooseColor(m_window, HexToColor(box->text()), true);
    if (chosen == -1)
        return;
    m_diagram.paintElementColor(index, chosen);
    box->put(ColorToHex(TranslateColor(chosen)));
}
