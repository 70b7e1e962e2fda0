#include "CIniFile.h"

#include "IniText.h"
#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype ReadLimit = 254;

// The file's bytes, mapped rather than read, so a huge file costs no memory.
class MappedFile
{
public:
    explicit MappedFile(const QString &path)
        : m_file(path)
    {
        if (!QFileInfo(path).isFile() || !m_file.open(QIODevice::ReadOnly))
            return;
        if (m_file.size() == 0) {
            m_ok = true;
            return;
        }
        m_data = m_file.map(0, m_file.size());
        m_ok = m_data != nullptr;
    }

    bool ok() const { return m_ok; }
    QByteArrayView bytes() const
    {
        return m_data ? QByteArrayView(reinterpret_cast<const char *>(m_data), m_file.size())
                      : QByteArrayView();
    }

private:
    QFile m_file;
    uchar *m_data = nullptr;
    bool m_ok = false;
};

QByteArray encoded(const QString &text)
{
    return text.toLatin1();
}

QString decoded(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace

QString CIniFile::Value() const
{
    const MappedFile file(m_path);
    std::optional<QByteArray> value;
    if (file.ok())
        value = IniText::value(file.bytes(), encoded(m_section), encoded(m_key));
    return (value ? decoded(*value) : m_default).left(ReadLimit);
}

QString CIniFile::INISection() const
{
    const MappedFile file(m_path);
    if (!file.ok())
        return m_default.left(ReadLimit);
    QString names;
    for (const QByteArray &name : IniText::keyNames(file.bytes(), encoded(m_section)))
        names += decoded(name) + QChar(0);
    return names.left(ReadLimit);
}

template<typename Edit> void CIniFile::rewrite(Edit edit, bool createsFile)
{
    m_lastReturnCode = 0;
    m_lastError.clear();
    QByteArray text;
    QFile existing(m_path);
    if (existing.exists()) {
        if (!QFileInfo(m_path).isFile() || !existing.open(QIODevice::ReadOnly)) {
            m_lastError = existing.errorString();
            return;
        }
        text = existing.readAll();
        existing.close();
    } else if (!createsFile) {
        m_lastReturnCode = 1; // nothing to remove
        return;
    }
    m_lastError = WriteFileSafely(m_path, edit(text));
    m_lastReturnCode = m_lastError.isEmpty() ? 1 : 0;
}

void CIniFile::setValue(const QString &value)
{
    QString text = value;
    text.remove(QChar(0));
    rewrite(
        [&](const QByteArray &file) {
            return IniText::withValue(file, encoded(m_section), encoded(m_key), encoded(text));
        },
        true);
}

void CIniFile::setINISection(const QString &names)
{
    QList<QByteArray> keys;
    for (const QString &name : names.split(QChar(0), Qt::SkipEmptyParts))
        keys.append(encoded(name));
    rewrite(
        [&](const QByteArray &file) { return IniText::withKeys(file, encoded(m_section), keys); },
        true);
}

void CIniFile::DeleteSection()
{
    rewrite(
        [&](const QByteArray &file) { return IniText::withoutSection(file, encoded(m_section)); },
        false);
}

void CIniFile::DeleteValue()
{
    rewrite(
        [&](const QByteArray &file) {
            return IniText::withoutKey(file, encoded(m_section), encoded(m_key));
        },
        false);
}
