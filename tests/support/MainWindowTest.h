#pragma once

#include "MainWindowFixture.h"
#include "toolkit/EntryBox.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

// A test of the main window: every test function gets a fresh one, shown and active, on a
// scripted desktop.
class MainWindowTest : public QObject
{
    Q_OBJECT

protected Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        QVERIFY(m_fixture->open());
    }
    void cleanup() { m_fixture.reset(); }

protected:
    MainWindow *window() const { return m_fixture->window.get(); }
    ScriptedPlatform &platform() const { return m_fixture->platform; }
    ScrollbarDiagram *diagram() const { return window()->diagram(); }
    EntryBox *box(int index) const { return window()->entryBox(index); }
    QPushButton *button(const QString &name) const
    {
        return window()->findChild<QPushButton *>(name);
    }
    void trigger(const QString &name) const { window()->findChild<QAction *>(name)->trigger(); }
    QString inProgramDir(const QString &name) const
    {
        return QDir(m_fixture->programDir.path()).filePath(name);
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
};
