#pragma once

#include <QDialog>

class PlatformServices;
class QPlainTextEdit;
class QPushButton;

// What an import from an old page found, applied and set aside, in a small window whose text
// can be selected and copied.
class ImportReportWindow : public QDialog
{
    Q_OBJECT

public:
    ImportReportWindow(const QString &heading, const QString &report, PlatformServices &platform,
                       QWidget *owner);

    // Shows the report modally; returns once the window is closed.
    static void Show(const QString &heading, const QString &report, PlatformServices &platform,
                     QWidget *owner);

    QPlainTextEdit *reportText() const { return m_text; }
    QPushButton *copyButton() const { return m_copyButton; }
    QPushButton *doneButton() const { return m_doneButton; }

private:
    PlatformServices &m_platform;
    QPlainTextEdit *m_text;
    QPushButton *m_copyButton;
    QPushButton *m_doneButton;
};
