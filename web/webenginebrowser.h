#pragma once

#include "web/browsercontrol.h"

#include <QTimer>

class QWebEngineView;

// The browser control on Qt WebEngine.
class WebEngineBrowser : public BrowserControl
{
    Q_OBJECT
public:
    WebEngineBrowser(const QString &home, const QString &search, QWidget *parent = nullptr);

    // Why the engine cannot start here, or an empty text. Asked before the first browser is
    // made: the engine ends the whole process when it misses a part.
    static QString cannotStart();

    bool Navigate(const QString &address) override;
    bool GoBack() override;
    bool GoForward() override;
    bool GoHome() override;
    bool GoSearch() override;
    bool Refresh() override;
    bool Stop() override;

    bool Busy() const override;
    QString LocationName() const override;
    QString LocationURL() const override;

private:
    void expectLoad();
    void engineAnswered();

    QWebEngineView *m_view = nullptr;
    QString m_home;
    QString m_search;
    // The engine starts a load a moment after the command; until then the command counts as
    // loading. It drops some commands without a sign, so that wait has an end.
    bool m_requested = false;
    QTimer m_silence;
};
