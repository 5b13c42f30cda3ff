#include "web/browserwindows.h"

// The module the program loads the first time the web page window is opened.
class WebPlugin : public BrowserWindows
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebWindowFactory_iid)
};

#include "webplugin.moc"
