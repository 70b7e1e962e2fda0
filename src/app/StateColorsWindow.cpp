#include "StateColorsWindow.h"

#include "toolkit/TextFit.h"
#include "toolkit/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

StateColorsWindow::StateColorsWindow(QWidget *owner)
    : QDialog(owner)
    , m_frame(new QGroupBox(tr("Colors:"), this))
{
    setObjectName(u"frmStates"_s);
    setWindowTitle(tr("Hover and Pressed Colors"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsSize(3885, 2100));

    m_frame->setObjectName(u"fraStates"_s);
    m_frame->setGeometry(twipsRect(90, 0, 3705, 1530));

    auto *note = new QLabel(tr("A face left as \"#\" takes the face color."), m_frame);
    note->setObjectName(u"lblStatesNote"_s);
    note->setGeometry(twipsRect(180, boxTop(2) + 60, 3435, 255));
    CondenseToFit(note);

    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(u"cmdStatesClose"_s);
    close->setGeometry(twipsRect(2520, 1620, 1275, 375));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QWidget *StateColorsWindow::rowFrame() const
{
    return m_frame;
}

void StateColorsWindow::setFrameTitle(const QString &title)
{
    m_frame->setTitle(title);
}

void StateColorsWindow::showBeside(const QWidget &main)
{
    if (!isVisible()) {
        const QRect owner = main.frameGeometry();
        const QRect screen = main.screen()->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveTop(owner.top());
        // Right of the main window where the screen has room, else left of it.
        if (owner.right() + frame.width() < screen.right())
            frame.moveLeft(owner.right() + 1);
        else
            frame.moveRight(owner.left() - 1);
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}
