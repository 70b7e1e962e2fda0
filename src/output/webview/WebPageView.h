#pragma once

#include "output/PageView.h"

#include <QWebEngineView>

// The page view on the web engine: the page is drawn as a browser draws it, scrollbar
// colours included, and the document's colours are changed through its script interface.
class WebPageView : public QWebEngineView, public PageView
{
    Q_OBJECT

public:
    explicit WebPageView(QWidget *parent);

    QWidget *widget() override { return this; }
    void navigate(const QString &path) override;
    void setLoadFinishedHandler(std::function<void(bool ok)> handler) override;
    void setDocumentColor(DocumentColor which, const QString &colorText) override;
    void readDocumentColor(DocumentColor which,
                           std::function<void(const QString &)> done) const override;
    void setPageStyleSheet(const QString &css) override;
    bool showsScrollbarColors() const override { return true; }
    void navigateToAddress(const QUrl &address) override;
    void setBlockedRequestHandler(std::function<void(const QUrl &)> handler) override;
    void reload() override;
    void inspectPage(const QString &scope, std::function<void(const QVariant &)> done) override;
    void probePage(const QString &probeSheet, const QStringList &names,
                   const QStringList &selectors,
                   std::function<void(const QVariant &)> done) override;
    void markElement(int element) override;

private:
    // Calls a script function of PageScripts with arguments written as script literals.
    void runInPage(const QString &function, const QStringList &literals,
                   std::function<void(const QVariant &)> done);

    std::function<void(bool)> m_loadFinished;
    std::function<void(const QUrl &)> m_blocked;
};
