#include "web/webenginebrowser.h"

#include "web/sitepages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <algorithm>

namespace {
// A command the engine has not answered by then was dropped (say, a history entry it skips).
constexpr int SilenceMs = 1000;

// Where the engine looks for one of its parts: the path its variable names, or else its usual
// places. True when the part is there and, for a program, can run.
bool enginePart(const char *variable, const QStringList &usual, const QString &name, bool program)
{
    const QStringList places = qEnvironmentVariableIsSet(variable)
                                   ? QStringList{qEnvironmentVariable(variable)}
                                   : usual;
    return std::any_of(places.cbegin(), places.cend(), [&](const QString &place) {
        // The helper program's variable names the program itself, the others a folder.
        const QFileInfo file(program ? place : QDir(place).filePath(name));
        return file.isFile() && (!program || file.isExecutable());
    });
}

// A view that shows our site's pages.
QWebEngineView *siteView(QWidget *parent)
{
    SitePages::registerScheme();
    auto *view = new QWebEngineView(parent);
    SitePages::install(view->page()->profile());
    return view;
}
} // namespace

QString WebEngineBrowser::cannotStart()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString helper = QStringLiteral("QtWebEngineProcess");
    const QString programs = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath);
    if (!enginePart("QTWEBENGINEPROCESS_PATH",
                    {QDir(programs).filePath(helper), QDir(here).filePath(helper)}, helper, true))
        return QStringLiteral("the browser engine's helper program %1 is missing").arg(helper);

    const QString data = QLibraryInfo::path(QLibraryInfo::DataPath);
    if (!enginePart("QTWEBENGINE_RESOURCES_PATH",
                    {QDir(data).filePath(QStringLiteral("resources")), data, here},
                    QStringLiteral("qtwebengine_resources.pak"), false))
        return QStringLiteral("the browser engine's resources are missing");
    return {};
}

WebEngineBrowser::WebEngineBrowser(const QString &home, const QString &search, QWidget *parent)
    : BrowserControl(parent), m_view(siteView(this)), m_home(home), m_search(search)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);
    // A page the player opens from disk must not read other files by script.
    m_view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);

    m_silence.setSingleShot(true);
    m_silence.setInterval(SilenceMs);
    connect(&m_silence, &QTimer::timeout, this, [this] { m_requested = false; });

    QWebEnginePage *page = m_view->page();
    // A move within the page (to an anchor, or back to one) loads nothing: its new address is
    // the only answer, and it reaches the page there and then.
    connect(page, &QWebEnginePage::urlChanged, this, [this, page](const QUrl &url) {
        engineAnswered();
        if (!page->isLoading() && !url.isEmpty())
            emit NavigateComplete2();
    });
    connect(page, &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo &info) {
                switch (info.status()) {
                case QWebEngineLoadingInfo::LoadStartedStatus:
                    engineAnswered();
                    break;
                case QWebEngineLoadingInfo::LoadSucceededStatus:
                case QWebEngineLoadingInfo::LoadFailedStatus:
                    // A failed load shows the engine's error page, which is reached like any.
                    emit NavigateComplete2();
                    emit DownloadComplete();
                    break;
                case QWebEngineLoadingInfo::LoadStoppedStatus:
                    emit DownloadComplete();
                    break;
                }
            });
}

bool WebEngineBrowser::Navigate(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (url.isEmpty() || !url.isValid())
        return false;
    expectLoad();
    m_view->load(url);
    return true;
}

bool WebEngineBrowser::GoBack()
{
    if (!m_view->history()->canGoBack())
        return false;
    expectLoad();
    m_view->back();
    return true;
}

bool WebEngineBrowser::GoForward()
{
    if (!m_view->history()->canGoForward())
        return false;
    expectLoad();
    m_view->forward();
    return true;
}

bool WebEngineBrowser::GoHome()
{
    return Navigate(m_home);
}

bool WebEngineBrowser::GoSearch()
{
    return Navigate(m_search);
}

bool WebEngineBrowser::Refresh()
{
    if (m_view->url().isEmpty())
        return false;
    expectLoad();
    m_view->reload();
    return true;
}

bool WebEngineBrowser::Stop()
{
    engineAnswered();
    m_view->stop();
    return true;
}

bool WebEngineBrowser::Busy() const
{
    return m_requested || m_view->page()->isLoading();
}

QString WebEngineBrowser::LocationName() const
{
    return m_view->title();
}

QString WebEngineBrowser::LocationURL() const
{
    return m_view->url().toString();
}

void WebEngineBrowser::expectLoad()
{
    m_requested = true;
    m_silence.start();
}

void WebEngineBrowser::engineAnswered()
{
    m_requested = false;
    m_silence.stop();
}
