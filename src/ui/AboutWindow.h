#pragma once

#include <QDialog>
#include <QPixmap>

class LinkLabel;
class QLabel;
class QPushButton;

// The About window (frmAbout): the program's name, version and purpose on a picture, and
// links to the publisher's home page and support address.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *owner);

    LinkLabel *homePageLink() const { return m_homePageLink; }
    LinkLabel *supportLink() const { return m_supportLink; }
    QPushButton *okButton() const { return m_okButton; }

Q_SIGNALS:
    // A link was clicked: the address or "mailto:" link to hand to the desktop.
    void openRequested(const QString &target);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *label(const QString &name, const QString &text, const QRect &twips);
    LinkLabel *link(const QString &name, const QString &text, const QRect &twips);

    QPixmap m_background;
    LinkLabel *m_homePageLink;
    LinkLabel *m_supportLink;
    QPushButton *m_okButton;
};
