#pragma once

#include <QStatusBar>

class StatusPanel;

// The main window's status bar (StatusBar1): a panel with a fixed notice and, at the right,
// the marquee panel. The pointer is a cross while it is over the marquee panel, and a click
// on a panel is reported with the panel, as is Enter or Space on the focused marquee panel.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    MainStatusBar(const QString &notice, int marqueeWidth, QWidget *parent);

    StatusPanel *noticePanel() const { return m_noticePanel; }
    StatusPanel *marqueePanel() const { return m_marqueePanel; }

Q_SIGNALS:
    void panelClicked(StatusPanel *panel);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StatusPanel *panelAt(const QPointF &position) const;

    StatusPanel *m_noticePanel;
    StatusPanel *m_marqueePanel;
    StatusPanel *m_pressedPanel = nullptr;
};
