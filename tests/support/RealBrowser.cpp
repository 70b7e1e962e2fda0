#include "RealBrowser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The command that draws the page into the shot; Firefox's settings go into its fresh profile.
QStringList commandLine(RealBrowser browser, const QDir &folder, QSize size, bool dark,
                        bool forcedColors)
{
    const QString page = folder.filePath(u"page.html"_s);
    const QString shot = folder.filePath(u"shot.png"_s);
    const QString profile = folder.filePath(u"profile"_s);
    const QString width = QString::number(size.width());
    const QString height = QString::number(size.height());
    const QStringList common{u"--window-size="_s + width + u',' + height,
                             QUrl::fromLocalFile(page).toString()};
    if (forcedColors && browser == RealBrowser::Chromium) {
        return u"/usr/bin/python3"_s.split(u' ')
            + QStringList{QStringLiteral(BARWRIGHT_CHROMIUM_MEDIA_SCREENSHOT),
                          page,
                          shot,
                          width,
                          height,
                          profile,
                          u"forced-colors=active"_s,
                          u"prefers-color-scheme="_s + (dark ? u"dark"_s : u"light"_s)};
    }
    switch (browser) {
    case RealBrowser::Chromium:
        // Without the networking switches it keeps reaching for hosts this machine cannot reach.
        return u"chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-sync "
               "--disable-quic --disable-background-networking --disable-component-update "
               "--force-device-scale-factor=1"_s.split(u' ')
            + QStringList{u"--user-data-dir="_s + profile, u"--screenshot="_s + shot}
        + (dark ? QStringList{u"--force-dark-mode"_s} : QStringList()) + common;
    case RealBrowser::Firefox:
        // Overlay scrollbars would fade out before the screenshot is taken.
        writeFile(profile + u"/user.js"_s,
                  "user_pref(\"widget.gtk.overlay-scrollbars.enabled\", false);\n"
                  "user_pref(\"layout.testing.overlay-scrollbars.always-visible\", true);\n"
                  "user_pref(\"layout.css.devPixelsPerPx\", \"1.0\");\n"
                      + QByteArray(dark ? "user_pref(\"ui.systemUsesDarkTheme\", 1);\n" : ""));
        return u"firefox-esr --headless --no-remote --profile"_s.split(u' ')
            + QStringList{profile, u"--screenshot"_s, shot} + common;
    case RealBrowser::WebKit:
        // The engine of Safari has no headless mode: a script of ours draws the page off screen.
        return u"xvfb-run -a /usr/bin/python3"_s.split(u' ')
            + QStringList{QStringLiteral(BARWRIGHT_WEBKIT_SCREENSHOT), page, shot, width, height};
    }
    return {};
}

} // namespace

QString BrowserName(RealBrowser browser)
{
    const char16_t *names[] = {u"chromium", u"firefox-esr", u"webkitgtk"};
    return QString::fromUtf16(names[int(browser)]);
}

QImage ScreenshotPage(RealBrowser browser, const QString &html, QSize size, QString &error,
                      bool dark, bool forcedColors)
{
    QTemporaryDir folder;
    if (!writeFile(folder.filePath(u"page.html"_s), html.toUtf8())
        || !QDir().mkpath(folder.filePath(u"profile"_s))) {
        error = u"cannot write the page"_s;
        return {};
    }
    QStringList arguments = commandLine(browser, QDir(folder.path()), size, dark, forcedColors);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Firefox keeps state in the home folder whatever the profile says.
    environment.insert(u"HOME"_s, folder.path());
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(arguments.takeFirst(), arguments);
    if (!process.waitForFinished(90000)) {
        process.kill();
        process.waitForFinished();
        error = BrowserName(browser) + u" did not finish: "_s
            + QString::fromLocal8Bit(process.readAll());
        return {};
    }
    QImage image(folder.filePath(u"shot.png"_s));
    if (image.isNull())
        error = BrowserName(browser) + u" took no screenshot: "_s
            + QString::fromLocal8Bit(process.readAll()).right(2000);
    return image.convertToFormat(QImage::Format_RGB32);
}
