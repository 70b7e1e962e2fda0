#pragma once

#include "output/PageView.h"

#include <QObject>

// The web view module's entry: makes web engine page views. The program loads the module
// only when it first shows a page, so the engine costs nothing until then.
class WebPageViewPlugin : public QObject, public PageViewFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PageViewFactory_iid)
    Q_INTERFACES(PageViewFactory)

public:
    PageView *createPageView(QWidget *parent) override;
};
