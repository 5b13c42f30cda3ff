#include "web/browserwindows.h"

#include "web/frmbrowser.h"
#include "web/site.h"
#include "web/webenginebrowser.h"

#include <QCoreApplication>

BrowserWindows::BrowserWindows(BrowserMaker makeBrowser) : m_makeBrowser(std::move(makeBrowser))
{
    if (!m_makeBrowser) {
        m_engine = true;
        m_makeBrowser = [] {
            return std::make_unique<WebEngineBrowser>(QString::fromUtf8(Site::HomeAddress),
                                                      QString::fromUtf8(Site::SearchAddress));
        };
    }
    // The engine's pages must go before the engine itself, which ends with the application.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &BrowserWindows::unload);
}

BrowserWindows::~BrowserWindows()
{
    unload();
}

void BrowserWindows::showBrowser(const QString &startingAddress, const Beside &beside)
{
    if (m_window) {
        m_window->StartingAddress = startingAddress;
        // Brought back from the task bar, but a maximised window stays maximised.
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_window = new frmBrowser(m_makeBrowser());
    // A closed window deletes itself; the next showing loads a new one.
    connect(m_window, &frmBrowser::unloaded, this, [this] { m_window = nullptr; });
    // Where no window manager frames and moves it, a window over the menu would bury the
    // menu's Close for good.
    m_window->setGeometry(placeBeside(m_window->size(), beside));
    m_window->StartingAddress = startingAddress;
    m_window->Form_Load();
}

QString BrowserWindows::cannotShow() const
{
    return m_engine ? WebEngineBrowser::cannotStart() : QString();
}

void BrowserWindows::unload()
{
    delete m_window;
    m_window = nullptr;
}
