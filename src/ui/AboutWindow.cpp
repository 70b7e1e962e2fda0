#include "AboutWindow.h"

#include "AboutPictures.h"
#include "LinkLabel.h"
#include "WebAddresses.h"
#include "toolkit/Twips.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

AboutWindow::AboutWindow(QWidget *owner)
    : QDialog(owner)
    , m_background(AboutBackground())
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(tr("About..."));
    // A fixed tool window: a small title bar with just a close button, no task bar entry.
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(5325, 4200));

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(u"cmdOK"_s);
    m_okButton->setGeometry(twipsRect(4140, 3210, 720, 405));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *icon = new QLabel(this);
    icon->setObjectName(u"picIcon"_s);
    icon->setAccessibleName(tr("Barwright icon"));
    icon->setGeometry(twipsRect(240, 240, 480, 480));
    icon->setPixmap(ProgramIcon().pixmap(icon->size()));

    QLabel *title = label(u"lblTitle"_s, tr("Barwright"), QRect(900, 240, 4065, 450));
    // Where the desktop lacks the playful face, its own sans face reads better than a
    // calligraphic stand-in.
    QFont titleFont = title->font();
    if (QFontDatabase::hasFamily(u"Comic Sans MS"_s))
        titleFont.setFamily(u"Comic Sans MS"_s);
    titleFont.setPointSizeF(12);
    title->setFont(titleFont);
    QPalette purple = title->palette();
    purple.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x80));
    title->setPalette(purple);

    label(u"lblVersion"_s, tr("Version %1").arg(QStringLiteral(BARWRIGHT_VERSION)),
          QRect(900, 660, 3885, 225));
    label(u"lblDescription"_s,
          tr("Add cool colorized scrollbars to your web page in a snap. (Today's browsers show "
             "the colors with the code made for them; the classic block alone works only in "
             "I.E. 5.5 or later.)"),
          QRect(900, 1260, 3885, 840))
        ->setWordWrap(true);
    QLabel *disclaimer
        = label(u"lblDisclaimer"_s, tr("Find more great free software titles from Fernwick at:"),
                QRect(2355, 2130, 2550, 435));
    disclaimer->setWordWrap(true);
    disclaimer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const QString homePage = QString::fromUtf16(WebAddresses::HomePage);
    const QString support = QString::fromUtf16(WebAddresses::SupportMail);
    m_homePageLink = link(u"Label1"_s, homePage, QRect(2175, 2580, 2925, 225));
    m_supportLink = link(u"Label3"_s, support, QRect(2370, 2880, 2475, 225));
    m_homePageLink->setAccessibleName(tr("Fernwick home page"));
    m_homePageLink->setAccessibleDescription(homePage);
    m_supportLink->setAccessibleName(tr("Write to Fernwick support"));
    m_supportLink->setAccessibleDescription(support);
    connect(m_homePageLink, &LinkLabel::clicked, this,
            [this, homePage] { Q_EMIT openRequested(homePage); });
    connect(m_supportLink, &LinkLabel::clicked, this,
            [this, support] { Q_EMIT openRequested(u"mailto:"_s + support); });
}

QLabel *AboutWindow::label(const QString &name, const QString &text, const QRect &twips)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(twipsRect(twips));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

LinkLabel *AboutWindow::link(const QString &name, const QString &text, const QRect &twips)
{
    auto *link = new LinkLabel(text, this);
    link->setObjectName(name);
    link->setGeometry(twipsRect(twips));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font = link->font();
    font.setFamilies({u"MS Sans Serif"_s, font.family()});
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    return link;
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_background);
}
