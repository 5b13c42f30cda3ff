#pragma once

#include "web/browsercontrol.h"

#include <QSet>
#include <QStringList>

// A browser control that records each command, refuses those it is told to, turns busy on each
// command it takes and reaches a page only when the test says so.
class ScriptedBrowser : public BrowserControl
{
public:
    QStringList calls;
    QSet<QString> refused;
    bool busy = false;
    QString name;
    QString url;

    // Like the engine's page, it takes the focus by click and by Tab.
    ScriptedBrowser() { setFocusPolicy(Qt::StrongFocus); }

    bool Navigate(const QString &address) override
    {
        return command(QStringLiteral("Navigate"), QStringLiteral("Navigate ") + address);
    }
    bool GoBack() override { return command(QStringLiteral("GoBack")); }
    bool GoForward() override { return command(QStringLiteral("GoForward")); }
    bool GoHome() override { return command(QStringLiteral("GoHome")); }
    bool GoSearch() override { return command(QStringLiteral("GoSearch")); }
    bool Refresh() override { return command(QStringLiteral("Refresh")); }
    bool Stop() override
    {
        const bool taken = command(QStringLiteral("Stop"));
        busy = false;
        return taken;
    }

    bool Busy() const override { return busy; }
    QString LocationName() const override { return name; }
    QString LocationURL() const override { return url; }

    void reach(const QString &address, const QString &title)
    {
        url = address;
        name = title;
        busy = false;
        emit NavigateComplete2();
        emit DownloadComplete();
    }

private:
    bool command(const QString &what, const QString &record = {})
    {
        calls << (record.isEmpty() ? what : record);
        if (refused.contains(what))
            return false;
        busy = true;
        return true;
    }
};
