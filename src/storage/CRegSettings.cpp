#include "CRegSettings.h"

#include "toolkit/Blanks.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString DefaultCompany = u"Fernwick"_s;
const QString ProductName = u"Barwright"_s;

// The unnamed default value of a registry key is "." to QSettings.
QString valueKey(const QString &name)
{
    return name == u"*" ? u"."_s : name;
}

// The user's own store only: no company-wide or system-wide file stands in for a value.
std::unique_ptr<QSettings> userStore(const QString &company, const QString &appName)
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                company, appName);
    settings->setFallbacksEnabled(false);
    return settings;
}

// The registry keeps each value's type; the INI files that stand in for it elsewhere read every
// plain value back as text, a number included. There texts are stored as byte arrays, which
// read back as such, so a number stays apart from them.
QVariant storedText(const QString &text)
{
#ifdef Q_OS_WIN
    return text;
#else
    return text.toUtf8();
#endif
}

bool isStoredText(const QVariant &value)
{
#ifdef Q_OS_WIN
    return value.typeId() == QMetaType::QString;
#else
    return value.typeId() == QMetaType::QByteArray;
#endif
}

} // namespace

CRegSettings::CRegSettings()
    : m_company(DefaultCompany)
    , m_appName(ProductName)
{
}

void CRegSettings::setCompany(const QString &company)
{
    m_company = TrimBlanks(company);
    if (m_company.isEmpty())
        m_company = DefaultCompany;
}

void CRegSettings::setAppName(const QString &appName)
{
    m_appName = TrimBlanks(appName);
    if (m_appName.isEmpty()) {
        const QString product = QCoreApplication::applicationName();
        m_appName = product.isEmpty() ? ProductName : product;
    }
}

QString CRegSettings::GetSetting(const QString &section, const QString &name,
                                 const QString &defaultText) const
{
    const auto settings = userStore(m_company, m_appName);
    settings->beginGroup(section);
    const QVariant value = settings->value(valueKey(name));
    return value.isValid() ? value.toString() : defaultText;
}

bool CRegSettings::SaveSetting(const QString &section, const QString &name, const QString &text)
{
    const auto settings = userStore(m_company, m_appName);
    settings->beginGroup(section);
    settings->setValue(valueKey(name), storedText(text));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool CRegSettings::DeleteSetting(const QString &section, const QString &name)
{
    const auto settings = userStore(m_company, m_appName);
    const QString key = name.isEmpty() ? section : section + u'/' + valueKey(name);
    if (!settings->contains(key) && !settings->childGroups().contains(key))
        return false;
    settings->remove(key);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QList<QPair<QString, QString>> CRegSettings::GetAllSettings(const QString &section) const
{
    const auto settings = userStore(m_company, m_appName);
    settings->beginGroup(section);
    QList<QPair<QString, QString>> rows;
    for (const QString &name : settings->childKeys()) {
        const QVariant value = settings->value(name);
        if (isStoredText(value))
            rows.append({name == u"." ? u"*"_s : name, value.toString()});
    }
    return rows;
}

CRegSettings ProgramSettings()
{
    CRegSettings settings;
    settings.setCompany(u"Fernwick"_s);
    settings.setAppName(u"Barwright"_s);
    return settings;
}
