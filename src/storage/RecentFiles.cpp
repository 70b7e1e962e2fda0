#include "RecentFiles.h"

#include "CRegSettings.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Recent Files"_s;

QString valueName(int position)
{
    return u"File"_s + QString::number(position + 1);
}

} // namespace

QStringList RecentFiles::files()
{
    const CRegSettings settings = ProgramSettings();
    QStringList files;
    for (int i = 0; i < Capacity; ++i) {
        const QString path = settings.GetSetting(Section, valueName(i));
        if (!path.isEmpty())
            files << path;
    }
    return files;
}

bool RecentFiles::sameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity names = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity names = Qt::CaseSensitive;
#endif
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
               .compare(QDir::cleanPath(QFileInfo(b).absoluteFilePath()), names)
        == 0;
}

void RecentFiles::add(const QString &path)
{
    QStringList list = files();
    list.removeIf([&path](const QString &file) { return sameFile(file, path); });
    list.prepend(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    store(list.mid(0, Capacity));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    if (list.removeIf([&path](const QString &file) { return sameFile(file, path); }) > 0)
        store(list);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList &files)
{
    CRegSettings settings = ProgramSettings();
    settings.DeleteSetting(Section);
    for (int i = 0; i < files.size(); ++i)
        settings.SaveSetting(Section, valueName(i), files[i]);
}
