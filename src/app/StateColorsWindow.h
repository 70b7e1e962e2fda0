#pragma once

#include <QDialog>

class QGroupBox;

// The hover and pressed faces of the variant being edited, in a window of their own beside the
// main window. The window lives as long as the main window, hidden or shown, so its two entry
// boxes always hold the faces; the main window's colour rows build and handle them.
class StateColorsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit StateColorsWindow(QWidget *owner);

    QWidget *rowFrame() const;
    // Shows the window, raised; when it was hidden, beside `main`, where it covers none of the
    // rows it works with.
    void showBeside(const QWidget &main);
    // The frame's title tells which variant the faces belong to.
    void setFrameTitle(const QString &title);

    // Where a row's box and buttons go, in twips of the frame: the box's top left, the
    // buttons' left and top.
    static constexpr int BoxLeft = 1590;
    static constexpr int ButtonsLeft = 2670;
    static int boxTop(int row) { return 270 + 420 * row; }

private:
    QGroupBox *m_frame;
};
