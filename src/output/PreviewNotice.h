#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

// The notice before a preview (msg1): which browser the colours need, with a check box that
// switches the notice off. Only OK stores the choice.
class PreviewNotice : public QDialog
{
    Q_OBJECT

public:
    explicit PreviewNotice(QWidget *owner);

    // Whether the user wants the notice before each preview.
    static bool IsWanted();

    QCheckBox *showAgainCheck() const { return m_showAgain; }
    QPushButton *okButton() const { return m_okButton; }

private:
    void storeChoice();

    QCheckBox *m_showAgain;
    QPushButton *m_okButton;
};
