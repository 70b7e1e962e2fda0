#include "ScrollbarDiagram.h"

#include "DiagramHitTest.h"
#include "DiagramLayout.h"
#include "ExamplePanel.h"
#include "color/ColorValues.h"
#include "scheme/SchemeTexts.h"
#include "toolkit/ItemAccessible.h"
#include "toolkit/Twips.h"

#include <QMouseEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

ScrollbarDiagram::ScrollbarDiagram(const std::array<int, 7> &initialColors, QWidget *parent)
    : ShapePanel(DiagramLayout::PanelShapes(), parent)
    , m_arrowBox(new ShapePanel(DiagramLayout::ArrowShapes(), this))
    , m_examplePanel(new ExamplePanel(this))
{
    setObjectName(u"Picture1"_s);
    ItemAccessible::install(this, QAccessible::Graphic);
    setAccessibleName(tr("Scrollbar example"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setLines(DiagramLayout::OutlineLines());
    setBackColor(NumberFromColor(palette().color(QPalette::Base)));
    setFixedSize(
        twipsSize(DiagramLayout::DiagramPanel.width(), DiagramLayout::DiagramPanel.height()));

    m_arrowBox->setObjectName(u"Picture2"_s);
    m_arrowBox->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_arrowBox->setLineWidth(1);
    m_arrowBox->setGeometry(pixelRect(DiagramLayout::ArrowBox));
    // The arrow box answers for the pointer over it; the drawing below hears nothing then.
    m_arrowBox->setMouseTracking(true);
    m_arrowBox->setAttribute(Qt::WA_NoMousePropagation);
    m_arrowBox->installEventFilter(this);
    setMouseTracking(true);

    m_examplePanel->setGeometry(pixelRect(DiagramLayout::ExamplePanel));
    m_examplePanel->hide();

    for (int element = 0; element < ElementCount; ++element)
        paintElementColor(element, initialColors[size_t(element)]);
}

void ScrollbarDiagram::PaintDiagramElement(const QString &colorText, int element)
{
    const int color = HexToColor(colorText);
    if (color != -1)
        paintElementColor(element, color);
}

void ScrollbarDiagram::paintElementColor(int element, int color)
{
    if (element == HoverIndex || element == PressedIndex) {
        m_stateColors[size_t(element - EntryCount)] = color;
        showThumbState();
        return;
    }
    if (element < 0 || element >= ElementCount)
        return;
    if (element == ArrowElement) {
        m_arrowBox->setElementColor(element, color);
        describeColors();
        return;
    }
    setElementColor(element, color);
    // The arrow sits on the face colour.
    if (element == FaceElement) {
        m_arrowBox->setBackColor(color);
        showThumbState();
    }
    describeColors();
}

void ScrollbarDiagram::describeColors()
{
    QStringList colors;
    for (int element = 0; element < ElementCount; ++element) {
        colors << QString::fromUtf16(SchemeElements[size_t(element)].name) + u' '
                + ColorToHex(DiagramElementColor(element));
    }
    setAccessibleDescription(colors.join(u", "_s));
}

const ShapePanel &ScrollbarDiagram::panelOf(int element) const
{
    if (element == ArrowElement)
        return *m_arrowBox;
    return *this;
}

int ScrollbarDiagram::DiagramElementColor(int element) const
{
    if (element == HoverIndex || element == PressedIndex)
        return m_stateColors[size_t(element - EntryCount)];
    const auto &shapes = panelOf(element).shapes();
    const auto first = std::ranges::find_if(shapes, [element](const DiagramShape &shape) {
        return shape.element == element && shape.index == 0;
    });
    return first == shapes.end() ? 0 : first->fillColor;
}

void ScrollbarDiagram::setExamplePanelShown(bool shown)
{
    m_examplePanel->setVisible(shown);
    m_arrowBox->setVisible(!shown);
}

QPointF ScrollbarDiagram::twipsAt(const ShapePanel &panel, QPointF position) const
{
    // Pointer positions count from the inner area, in twips.
    return (position - panel.contentsRect().topLeft()) * TwipsPerPixel;
}

int ScrollbarDiagram::elementAt(QPointF position) const
{
    const QRect box = m_arrowBox->geometry().translated(-contentsRect().topLeft());
    const QRect boxTwips(box.topLeft() * TwipsPerPixel, box.size() * TwipsPerPixel);
    return OuterHitTest(twipsAt(*this, position), shapes(), boxTwips);
}

bool ScrollbarDiagram::isOnThumb(QPointF position) const
{
    return IsStrictlyInside(twipsAt(*this, position), DiagramLayout::Thumb);
}

void ScrollbarDiagram::showThumbState()
{
    // A state without a face of its own shows the face, as the pages' rules do: pressed wins
    // over hover even then.
    int color = -1;
    if (m_thumbPressed)
        color = m_stateColors[PressedState];
    else if (m_pointerOnThumb)
        color = m_stateColors[HoverState];
    if (color == -1)
        color = DiagramElementColor(FaceElement);
    setShapeColor(FaceElement, DiagramLayout::ThumbFaceIndex, color);
}

void ScrollbarDiagram::mouseMoveEvent(QMouseEvent *event)
{
    m_pointerOnThumb = isOnThumb(event->position());
    showThumbState();
    Q_EMIT elementPointed(elementAt(event->position()));
}

void ScrollbarDiagram::mousePressEvent(QMouseEvent *event)
{
    m_thumbPressed = event->button() == Qt::LeftButton && isOnThumb(event->position());
    showThumbState();
    ShapePanel::mousePressEvent(event);
}

void ScrollbarDiagram::mouseReleaseEvent(QMouseEvent *event)
{
    m_thumbPressed = false;
    showThumbState();
    Q_EMIT elementReleased(elementAt(event->position()));
}

void ScrollbarDiagram::leaveEvent(QEvent *event)
{
    m_pointerOnThumb = false;
    showThumbState();
    ShapePanel::leaveEvent(event);
}

bool ScrollbarDiagram::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_arrowBox)
        return false;
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool onArrow
        = ArrowHitTest(twipsAt(*m_arrowBox, mouse->position()), m_arrowBox->shapes());
    if (event->type() == QEvent::MouseMove)
        Q_EMIT arrowBoxPointed(onArrow);
    else if (onArrow)
        Q_EMIT elementReleased(ArrowElement);
    else if (m_arrowBox->rect().contains(mouse->position().toPoint()))
        // Around the arrow the pointer marks the face, so a click there selects the face.
        Q_EMIT elementReleased(FaceElement);
    return false;
}
