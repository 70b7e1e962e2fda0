#pragma once

#include "CodeText.h"
#include "scheme/SchemeTexts.h"

#include <QDialog>

#include <functional>

class CodeTextView;
class PlatformServices;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The code window (Form2): the scheme's code for copying into a page, in the format the
// user chose (remembered between openings), with the whole text selected when it opens and
// the contrast of the thumb, the arrows and the hover face, for each variant.
class CodeWindow : public QDialog
{
    Q_OBJECT

public:
    CodeWindow(const SchemeVariants &scheme, PlatformServices &platform, QWidget *owner);
    ~CodeWindow() override;

    // Shows the code modally; returns once the window is closed. `optionsChanged` runs each
    // time the user changes the format, the scope or the width.
    static void Show(const SchemeVariants &scheme, PlatformServices &platform, QWidget *owner,
                     const std::function<void()> &optionsChanged = {});

    CodeTextView *codeText() const { return m_text; }
    QPushButton *copyButton() const { return m_copyButton; }
    QPushButton *doneButton() const { return m_doneButton; }
    QComboBox *formatChoice() const { return m_format; }
    QLineEdit *scopeField() const { return m_scope; }
    QRadioButton *wholePageChoice() const { return m_wholePage; }
    QRadioButton *selectorChoice() const { return m_selector; }
    QSpinBox *widthField() const { return m_width; }
    // The contrast readouts: thumb, arrows and hover face of the light variant, then of the
    // dark one. Those a scheme has nothing for are hidden.
    enum ContrastReadout {
        ThumbContrast,
        ArrowContrast,
        HoverContrast,
        DarkThumbContrast,
        DarkArrowContrast,
        DarkHoverContrast,
        ContrastReadouts
    };
    QLabel *contrastLabel(int which) const { return m_contrast[which]; }

    // The options the code is made with, kept in the settings store.
    static CodeOptions StoredOptions();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLayout *buildOptions();
    QLayout *buildContrast();
    QLayout *buildButtons();
    void showCode();
    void showContrast();
    void chooseFormat(int index);
    void applyScope();
    void chooseWholePage();
    void chooseWidth(int width);
    void storeOptions() const;
    std::function<void()> m_optionsChanged;
    void copyToClipboard();

    const SchemeVariants m_scheme;
    PlatformServices &m_platform;
    CodeOptions m_options;
    QString m_code; // as shown, CR LF line ends and all
    bool m_applyingScope = false;
    QString m_refusedScope; // the last text refused as the scope, until it is changed
    QComboBox *m_format = nullptr;
    QRadioButton *m_wholePage = nullptr;
    QRadioButton *m_selector = nullptr;
    QLineEdit *m_scope = nullptr;
    QSpinBox *m_width = nullptr;
    QLabel *m_topLabel = nullptr;
    QLabel *m_classicNote = nullptr;
    CodeTextView *m_text = nullptr;
    QLabel *m_contrast[ContrastReadouts] = {};
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_doneButton = nullptr;
};
