#include "LinkLabel.h"

#include "toolkit/FocusFrame.h"
#include "toolkit/ItemAccessible.h"

#include <QMouseEvent>
#include <QPainter>

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    ItemAccessible::install(this, QAccessible::Link);
    setAccessibleName(text);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (IsActivationKey(*event))
        Q_EMIT clicked();
    else
        QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    DrawFocusFrame(painter, *this, rect());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}
