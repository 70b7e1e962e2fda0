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

private:
    std::function<void(bool)> m_loadFinished;
};
