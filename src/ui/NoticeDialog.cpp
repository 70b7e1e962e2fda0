#include "NoticeDialog.h"

#include "Pictures.h"
#include "storage/CRegSettings.h"
#include "toolkit/TextFit.h"
#include "toolkit/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"General"_s;

} // namespace

NoticeDialog::NoticeDialog(const QString &text, const QString &settingName, const Layout &layout,
                           QWidget *owner)
    : QDialog(owner,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_settingName(settingName)
    , m_showAgain(new QCheckBox(tr("Show this message again in the future."), this))
    , m_okButton(new QPushButton(tr("OK"), this))
{
    setWindowTitle(tr("Important Message"));
    setFixedSize(twipsSize(layout.client.width(), layout.client.height()));

    auto *picture = new QLabel(this);
    picture->setObjectName(u"Image1"_s);
    picture->setAccessibleName(tr("Information"));
    picture->setPixmap(InformationPicture().pixmap(32));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(twipsRect(layout.picture));

    auto *message = new QLabel(text, this);
    message->setObjectName(u"Label1"_s);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setGeometry(twipsRect(layout.text));
    CondenseToFit(message);

    m_showAgain->setObjectName(u"Check1"_s);
    m_showAgain->setChecked(true);
    m_showAgain->setGeometry(twipsRect(layout.check));
    CondenseToFit(m_showAgain);

    m_okButton->setObjectName(u"OKButton"_s);
    m_okButton->setGeometry(twipsRect(layout.ok));
    m_okButton->setDefault(true);
    m_okButton->setFocus();
    connect(m_okButton, &QPushButton::clicked, this, &NoticeDialog::storeChoice);
}

bool NoticeDialog::isWanted(const QString &settingName)
{
    return ProgramSettings().GetSetting(Section, settingName, u"1"_s) == u"1";
}

void NoticeDialog::storeChoice()
{
    ProgramSettings().SaveSetting(Section, m_settingName,
                                  m_showAgain->isChecked() ? u"1"_s : u"0"_s);
    accept();
}
