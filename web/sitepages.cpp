#include "web/sitepages.h"

#include "web/site.h"

#include <QBuffer>
#include <QFile>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include <algorithm>

namespace {

struct Page
{
    const char *path; // the address after the scheme
    const char *resource;
};
constexpr Page Pages[] = {
    {"home", ":/web/pages/home.html"},
    {"search", ":/web/pages/search.html"},
};

// Filled in as a page is served, so that the version is written in one place only.
constexpr char VersionMark[] = "@VERSION@";

} // namespace

void SitePages::registerScheme()
{
    if (!QWebEngineUrlScheme::schemeByName(Site::Scheme).name().isEmpty())
        return;
    QWebEngineUrlScheme scheme(Site::Scheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Only the flag that narrows: its pages get an origin that nothing else shares. As a local
    // or a secure scheme they would gain the powers of files or of https pages.
    scheme.setFlags(QWebEngineUrlScheme::NoAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void SitePages::install(QWebEngineProfile *profile)
{
    if (!profile->urlSchemeHandler(Site::Scheme))
        profile->installUrlSchemeHandler(Site::Scheme, new SitePages(profile));
}

void SitePages::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QString path = job->requestUrl().path();
    const auto page = std::find_if(std::cbegin(Pages), std::cend(Pages),
                                   [&](const Page &p) { return path == QLatin1String(p.path); });
    if (page == std::cend(Pages)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // Built in, so it opens.
    QFile file(QString::fromLatin1(page->resource));
    file.open(QIODevice::ReadOnly);
    auto *body = new QBuffer(job);
    body->setData(file.readAll().replace(VersionMark, VORLINA_VERSION));
    job->reply("text/html", body);
}
