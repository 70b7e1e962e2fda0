#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto further lines within the box's width, beside a
// vertically centred indicator. The whole box takes clicks.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit WrappingCheckBox(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect indicatorRect(const QStyleOptionButton &option) const;
    QRect captionRect(const QRect &indicator) const;
};
