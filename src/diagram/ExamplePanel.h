#pragma once

#include <QWidget>

// The white panel that covers the scrollbar drawing in base-colour mode (Picture4): a picture
// of a scrollbar button that cannot be shown, and a red note that sends the user to the
// actual-size preview.
class ExamplePanel : public QWidget
{
    Q_OBJECT

public:
    explicit ExamplePanel(QWidget *parent = nullptr);

    // The panel's picture (Image1): a red prohibition sign over a small grey raised button.
    static QPixmap unavailablePicture();
};
