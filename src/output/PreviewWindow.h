#pragma once

#include <QDialog>

#include <array>

class EntryBox;
class PageView;
class PlatformServices;
class QPushButton;

// The preview window (Form3): the preview page in a page view, and two colour boxes that try
// a text and a background colour on the shown page. "Close" stores both colours.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    // `pageStyleSheet` is added to the page as the view shows it; the file stays as it is.
    PreviewWindow(const QString &pagePath, const QString &pageStyleSheet, const QString &textColor,
                  const QString &backColor, PlatformServices &platform, QWidget *owner);

    EntryBox *colorBox(int index) const { return m_boxes[size_t(index)]; }
    QPushButton *paletteButton(int index) const { return m_paletteButtons[size_t(index)]; }
    QPushButton *closeButton() const { return m_closeButton; }
    PageView *pageView() const { return m_view; }
    bool isLoading() const { return m_loading; }
    bool isPageLoaded() const { return m_pageLoaded; }

Q_SIGNALS:
    void pageLoaded();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct RowTexts
    {
        QString caption;
        QString name; // for screen readers
    };
    void buildColorRow(int index, const RowTexts &texts, const QString &captionName, int leftTwips,
                       int captionWidthTwips);
    void handleChange(int index);
    void choosePaletteColor(int index);
    void storeColorsAndClose();

    PlatformServices &m_platform;
    PageView *m_view = nullptr;
    std::array<EntryBox *, 2> m_boxes{};
    std::array<QPushButton *, 2> m_paletteButtons{};
    QPushButton *m_closeButton = nullptr;
    // Set while the window puts its starting colours; the first change of the background
    // box ends it, and until then no change reaches the page.
    bool m_loading = false;
    bool m_pageLoaded = false;
};
