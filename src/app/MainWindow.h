#pragma once

#include "AcceptedColors.h"
#include "capture/CaptureHost.h"
#include "scheme/SchemeTexts.h"

#include <QKeySequence>
#include <QMainWindow>

#include <memory>
#include <optional>

class ColorEntryRows;
class ColorPicker;
class EntryBox;
class MainStatusBar;
class Marquee;
class PagePreviewWindow;
class PlatformServices;
class QAction;
class SchemeHistory;
class StateColorsWindow;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ScrollbarDiagram;
class StatusPanel;

// The main window (Form1): the scrollbar diagram, the colour rows, the command buttons and the
// menus. The scheme lives in its controls: the variant being edited is the texts of the eight
// entry boxes, the state of the base-colour check box and the two face states of the hover and
// pressed window; the other variant, when there is one, waits aside until the user switches.
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

    StateColorsWindow *stateWindow() const { return m_stateWindow; }
    // The Preview on a Page window, once the command has opened it.
    PagePreviewWindow *pagePreview() const { return m_pagePreview; }

    // The variant the controls hold now.
    SchemeTexts schemeTexts() const;
    // The whole scheme: the variant in the controls and the one waiting aside.
    SchemeVariants scheme() const;
    bool isEditingDark() const { return m_editingDark; }

    // Brings the light or the dark variant into the controls, its texts put as any put. Not a
    // change of the scheme; nothing happens without a dark variant.
    void editVariant(bool dark);
    // Replaces the dark variant while the light one is edited, its texts put through the
    // boxes' change handling on the way.
    void replaceDarkVariant(const std::optional<SchemeTexts> &dark);
    void putStates(const std::array<QString, StateCount> &states);
    // Puts a whole scheme into the controls, its texts put as any put, and shows the variant
    // asked for.
    void putScheme(const SchemeVariants &scheme, bool editDark);

    // Loads a scheme file or imports an old page or style sheet, by the file's extension, after
    // the save question: a file named on the command line or dropped onto the window.
    void openFile(const QString &path);

    // Puts a colour taken from the screen into entry box `index`, which then has the focus
    // with its whole text selected, so the change handling runs as for any put.
    void putCapturedColor(int index, const QString &colorText) override;

    // Applies the base-colour check box's state to the rows and the diagram, after the notice.
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
    QAction *menuEntry(QMenu *menu, const QString &name, const QString &caption,
                       QKeySequence::StandardKey key = QKeySequence::UnknownKey);

    void connectDiagram();
    // Asks "Save Changes?" when the scheme has changed; false when the user gives up.
    bool offerToSave(const QString &question, bool giveUpWhenNotSaved);

    // Runs a command as one step of the history.
    void asStep(const QString &caption, void (MainWindow::*command)());
    // Saves through the save dialog; true once saved.
    bool saveToFile();
    void saveScheme();
    void loadScheme();
    // Loads a scheme file, after the save question; an empty path asks for one.
    void loadFile(const QString &path);
    // Imports a page as one step, after the save question; an empty path asks for one.
    void importPage(const QString &path);
    void exportStyleSheet();
    void saveAsStationery();
    void restoreDefaults();
    void applyBaseColorMode();
    void putVariant(const SchemeTexts &texts);
    // The frames' titles and the menu entries for the variants there are.
    void showVariants();
    void deriveDarkVariant();
    void removeDarkVariant();
    void showStateWindow();
    void exitProgram();
    void generateCode();
    void showActualSizePreview();
    void previewOnPage();
    void showSchemeOnPage();
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
    StateColorsWindow *m_stateWindow = nullptr;
    SchemeHistory *m_history = nullptr;
    PagePreviewWindow *m_pagePreview = nullptr;
    std::optional<SchemeTexts> m_otherVariant;
    AcceptedColors m_otherColors = AcceptedColors::defaults();
    bool m_editingDark = false;
    QAction *m_lightAction = nullptr;
    QAction *m_darkAction = nullptr;
    QAction *m_removeDarkAction = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_generateButton = nullptr;
    MainStatusBar *m_statusBar = nullptr;
    Marquee *m_marquee = nullptr;
    std::unique_ptr<ColorPicker> m_colorPicker;
};
