#pragma once

#include <QPlainTextEdit>

// A read-only text that holds code with CR LF line ends and hands them on when the user
// copies from it, as the code's own copy command does.
class CodeTextView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CodeTextView(QWidget *parent);

protected:
    QMimeData *createMimeDataFromSelection() const override;
};
