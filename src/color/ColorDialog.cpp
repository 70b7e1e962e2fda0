#include "ColorDialog.h"

#include "ColorValues.h"

#include <QColorDialog>

std::array<int, 16> CustomColors = [] {
    std::array<int, 16> colors;
    colors.fill(0xFFFFFF);
    return colors;
}();

int ShowColorDialog(QWidget *owner, int initialColor, bool expanded)
{
    Q_UNUSED(expanded)
    for (int i = 0; i < int(CustomColors.size()); ++i)
        QColorDialog::setCustomColor(i, ColorFromNumber(CustomColors[size_t(i)]));

    // Qt's own dialog behaves alike on every desktop and shows the custom colours.
    QColorDialog dialog(owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(ColorFromNumber(initialColor == -1 ? 0 : initialColor));
    if (dialog.exec() != QDialog::Accepted)
        return -1;

    for (int i = 0; i < int(CustomColors.size()); ++i)
        CustomColors[size_t(i)] = NumberFromColor(QColorDialog::customColor(i));
    return NumberFromColor(dialog.selectedColor());
}
