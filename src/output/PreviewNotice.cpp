#include "PreviewNotice.h"

#include "app/Pictures.h"
#include "storage/CRegSettings.h"
#include "toolkit/TextFit.h"
#include "toolkit/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"General"_s;
const QString ValueName = u"Show Message 1"_s;

} // namespace

PreviewNotice::PreviewNotice(QWidget *owner)
    : QDialog(owner)
    , m_showAgain(new QCheckBox(tr("Show this message again in the future."), this))
    , m_okButton(new QPushButton(tr("OK"), this))
{
    setObjectName(u"msg1"_s);
    setWindowTitle(tr("Important Message"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsSize(3945, 2250));

    auto *image = new QLabel(this);
    image->setObjectName(u"Image1"_s);
    image->setGeometry(twipsRect(180, 270, 480, 480));
    image->setPixmap(InformationPicture().pixmap(image->size()));

    auto *label = new QLabel(
        tr("You must have I.E. version 5.5 or later installed on your system in order to preview "
           "the scrollbars in the colors you have defined. If you don't, you will see them in "
           "their default colors."),
        this);
    label->setObjectName(u"Label1"_s);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipsRect(900, 180, 2895, 1035));
    CondenseToFit(label);

    m_showAgain->setObjectName(u"Check1"_s);
    m_showAgain->setGeometry(twipsRect(480, 1350, 3045, 285));
    m_showAgain->setChecked(true);
    CondenseToFit(m_showAgain);

    m_okButton->setObjectName(u"OKButton"_s);
    m_okButton->setGeometry(twipsRect(1365, 1770, 1215, 375));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &PreviewNotice::storeChoice);
}

bool PreviewNotice::IsWanted()
{
    return ProgramSettings().GetSetting(Section, ValueName, u"1"_s) == u"1";
}

void PreviewNotice::storeChoice()
{
    ProgramSettings().SaveSetting(Section, ValueName, m_showAgain->isChecked() ? u"1"_s : u"0"_s);
    accept();
}
