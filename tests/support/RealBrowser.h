#pragma once

#include <QImage>
#include <QString>

// Today's browsers, started headless in a process of their own with a fresh profile, taking a
// screenshot of a page. WebKit stands in for Safari: WebKitGTK under a private X server. Each
// one's start-up quirks live here and nowhere else.
enum class RealBrowser { Chromium, Firefox, WebKit };

QString BrowserName(RealBrowser browser);

// The page, written to a file of its own, as the browser draws it in a window of `size`, with
// the system in dark mode when `dark` (Chromium and Firefox), and in forced colours when
// `forcedColors` (Chromium, emulated over its DevTools pipe); a null image when the browser
// failed, with `error` telling why.
QImage ScreenshotPage(RealBrowser browser, const QString &html, QSize size, QString &error,
                      bool dark = false, bool forcedColors = false);
