#pragma once

#include <QString>

class PageView;
class QWidget;

// What the web view module needs settled before the application object exists. Costs
// nothing when no page is ever shown.
void PreparePageViews();

// A page view from the web view module in `folder`, loaded on first use; where the module
// cannot be loaded, a plain HTML view that says it cannot show scrollbar colours.
PageView *OpenPageView(QWidget *parent, const QString &folder);

// Whether the web view module in `folder` can be loaded; loads it when it can.
bool CanOpenWebPageViews(const QString &folder);
