#pragma once

#include "capture/CaptureHost.h"
#include "scheme/SchemeTexts.h"

#include <QMainWindow>

#include <memory>

class ColorEntryRows;
class ColorPicker;
class EntryBox;
class MainStatusBar;
class Marquee;
class PlatformServices;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ScrollbarDiagram;
class StatusPanel;

// The main window (Form1): the scrollbar diagram, the colour rows, the command buttons and the
// menus. The scheme lives in its controls: the texts of the eight entry boxes and the state of
// the base-colour check box.
class MainWindow : public QMainWindow, public CaptureHost
{
    Q_OBJECT

public:
    explicit MainWindow(PlatformServices &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    EntryBox *entryBox(int index) const;
    QCheckBox *baseColorCheck() const { return m_baseColorCheck; }
    QLabel *elementCaption(int element) const;
    ScrollbarDiagram *diagram() const { return m_diagram; }
    QWidget &hostWidget() override { return *this; }
    PlatformServices &platform() const override { return m_platform; }

    // The scheme as the controls hold it now.
    SchemeTexts schemeTexts() const;

    // Puts a colour taken from the screen into entry box `index`, which then has the focus
    // with its whole text selected, so the change handling runs as for any put.
    void putCapturedColor(int index, const QString &colorText) override;

    // Applies the base-colour check box's state to the rows and the diagram.
    void chkBC_Click();

    // Opens a document, a web address or a "mailto:" link with the desktop.
    void Launch(QWidget *owner, const QString &target);

    // The page colours of the last preview.
    QString PreviewTextColor;
    QString PreviewBackColor;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void setTabOrder();
    void startUp();
    QPushButton *commandButton(const QString &name, const QString &caption, QRect twips);
    QAction *menuEntry(QMenu *menu, const QString &name, const QString &caption);

    void connectDiagram();
    // Asks "Save Changes?" when the scheme has changed; false when the user gives up.
    bool offerToSave(const QString &question, bool giveUpWhenNotSaved);

    void saveScheme();
    void loadScheme();
    void importFromPage();
    void saveAsStationery();
    void restoreDefaults();
    void exitProgram();
    void generateCode();
    void showActualSizePreview();
    void showHelpContents();
    void showAbout();
    void openHomePage();
    void statusBarPanelClicked(const StatusPanel *panel);
    void captureScreenColor(int index);

    PlatformServices &m_platform;
    ScrollbarDiagram *m_diagram = nullptr;
    QGroupBox *m_colorsFrame = nullptr;
    QWidget *m_baseColorFrame = nullptr;
    QCheckBox *m_baseColorCheck = nullptr;
    ColorEntryRows *m_rows = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_generateButton = nullptr;
    MainStatusBar *m_statusBar = nullptr;
    Marquee *m_marquee = nullptr;
    std::unique_ptr<ColorPicker> m_colorPicker;
};
