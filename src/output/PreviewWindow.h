#pragma once

#include "ModernStyleSheet.h"
#include "scheme/SchemeTexts.h"

#include <QDialog>

#include <array>

class EntryBox;
class PageView;
class PlatformServices;
class QComboBox;
class QPushButton;
class QRadioButton;

// The preview window (Form3): the preview page in a page view, the engine whose drawing it
// shows, the variant it shows when the scheme has a dark one, and two colour boxes that try a
// text and a background colour on the shown page. "Close" stores the colours and the choices;
// "Open in Browser" shows the page with the sheet for today's browsers in the user's browser.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    // The scheme's sheet is added to the page as the view shows it; the file stays as it is.
    PreviewWindow(const QString &pagePath, const SchemeVariants &scheme, const QString &textColor,
                  const QString &backColor, PlatformServices &platform, QWidget *owner);

    EntryBox *colorBox(int index) const { return m_boxes[size_t(index)]; }
    QPushButton *paletteButton(int index) const { return m_paletteButtons[size_t(index)]; }
    QPushButton *closeButton() const { return m_closeButton; }
    QPushButton *browserButton() const { return m_browserButton; }
    PageView *pageView() const { return m_view; }
    QComboBox *engineChoice() const { return m_engine; }
    QRadioButton *variantChoice(bool dark) const { return dark ? m_dark : m_light; }
    bool isLoading() const { return m_loading; }
    bool isPageLoaded() const { return m_pageLoaded; }

    // The stored "Show as" choice, and whether "Dark" was the stored variant.
    static EngineLook StoredLook();
    static bool StoredDarkChoice();

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
    void buildChoices();
    void showChosenLook();
    void storeColorsAndClose();
    void openInBrowser();

    PlatformServices &m_platform;
    PageView *m_view = nullptr;
    std::array<EntryBox *, 2> m_boxes{};
    std::array<QPushButton *, 2> m_paletteButtons{};
    QPushButton *m_closeButton = nullptr;
    QPushButton *m_browserButton = nullptr;
    QString m_pagePath;
    std::array<QString, 2> m_shownColors; // the page's text and background colours as shown
    SchemeVariants m_scheme;
    QComboBox *m_engine = nullptr;
    QRadioButton *m_light = nullptr;
    QRadioButton *m_dark = nullptr;
    // Set while the window puts its starting colours; the first change of the background
    // box ends it, and until then no change reaches the page.
    bool m_loading = false;
    bool m_pageLoaded = false;
};
