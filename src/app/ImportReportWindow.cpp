#include "ImportReportWindow.h"

#include "toolkit/PlatformServices.h"
#include "toolkit/Twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

ImportReportWindow::ImportReportWindow(const QString &heading, const QString &report,
                                       PlatformServices &platform, QWidget *owner)
    : QDialog(owner)
    , m_platform(platform)
    , m_text(new QPlainTextEdit(report, this))
    , m_copyButton(new QPushButton(tr("Copy to Clipboard"), this))
    , m_doneButton(new QPushButton(tr("Done"), this))
{
    setObjectName(u"frmImportReport"_s);
    setWindowTitle(tr("Barwright - Import from Page"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    resize(twipsSize(7500, 3900));

    auto *label = new QLabel(heading, this);
    label->setObjectName(u"lblHeading"_s);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);

    m_text->setObjectName(u"txtReport"_s);
    m_text->setAccessibleName(tr("Report"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    m_copyButton->setObjectName(u"cmdCopy"_s);
    m_doneButton->setObjectName(u"cmdDone"_s);
    m_doneButton->setDefault(true);
    connect(m_copyButton, &QPushButton::clicked, this,
            [this] { m_platform.setClipboardText(m_text->toPlainText()); });
    connect(m_doneButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_doneButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
}

void ImportReportWindow::Show(const QString &heading, const QString &report,
                              PlatformServices &platform, QWidget *owner)
{
    ImportReportWindow window(heading, report, platform, owner);
    window.m_doneButton->setFocus();
    window.exec();
}
