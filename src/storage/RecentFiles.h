#pragma once

#include <QStringList>

// The scheme files last loaded or saved, newest first, kept in the settings store beside the
// other settings (the registry on Windows). Each call reads or writes the store afresh.
class RecentFiles
{
public:
    static constexpr int Capacity = 8;

    static QStringList files();
    // Puts a file first; the oldest falls off when the list is full.
    static void add(const QString &path);
    static void remove(const QString &path);
    static void clear();

    // Whether two paths name the same file, as the file system compares names.
    static bool sameFile(const QString &a, const QString &b);

private:
    static void store(const QStringList &files);
};
