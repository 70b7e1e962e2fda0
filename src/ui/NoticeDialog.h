#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

class QCheckBox;
class QPushButton;

// A one-time notice: a picture, a text, "Show this message again in the future." and OK. Only
// OK stores the choice, as "1" or "0" under section "General" of the program's settings.
class NoticeDialog : public QDialog
{
    Q_OBJECT

public:
    // Places, in twips, of the parts of a notice.
    struct Layout
    {
        QSize client;
        QRect picture;
        QRect text;
        QRect check;
        QRect ok;
    };

    NoticeDialog(const QString &text, const QString &settingName, const Layout &layout,
                 QWidget *owner);

    // Whether the notice is to be shown: its setting holds exactly "1", or is absent.
    static bool isWanted(const QString &settingName);

    QCheckBox *showAgainCheck() const { return m_showAgain; }
    QPushButton *okButton() const { return m_okButton; }

private:
    void storeChoice();

    QString m_settingName;
    QCheckBox *m_showAgain;
    QPushButton *m_okButton;
};
