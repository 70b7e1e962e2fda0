#include "ScrollbarDiagram.h"

#include "DiagramLayout.h"
#include "color/ColorValues.h"
#include "toolkit/Twips.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int FaceElement = 0;
constexpr int ArrowElement = 1;
constexpr int DiagramElements = 7;

} // namespace

ScrollbarDiagram::ScrollbarDiagram(const std::array<int, 7> &initialColors, QWidget *parent)
    : ShapePanel(DiagramLayout::PanelShapes(), parent)
    , m_arrowBox(new ShapePanel(DiagramLayout::ArrowShapes(), this))
    , m_examplePanel(new QWidget(this))
{
    setObjectName(u"Picture1"_s);
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

    m_examplePanel->setObjectName(u"Picture4"_s);
    m_examplePanel->setGeometry(pixelRect(DiagramLayout::ExamplePanel));
    m_examplePanel->setAutoFillBackground(true);
    QPalette white = m_examplePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_examplePanel->setPalette(white);
    m_examplePanel->hide();

    for (int element = 0; element < DiagramElements; ++element)
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
    if (element < 0 || element >= DiagramElements)
        return;
    if (element == ArrowElement) {
        m_arrowBox->setElementColor(element, color);
        return;
    }
    setElementColor(element, color);
    // The arrow sits on the face colour.
    if (element == FaceElement)
        m_arrowBox->setBackColor(color);
}

const ShapePanel &ScrollbarDiagram::panelOf(int element) const
{
    if (element == ArrowElement)
        return *m_arrowBox;
    return *this;
}

int ScrollbarDiagram::DiagramElementColor(int element) const
{
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
