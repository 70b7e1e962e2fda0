#include "ExamplePanel.h"

#include "toolkit/Twips.h"

#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

ExamplePanel::ExamplePanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"Picture4"_s);
    // The drawing underneath takes no pointer events while it is covered.
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *picture = new QLabel(this);
    picture->setObjectName(u"Image1"_s);
    picture->setPixmap(unavailablePicture());
    picture->setGeometry(QRect(twipsPoint(300, 390), QSize(82, 81)));

    auto *note = new QLabel(tr("Example image not available when \"Just Set Base Color\" is "
                               "selected. Please use \"Actual Size Preview\" to see results."),
                            this);
    note->setObjectName(u"Label8"_s);
    note->setGeometry(twipsRect(90, 2130, 1665, 4845));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont bold = note->font();
    bold.setBold(true);
    bold.setPointSizeF(9.75);
    note->setFont(bold);
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(red);
}

QPixmap ExamplePanel::unavailablePicture()
{
    QPixmap picture(82, 81);
    picture.fill(Qt::white);
    QPainter painter(&picture);

    // A raised grey button with an up arrow, bevelled like the big drawing.
    const QRect button(21, 24, 40, 34);
    painter.fillRect(button, QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(QColor(0x90, 0x90, 0x90)); // an outline, so the white bevel reads on white
    painter.drawRect(button.adjusted(-1, -1, 0, 0));
    painter.fillRect(QRect(button.left(), button.top(), button.width() - 1, 2), Qt::white);
    painter.fillRect(QRect(button.left(), button.top(), 2, button.height() - 1), Qt::white);
    painter.fillRect(QRect(button.left() + 2, button.bottom() - 3, button.width() - 3, 2),
                     QColor(0x80, 0x80, 0x80));
    painter.fillRect(QRect(button.right() - 3, button.top() + 2, 2, button.height() - 3),
                     QColor(0x80, 0x80, 0x80));
    painter.fillRect(QRect(button.left(), button.bottom() - 1, button.width(), 2), Qt::black);
    painter.fillRect(QRect(button.right() - 1, button.top(), 2, button.height()), Qt::black);
    for (int step = 0; step < 4; ++step)
        painter.fillRect(QRect(37 - step * 2, 34 + step * 3, 7 + step * 4, 3), Qt::black);

    // Over it, a red ring with a bar from upper left to lower right.
    painter.setRenderHint(QPainter::Antialiasing);
    QPen red(QColor(0xD0, 0x10, 0x10), 7);
    red.setCapStyle(Qt::FlatCap);
    painter.setPen(red);
    painter.setBrush(Qt::NoBrush);
    const QRectF ring(8.5, 8, 65, 65);
    painter.drawEllipse(ring);
    const QPointF centre = ring.center();
    const qreal reach = ring.width() / 2 * 0.7071;
    painter.drawLine(centre + QPointF(-reach, -reach), centre + QPointF(reach, reach));
    painter.end();
    return picture;
}
