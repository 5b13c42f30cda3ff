#pragma once

#include <QWidget>

#include <memory>

class BrowserControl;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;

// The web page window: a toolbar, an address box with the history of pages reached, a banner
// and the browser control.
class frmBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit frmBrowser(std::unique_ptr<BrowserControl> browser, QWidget *parent = nullptr);

    // Read by Form_Load only.
    QString StartingAddress;

    // Controls; tests address them by name.
    QToolBar *tbToolBar = nullptr;
    QWidget *picAddress = nullptr;
    QLabel *lblAddress = nullptr;
    QComboBox *cboAddress = nullptr;
    QLabel *Label1 = nullptr;
    BrowserControl *brwWebBrowser = nullptr;
    QTimer *timTimer = nullptr;

    void Form_Load();
    void Form_Resize();
    void UpdateAddressList();
    void cboAddress_Click();
    void cboAddress_KeyPress(qint16 &KeyAscii);
    void timTimer_Timer();
    void tbToolBar_ButtonClick(const QString &key);

signals:
    // The window was closed and is deleting itself.
    void unloaded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void brwWebBrowser_DownloadComplete();

    bool SkipNavigate = false;
    bool m_boxFinishesEdit = false; // the box handles Enter or loses the focus
};
