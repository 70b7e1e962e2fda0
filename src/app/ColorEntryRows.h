#pragma once

#include <QObject>

#include <array>

class EntryBox;
class QIcon;
class PlatformServices;
class QLabel;
class QPushButton;
class ScrollbarDiagram;

// The colour rows of the scheme: for each element, the base colour and the hover and pressed
// faces an entry box (txtclr), a palette button (selbttn) and a capture button (cmdCC), and but
// for the base colour a caption. Owns the change handling of the boxes, which keeps the diagram
// in step with accepted entries and puts refused ones back.
class ColorEntryRows : public QObject
{
    Q_OBJECT

public:
    // Rows 0 to 6 go into `elementFrame`, row 7 into `baseFrame`, rows 8 and 9 into
    // `stateFrame`; `window` owns the dialogs.
    ColorEntryRows(QWidget *elementFrame, QWidget *baseFrame, QWidget *stateFrame,
                   ScrollbarDiagram &diagram, PlatformServices &platform, QWidget *window);

    static constexpr int RowCount = 10;

    EntryBox *box(int index) const { return m_boxes[size_t(index)]; }
    QPushButton *paletteButton(int index) const { return m_paletteButtons[size_t(index)]; }
    QPushButton *captureButton(int index) const { return m_captureButtons[size_t(index)]; }
    QLabel *caption(int element) const { return m_captions[size_t(element)]; }

    // Rows 0 to 6 are usable in seven-colour mode, row 7 in base-colour mode.
    void setBaseColorMode(bool on);

    // Captions are marked red and unmarked black. Marks one element's caption and unmarks the
    // others; -1 unmarks all.
    void markCaption(int element);
    // Marks the arrow's caption and unmarks the face's, or the other way round; the other
    // captions stay as they are.
    void markArrowOrFace(bool arrow);

    // Gives a box the focus with its whole text selected.
    void selectBox(int index);

    // Whether the change handling refuses a text put into a box, and puts another back.
    static bool refuses(const QString &text);

private:
    void buildRow(int index, QWidget *frame, QPoint boxTwips, int buttonsLeftTwips,
                  int buttonsTopTwips, const QIcon &palettePicture, const QIcon &capturePicture);
    QLabel *addCaption(QWidget *frame, const QString &text, const QString &name, int boxTop);
    void handleChange(int index);
    void choosePaletteColor(int index);
    void setCaptionMarked(int element, bool marked);

    ScrollbarDiagram &m_diagram;
    PlatformServices &m_platform;
    QWidget *m_window;
    std::array<EntryBox *, RowCount> m_boxes{};
    std::array<QPushButton *, RowCount> m_paletteButtons{};
    std::array<QPushButton *, RowCount> m_captureButtons{};
    std::array<QLabel *, 7> m_captions{};
};
