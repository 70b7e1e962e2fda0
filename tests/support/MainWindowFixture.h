#pragma once

#include "ScriptedPlatform.h"
#include "app/MainWindow.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A shown and active main window on a scripted desktop, with a program folder of its own; a
// window made beforehand is the one shown.
struct MainWindowFixture
{
    QTemporaryDir programDir;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> window;

    bool open()
    {
        platform.programDir = programDir.path();
        if (!window)
            window = std::make_unique<MainWindow>(platform);
        window->show();
        // Without a window manager (a bare test X server) nothing else activates it.
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
};
