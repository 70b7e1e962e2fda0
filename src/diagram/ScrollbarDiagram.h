#pragma once

#include "ShapePanel.h"

#include <array>

// The magnified scrollbar drawing of the main window (Picture1). Each scheme element's
// rectangles show its last accepted colour, which the entry boxes read back. The arrow box
// (Picture2) sits on the up-arrow button; the example panel (Picture4) covers the drawing in
// base-colour mode.
class ScrollbarDiagram : public ShapePanel
{
    Q_OBJECT

public:
    // `initialColors` are the colour numbers of elements 0 to 6.
    explicit ScrollbarDiagram(const std::array<int, 7> &initialColors, QWidget *parent = nullptr);

    // Paints an element in the colour of an accepted colour text; the base colour (7) and a
    // text that cannot be read paint nothing.
    void PaintDiagramElement(const QString &colorText, int element);

    // Paints an element in a colour number. The hover and pressed faces (8 and 9) show on the
    // thumb while the pointer is over it or presses it; -1 leaves that state to the face.
    void paintElementColor(int element, int color);

    // The colour number an element shows: the fill of the first rectangle of its group; for
    // the hover and pressed faces their colour, or -1.
    int DiagramElementColor(int element) const;

    void setExamplePanelShown(bool shown);

    ShapePanel *arrowBox() const { return m_arrowBox; }
    QWidget *examplePanel() const { return m_examplePanel; }

Q_SIGNALS:
    // The pointer moved over the drawing onto an element's rectangles, or onto none (-1).
    void elementPointed(int element);
    // The pointer moved over the arrow box: onto the arrow, or onto the face around it.
    void arrowBoxPointed(bool onArrow);
    // A mouse button was released over an element's rectangles, or over none (-1).
    void elementReleased(int element);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointF twipsAt(const ShapePanel &panel, QPointF position) const;
    int elementAt(QPointF position) const;
    const ShapePanel &panelOf(int element) const;
    // Tells screen readers the colours the drawing shows.
    void describeColors();
    bool isOnThumb(QPointF position) const;
    // The thumb's face in the face, hover or pressed colour, as the pointer is now.
    void showThumbState();

    ShapePanel *m_arrowBox;
    QWidget *m_examplePanel;
    std::array<int, 2> m_stateColors{-1, -1};
    bool m_pointerOnThumb = false;
    bool m_thumbPressed = false;
};
