#pragma once

#include "output/PageViewLoader.h"
#include "toolkit/Windows.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// Every test process gets folders of its own for settings, data and caches, so no test
// touches the user's real ones or another test's.
inline void UseFoldersIn(const QTemporaryDir &root)
{
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, root.filePath(QString::fromLatin1(name)).toLocal8Bit());
}

#define BARWRIGHT_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        const QTemporaryDir sandbox;                                                               \
        UseFoldersIn(sandbox);                                                                     \
        PreparePageViews();                                                                        \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("Barwright"));                             \
        UseDesignFont();                                                                           \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
