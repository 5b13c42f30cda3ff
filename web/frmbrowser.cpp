#include "web/frmbrowser.h"

#include "images/pictures.h"
#include "runtime/forms.h"
#include "web/browsercontrol.h"
#include "web/site.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int InnerWidth = 10830;
constexpr int InnerHeight = 8565;
constexpr TwipsRect ToolBarRect{0, 0, 10830, 540};
constexpr TwipsRect AddressPanelRect{0, 540, 10830, 675};
// The label and the box lie inside the address panel.
constexpr TwipsRect AddressLabelRect{45, 60, 3075, 255};
constexpr TwipsRect AddressBoxRect{45, 300, 3795, 315};
constexpr int AddressBoxLeft = 50;
constexpr int AddressBoxGap = 15;
constexpr TwipsRect BannerRect{240, 1320, 5775, 615};
constexpr TwipsRect BrowserRect{120, 2175, 10560, 6240};
// Room left beside and below the box and the browser.
constexpr int Margin = 100;
constexpr int PollMs = 5;

const QString WorkingCaption = QStringLiteral("Working...");

struct Button
{
    const char *key;
    ToolbarImage image;
};
constexpr Button Buttons[] = {
    {"Back", ToolbarImage::Back},       {"Forward", ToolbarImage::Forward},
    {"Stop", ToolbarImage::Stop},       {"Refresh", ToolbarImage::Refresh},
    {"Home", ToolbarImage::Home},       {"Search", ToolbarImage::Search},
};

// The toolbar draws the images' light grey ground transparent.
QIcon buttonIcon(ToolbarImage which)
{
    QPixmap picture = toolbarImage(which);
    picture.setMask(picture.createMaskFromColor(fromBgr(Bgr::LightGrey), Qt::MaskInColor));
    return QIcon(picture);
}

} // namespace

frmBrowser::frmBrowser(std::unique_ptr<BrowserControl> browser, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(Site::Name));
    setWindowIcon(programIcon());
    // The forms' button-face grey.
    setBackColour(this, Bgr::LightGrey);

    brwWebBrowser = browser.release();
    brwWebBrowser->setParent(this);
    brwWebBrowser->setGeometry(fromTwips(BrowserRect));
    connect(brwWebBrowser, &BrowserControl::NavigateComplete2, this,
            &frmBrowser::UpdateAddressList);
    connect(brwWebBrowser, &BrowserControl::DownloadComplete, this,
            &frmBrowser::brwWebBrowser_DownloadComplete);

    tbToolBar = new QToolBar(this);
    tbToolBar->setGeometry(fromTwips(ToolBarRect));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const Button &button : Buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction *action = tbToolBar->addAction(buttonIcon(button.image), key);
        action->setToolTip(key);
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }

    picAddress = new QWidget(this);
    picAddress->setGeometry(fromTwips(AddressPanelRect));

    lblAddress = makeLabel(picAddress, QStringLiteral("&Address:"), AddressLabelRect,
                           Face::MSSansSerif, 8, false, Bgr::Black, Bgr::LightGrey,
                           Qt::AlignLeft | Qt::AlignTop);
    cboAddress = new QComboBox(picAddress);
    cboAddress->setGeometry(fromTwips(AddressBoxRect));
    cboAddress->setFont(formsFont(Face::MSSansSerif, 8));
    cboAddress->setEditable(true);
    // Only the window manages the history: the box neither adds typed text nor completes it.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setCompleter(nullptr);
    cboAddress->setEditText(QString::fromUtf8(Site::HomeAddress));
    cboAddress->installEventFilter(this);
    connect(cboAddress, &QComboBox::activated, this, [this] {
        if (!m_boxFinishesEdit)
            cboAddress_Click();
    });
    lblAddress->setBuddy(cboAddress);

    Label1 = makeLabel(this, QString::fromUtf8(Site::Name), BannerRect, Face::FuturaMdBT, 24, true,
                       Bgr::Green, Bgr::Black);

    timTimer = new QTimer(this);
    timTimer->setInterval(PollMs);
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);

    // Closed from the keyboard as browsers are: where no window manager draws a close box,
    // that is the only way to close the window.
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this,
            &QWidget::close);

    setTabOrder(brwWebBrowser, cboAddress);
    resize(fromTwips(InnerWidth), fromTwips(InnerHeight));
}

void frmBrowser::Form_Load()
{
    // A refused start address is ignored: the window stays open with it in the box and list.
    show();
    tbToolBar->update();
    Form_Resize();
    cboAddress->move(fromTwips(AddressBoxLeft),
                     fromTwips(AddressLabelRect.top + AddressLabelRect.height + AddressBoxGap));
    if (!StartingAddress.isEmpty()) {
        cboAddress->setEditText(StartingAddress);
        cboAddress->addItem(cboAddress->currentText());
        timTimer->start();
        brwWebBrowser->Navigate(StartingAddress);
    }
}

void frmBrowser::Form_Resize()
{
    // A size that comes out negative is not applied: that control keeps its last size.
    const int innerWidth = width() * TwipsPerPixel;
    const int innerHeight = height() * TwipsPerPixel;
    const int boxWidth = innerWidth - Margin;
    if (boxWidth >= 0) {
        cboAddress->resize(fromTwips(boxWidth), cboAddress->height());
        brwWebBrowser->resize(fromTwips(boxWidth), brwWebBrowser->height());
    }
    const int browserHeight = innerHeight - BrowserRect.top - Margin;
    if (browserHeight >= 0)
        brwWebBrowser->resize(brwWebBrowser->width(), fromTwips(browserHeight));
}

void frmBrowser::brwWebBrowser_DownloadComplete()
{
    setWindowTitle(brwWebBrowser->LocationName());
}

void frmBrowser::UpdateAddressList()
{
    setWindowTitle(brwWebBrowser->LocationName());
    const QString address = brwWebBrowser->LocationURL();
    int found = -1;
    for (int i = 0; i < cboAddress->count(); ++i) {
        if (cboAddress->itemText(i) == address) {
            found = i;
            break;
        }
    }
    SkipNavigate = true;
    if (found >= 0)
        cboAddress->removeItem(found);
    cboAddress->insertItem(0, address);
    // Choosing an entry from code clicks the box as the user's choice does.
    cboAddress->setCurrentIndex(0);
    cboAddress_Click();
    SkipNavigate = false;
}

void frmBrowser::cboAddress_Click()
{
    if (SkipNavigate)
        return;
    timTimer->start();
    // A refused address is ignored; the poll shows the page's name.
    brwWebBrowser->Navigate(cboAddress->currentText());
}

void frmBrowser::cboAddress_KeyPress(qint16 &KeyAscii)
{
    if (KeyAscii == 13)
        cboAddress_Click();
}

void frmBrowser::timTimer_Timer()
{
    if (brwWebBrowser->Busy()) {
        setWindowTitle(WorkingCaption);
    } else {
        timTimer->stop();
        setWindowTitle(brwWebBrowser->LocationName());
    }
}

void frmBrowser::tbToolBar_ButtonClick(const QString &key)
{
    // A refused command is ignored; the poll then shows the page's name at its next tick.
    timTimer->start();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->GoBack();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->GoForward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->Refresh();
    } else if (key == QLatin1String("Home")) {
        brwWebBrowser->GoHome();
    } else if (key == QLatin1String("Search")) {
        brwWebBrowser->GoSearch();
    } else if (key == QLatin1String("Stop")) {
        timTimer->stop();
        brwWebBrowser->Stop();
        setWindowTitle(brwWebBrowser->LocationName());
    }
}

void frmBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The toolbar and the address panel hold to the top edge across the whole width.
    tbToolBar->resize(width(), tbToolBar->height());
    picAddress->resize(width(), picAddress->height());
    Form_Resize();
}

void frmBrowser::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit unloaded();
}

bool frmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != cboAddress)
        return QWidget::eventFilter(watched, event);
    bool enter = false;
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty()) {
            qint16 KeyAscii = qint16(text.at(0).unicode());
            cboAddress_KeyPress(KeyAscii);
            enter = KeyAscii == 13;
        }
    }
    // When its edit field finishes, on Enter or as the focus leaves it (for another control,
    // its own list or another window), the box itself chooses an entry equal to its text.
    // That is no choice from the list: Enter has navigated already, and leaving navigates
    // nowhere. The box still gets the event as it is.
    if (enter || event->type() == QEvent::FocusOut) {
        m_boxFinishesEdit = true;
        cboAddress->event(event);
        m_boxFinishesEdit = false;
        return true;
    }
    return false;
}
