#include "CodeTextView.h"

#include <QMimeData>
#include <QTextCursor>

using namespace Qt::StringLiterals;

CodeTextView::CodeTextView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
}

QMimeData *CodeTextView::createMimeDataFromSelection() const
{
    // The document keeps paragraphs, not line ends; a selection marks them with U+2029.
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, u"\r\n"_s);
    auto *mime = new QMimeData;
    mime->setText(text);
    return mime;
}
