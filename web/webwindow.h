#pragma once

#include <QString>
#include <QtPlugin>

// The web page window lives in a module of its own, loaded the first time it is opened, so
// that the browser engine costs nothing until then.
class WebWindowFactory
{
public:
    virtual ~WebWindowFactory() = default;
    // Sets the window's starting address and shows it; a window already open is shown again
    // as it is.
    virtual void showBrowser(const QString &startingAddress) = 0;
};

#define WebWindowFactory_iid "org.vorlina.WebWindowFactory/1"
Q_DECLARE_INTERFACE(WebWindowFactory, WebWindowFactory_iid)
