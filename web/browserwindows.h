#pragma once

#include "web/webwindow.h"

#include <QObject>

#include <functional>
#include <memory>

class BrowserControl;
class frmBrowser;

// Keeps the one web page window: loads it, beside the window that opens it, when it is shown
// first or again after it was closed, and otherwise shows it as it is.
class BrowserWindows : public QObject, public WebWindowFactory
{
    Q_OBJECT
    Q_INTERFACES(WebWindowFactory)
public:
    using BrowserMaker = std::function<std::unique_ptr<BrowserControl>()>;

    // Without a maker, pages are shown by the browser engine.
    explicit BrowserWindows(BrowserMaker makeBrowser = {});
    ~BrowserWindows() override;

    void showBrowser(const QString &startingAddress, const Beside &beside) override;
    QString cannotShow() const override;

    // The loaded window, or null.
    frmBrowser *window() const { return m_window; }

private:
    void unload();

    BrowserMaker m_makeBrowser;
    bool m_engine = false; // pages are shown by the browser engine
    frmBrowser *m_window = nullptr;
};
