#pragma once

#include <QDialog>

class PlatformServices;
class QPlainTextEdit;
class QPushButton;

// The code window (Form2): the style block for copying into a page, with the whole text
// selected when it opens.
class CodeWindow : public QDialog
{
    Q_OBJECT

public:
    CodeWindow(const QString &code, PlatformServices &platform, QWidget *owner);

    // Shows the code modally; returns once the window is closed.
    static void Show(const QString &code, PlatformServices &platform, QWidget *owner);

    QPlainTextEdit *codeText() const { return m_text; }
    QPushButton *copyButton() const { return m_copyButton; }
    QPushButton *doneButton() const { return m_doneButton; }

private:
    void copyToClipboard();

    PlatformServices &m_platform;
    QString m_code; // as given, CR LF line ends and all
    QPlainTextEdit *m_text;
    QPushButton *m_copyButton;
    QPushButton *m_doneButton;
};
