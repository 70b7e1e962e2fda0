#pragma once

#include <QAccessible>
#include <QFrame>
#include <QPixmap>

// One panel of the status bar: a text, or a picture when it has one. The text is kept even
// while a picture covers it, so a panel can be told by its text. Mouse events go to the bar.
// A panel the keyboard can reach shows a focus frame while it has the focus.
class StatusPanel : public QFrame
{
    Q_OBJECT

public:
    explicit StatusPanel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    // How screen readers see the panel, named by its text of now; call once, before it shows.
    void setAccessibleRole(QAccessible::Role role);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QPixmap m_picture;
};
