#pragma once

#include <QString>
#include <QWidget>

// The control the web page window shows pages in. Commands return at once and the control
// loads by itself; the end of loading shows in Busy() and in the two signals. The program uses
// WebEngineBrowser; tests use a scripted one.
class BrowserControl : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    /// Starts loading the address; false when it is no address at all.
    virtual bool Navigate(const QString &address) = 0;
    /// False when the history holds no page in that direction.
    virtual bool GoBack() = 0;
    virtual bool GoForward() = 0;
    virtual bool GoHome() = 0;
    virtual bool GoSearch() = 0;
    /// False when no page is shown.
    virtual bool Refresh() = 0;
    virtual bool Stop() = 0;

    /// True from a command that loads until the load has ended.
    virtual bool Busy() const = 0;
    /// The name of the page shown: its title, or else its address.
    virtual QString LocationName() const = 0;
    virtual QString LocationURL() const = 0;

signals:
    /// A page has been reached (an error page too); its name and address are final.
    void NavigateComplete2();
    /// A load has ended: reached, failed or stopped.
    void DownloadComplete();
};
