#include "CodeWindow.h"

#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/TextFit.h"
#include "toolkit/Twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

CodeWindow::CodeWindow(const QString &code, PlatformServices &platform, QWidget *owner)
    : QDialog(owner)
    , m_platform(platform)
    , m_code(code)
    , m_text(new QPlainTextEdit(this))
    , m_copyButton(new QPushButton(tr("Copy to Clipboard"), this))
    , m_doneButton(new QPushButton(tr("Done"), this))
{
    setObjectName(u"Form2"_s);
    setWindowTitle(tr("Barwright - Code"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(4950, 4710));

    auto *label = new QLabel(tr("Here is the code to colorize your page's scrollbars in I.E. 5.5 "
                                "or later. Just copy and paste it into the <HEAD> section of "
                                "your page."),
                             this);
    label->setObjectName(u"Label1"_s);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipsRect(90, 60, 4815, 465));
    CondenseToFit(label);

    m_text->setObjectName(u"Text1"_s);
    m_text->setGeometry(twipsRect(90, 600, 4755, 3525));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setPlainText(code);

    m_copyButton->setObjectName(u"Command2"_s);
    m_copyButton->setGeometry(twipsRect(1560, 4200, 2205, 435));
    connect(m_copyButton, &QPushButton::clicked, this, &CodeWindow::copyToClipboard);

    m_doneButton->setObjectName(u"Command1"_s);
    m_doneButton->setGeometry(twipsRect(3840, 4200, 1035, 435));
    connect(m_doneButton, &QPushButton::clicked, this, &QDialog::accept);

    QWidget::setTabOrder(m_text, m_doneButton);
    QWidget::setTabOrder(m_doneButton, m_copyButton);
}

void CodeWindow::Show(const QString &code, PlatformServices &platform, QWidget *owner)
{
    CodeWindow window(code, platform, owner);
    window.m_text->selectAll();
    window.m_text->setFocus();
    window.exec();
}

void CodeWindow::copyToClipboard()
{
    // The whole code, whatever is selected.
    m_platform.setClipboardText(m_code);
    m_platform.messageBox(this, tr("Code succesfully copied to clipboard."),
                          MessageBoxStyle::Information, tr("Code Copied"));
}
