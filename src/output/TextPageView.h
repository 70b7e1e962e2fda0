#pragma once

#include "PageView.h"

#include <QWidget>

class QTextBrowser;

// The page view where the web engine cannot be loaded: Qt's own HTML view shows the page's
// text and pictures in the page's colours, with a note that the scrollbar colours cannot be
// shown here.
class TextPageView : public QWidget, public PageView
{
    Q_OBJECT

public:
    explicit TextPageView(QWidget *parent);

    QWidget *widget() override { return this; }
    void navigate(const QString &path) override;
    void setLoadFinishedHandler(std::function<void(bool ok)> handler) override;
    void setDocumentColor(DocumentColor which, const QString &colorText) override;
    void readDocumentColor(DocumentColor which,
                           std::function<void(const QString &)> done) const override;
    void setPageStyleSheet(const QString &css) override;
    bool showsScrollbarColors() const override { return false; }
    void navigateToAddress(const QUrl &address) override;
    void setBlockedRequestHandler(std::function<void(const QUrl &)>) override { }
    void reload() override;
    void inspectPage(const QString &, std::function<void(const QVariant &)> done) override;
    void probePage(const QString &, const QStringList &, const QStringList &,
                   std::function<void(const QVariant &)> done) override;
    void markElement(int) override { }

private:
    QTextBrowser *m_browser;
    std::function<void(bool)> m_loadFinished;
    QString m_path;
};
