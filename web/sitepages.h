#pragma once

#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Serves the pages the program carries under its own scheme. Only the pages of its table are
// reached through it: no file, and nothing else the program holds.
class SitePages : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
public:
    // Tells the engine of the scheme. Only heard before the engine starts, that is before its
    // first page is made.
    static void registerScheme();
    // Serves the pages to every page of the profile.
    static void install(QWebEngineProfile *profile);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
};
