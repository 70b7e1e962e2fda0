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

QStringList chromiumArguments(const QString &profile, const QString &shot, QSize size)
{
    // Without the networking switches it keeps reaching for hosts this machine cannot reach.
    return u"--headless --no-sandbox --disable-gpu --no-first-run --disable-sync --disable-quic "
           "--disable-background-networking --disable-component-update "
           "--force-device-scale-factor=1"_s.split(u' ')
        + QStringList{u"--user-data-dir="_s + profile, u"--screenshot="_s + shot,
                      u"--window-size=%1,%2"_s.arg(size.width()).arg(size.height())};
}

QStringList firefoxArguments(const QString &profile, const QString &shot, QSize size)
{
    // Overlay scrollbars would fade out before the screenshot is taken.
    writeFile(profile + u"/user.js"_s,
              "user_pref(\"widget.gtk.overlay-scrollbars.enabled\", false);\n"
              "user_pref(\"layout.testing.overlay-scrollbars.always-visible\", true);\n"
              "user_pref(\"layout.css.devPixelsPerPx\", \"1.0\");\n"
              "user_pref(\"browser.shell.checkDefaultBrowser\", false);\n"
              "user_pref(\"datareporting.policy.dataSubmissionEnabled\", false);\n");
    return {u"--headless"_s,
            u"--no-remote"_s,
            u"--profile"_s,
            profile,
            u"--screenshot"_s,
            shot,
            u"--window-size=%1,%2"_s.arg(size.width()).arg(size.height())};
}

// The engine of Safari has no headless mode: a script of ours draws the page off screen.
QStringList webKitArguments(const QString &page, const QString &shot, QSize size)
{
    return {u"-a"_s,
            u"/usr/bin/python3"_s,
            QStringLiteral(BARWRIGHT_WEBKIT_SCREENSHOT),
            page,
            shot,
            QString::number(size.width()),
            QString::number(size.height())};
}

QString command(RealBrowser browser)
{
    return browser == RealBrowser::WebKit ? u"xvfb-run"_s : BrowserName(browser);
}

} // namespace

QString BrowserName(RealBrowser browser)
{
    const char16_t *names[] = {u"chromium", u"firefox-esr", u"webkitgtk"};
    return QString::fromUtf16(names[int(browser)]);
}

QImage ScreenshotPage(RealBrowser browser, const QString &html, QSize size, QString &error)
{
    QTemporaryDir folder;
    const QString page = folder.filePath(u"page.html"_s);
    const QString shot = folder.filePath(u"shot.png"_s);
    const QString profile = folder.filePath(u"profile"_s);
    if (!writeFile(page, html.toUtf8()) || !QDir().mkpath(profile)) {
        error = u"cannot write the page"_s;
        return {};
    }
    QStringList arguments;
    switch (browser) {
    case RealBrowser::Chromium:
        arguments = chromiumArguments(profile, shot, size) << QUrl::fromLocalFile(page).toString();
        break;
    case RealBrowser::Firefox:
        arguments = firefoxArguments(profile, shot, size) << QUrl::fromLocalFile(page).toString();
        break;
    case RealBrowser::WebKit: arguments = webKitArguments(page, shot, size); break;
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Firefox keeps state in the home folder whatever the profile says.
    environment.insert(u"HOME"_s, folder.path());
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command(browser), arguments);
    if (!process.waitForFinished(90000)) {
        process.kill();
        process.waitForFinished();
        error = BrowserName(browser) + u" did not finish: "_s
            + QString::fromLocal8Bit(process.readAll());
        return {};
    }
    QImage image(shot);
    if (image.isNull())
        error = BrowserName(browser) + u" took no screenshot: "_s
            + QString::fromLocal8Bit(process.readAll()).right(2000);
    return image.convertToFormat(QImage::Format_RGB32);
}
