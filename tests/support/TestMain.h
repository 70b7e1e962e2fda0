#pragma once

#include "output/PageViewLoader.h"
#include "toolkit/Windows.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// Every test process gets folders of its own for settings, data and caches, so no test
// touches the user's real ones or another test's.
class TestSandbox
{
public:
    TestSandbox()
    {
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            const QString path = m_root.filePath(QString::fromLatin1(name));
            qputenv(name, path.toLocal8Bit());
        }
    }
    QString path() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
};

#define BARWRIGHT_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestSandbox sandbox;                                                                       \
        PreparePageViews();                                                                        \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("Barwright"));                             \
        UseDesignFont();                                                                           \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
