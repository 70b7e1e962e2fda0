#pragma once

#include "output/PageViewLoader.h"
#include "toolkit/Windows.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// Every test process gets folders of its own for settings, data and caches, so no test
// touches the user's real ones or another test's.
inline void UseFoldersIn(const QTemporaryDir &root)
{
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, root.filePath(QString::fromLatin1(name)).toLocal8Bit());
}

#ifdef Q_OS_WIN
// The registry counterpart: the process's HKEY_CURRENT_USER is a key of its own under the real
// one, removed at exit, so that the tests of one Wine prefix never share settings. Other
// processes, `reg` among them, see it at TestRegistryRoot().
inline QString TestRegistryRoot()
{
    return QStringLiteral("Software\\Barwright Tests\\") + QString::number(GetCurrentProcessId());
}

struct TestRegistry
{
    HKEY root = nullptr;
    TestRegistry()
    {
        RegCreateKeyW(HKEY_CURRENT_USER, TestRegistryRoot().toStdWString().c_str(), &root);
        RegOverridePredefKey(HKEY_CURRENT_USER, root);
    }
    ~TestRegistry()
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(root);
        RegDeleteTreeW(HKEY_CURRENT_USER, TestRegistryRoot().toStdWString().c_str());
    }
};
#else
struct TestRegistry
{
};
#endif

#define BARWRIGHT_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        const QTemporaryDir sandbox;                                                               \
        UseFoldersIn(sandbox);                                                                     \
        [[maybe_unused]] const TestRegistry registry;                                              \
        PreparePageViews();                                                                        \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("Barwright"));                             \
        UseDesignFont();                                                                           \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
