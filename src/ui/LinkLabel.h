#pragma once

#include <QLabel>

// A label that acts as a link: a hand pointer over it, and a click opens its target. The
// keyboard reaches it with Tab, and Enter or Space opens it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &text, QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
