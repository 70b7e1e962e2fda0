#include "StatusPanel.h"

#include "toolkit/FocusFrame.h"
#include "toolkit/ItemAccessible.h"

#include <QPainter>

StatusPanel::StatusPanel(const QString &text, QWidget *parent)
    : QFrame(parent)
    , m_text(text)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setMinimumWidth(1);
}

void StatusPanel::setAccessibleRole(QAccessible::Role role)
{
    ItemAccessible::install(this, role);
    // Named once: a marquee's changing text would have a screen reader speak all the time.
    setAccessibleName(m_text);
}

void StatusPanel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (m_picture.isNull())
        update(contentsRect());
}

void StatusPanel::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update(contentsRect());
}

void StatusPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect room = contentsRect();
    painter.setClipRect(room);
    if (m_picture.isNull()) {
        const QRect line = room.adjusted(2, 0, -2, 0);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(m_text, Qt::ElideRight, line.width()));
    } else {
        // The picture's middle on the panel's middle line, as high as the picture may be.
        const int pictureHeight = qRound(m_picture.height() / m_picture.devicePixelRatio());
        painter.drawPixmap(room.left(), room.top() + (room.height() - pictureHeight) / 2,
                           m_picture);
    }
    DrawFocusFrame(painter, *this, room);
}
