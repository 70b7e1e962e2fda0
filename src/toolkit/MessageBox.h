#pragma once

#include <QString>

#include <functional>

class QWidget;

// Message box styles and results with the classic numbers: the style adds a button set,
// an icon and optionally a Help button.
namespace MessageBoxStyle {
enum : int {
    OkOnly = 0,
    OkCancel = 1,
    YesNoCancel = 3,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    HelpButton = 16384,
};
} // namespace MessageBoxStyle

namespace MessageBoxResult {
enum : int {
    Ok = 1,
    Cancel = 2,
    Yes = 6,
    No = 7,
};
} // namespace MessageBoxResult

// Shows a modal message box and returns the result code of the button that closed it.
// The Help button runs `help` and leaves the box open.
int ShowMessageBox(QWidget *owner, const QString &text, int style, const QString &title,
                   const std::function<void()> &help = {});
