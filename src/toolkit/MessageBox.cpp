#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

struct ButtonSet
{
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton escape;
};

ButtonSet buttonsFor(int style)
{
    switch (style & 0xF) {
    case MessageBoxStyle::OkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MessageBoxStyle::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                QMessageBox::Cancel};
    case MessageBoxStyle::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    default: return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case MessageBoxStyle::Critical: return QMessageBox::Critical;
    case MessageBoxStyle::Question: return QMessageBox::Question;
    case MessageBoxStyle::Exclamation: return QMessageBox::Warning;
    case MessageBoxStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int resultFor(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Cancel: return MessageBoxResult::Cancel;
    case QMessageBox::Yes: return MessageBoxResult::Yes;
    case QMessageBox::No: return MessageBoxResult::No;
    default: return MessageBoxResult::Ok;
    }
}

} // namespace

int ShowMessageBox(QWidget *owner, const QString &text, int style, const QString &title,
                   const std::function<void()> &help)
{
    const ButtonSet set = buttonsFor(style);
    QMessageBox box(iconFor(style), title, text, set.buttons, owner);
    box.setEscapeButton(set.escape);
    box.setDefaultButton(set.first);
    QPushButton *helpButton = nullptr;
    if (style & MessageBoxStyle::HelpButton)
        helpButton = box.addButton(QMessageBox::Help);

    // QMessageBox closes on every button; Help asks for help and shows the box again.
    for (;;) {
        box.exec();
        if (!helpButton || box.clickedButton() != helpButton)
            break;
        if (help)
            help();
    }
    const auto clicked = box.standardButton(box.clickedButton());
    return resultFor(clicked == QMessageBox::NoButton ? set.escape : clicked);
}
