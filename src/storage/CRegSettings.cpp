#include "CRegSettings.h"

#include "toolkit/Blanks.h"

#include <QCoreApplication>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString DefaultCompany = u"Fernwick"_s;
const QString ProductName = u"Barwright"_s;

// The unnamed default value of a registry key is "." to QSettings.
QString valueKey(const QString &name)
{
    return name == u"*" ? u"."_s : name;
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
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_appName);
    settings.beginGroup(section);
    const QVariant value = settings.value(valueKey(name));
    return value.isValid() ? value.toString() : defaultText;
}

bool CRegSettings::SaveSetting(const QString &section, const QString &name, const QString &text)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_appName);
    settings.beginGroup(section);
    settings.setValue(valueKey(name), text);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool CRegSettings::DeleteSetting(const QString &section, const QString &name)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_appName);
    const QString key = name.isEmpty() ? section : section + u'/' + valueKey(name);
    if (!settings.contains(key) && !settings.childGroups().contains(key))
        return false;
    settings.remove(key);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QList<QPair<QString, QString>> CRegSettings::GetAllSettings(const QString &section) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_appName);
    settings.beginGroup(section);
    QList<QPair<QString, QString>> rows;
    for (const QString &name : settings.childKeys()) {
        const QVariant value = settings.value(name);
        if (value.typeId() == QMetaType::QString)
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
