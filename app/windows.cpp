#include "app/windows.h"

#include "runtime/runtime.h"
#include "scores/frmhiscores.h"
#include "scores/names.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"
#include "web/webwindow.h"

#include <QScreen>

namespace {

// The frame that the window manager puts around a window; none without one.
QMargins frameMargins(const QWidget &window)
{
    const QRect client = window.geometry();
    const QRect framed = window.frameGeometry();
    return QMargins(client.left() - framed.left(), client.top() - framed.top(),
                    framed.right() - client.right(), framed.bottom() - client.bottom());
}

} // namespace

Windows::Windows(Runtime &rt, QStringList webPlaces)
    : m_rt(rt), m_web(std::move(webPlaces))
{
}

Windows::~Windows() = default;

void Windows::LoadNames()
{
    Names::LoadNames();
}

void Windows::showMenu()
{
    menu().show();
}

void Windows::showScores()
{
    scores().show();
    scores().GetScores();
}

void Windows::HighScores(qint32 &score, qint32 &highScore)
{
    scores().HighScores(score, highScore);
}

frmHiScores &Windows::scores()
{
    if (!m_scores)
        m_scores = std::make_unique<frmHiScores>(m_rt, *m_table);
    return *m_scores;
}

frmMenu &Windows::menu()
{
    if (!m_menu) {
        m_menu = std::make_unique<frmMenu>(m_rt, *m_table,
                                           [this](const QString &address) { showBrowser(address); });
    }
    return *m_menu;
}

void Windows::showBrowser(const QString &address)
{
    QString why;
    WebWindowFactory *factory = m_web.factory(why);
    if (!factory) {
        m_rt.MsgBox(m_menu.get(), QStringLiteral("The web page cannot be shown: %1").arg(why));
        return;
    }
    // A window it loads opens beside the menu, framed as the table is.
    factory->showBrowser(address, {menu().frameGeometry(), frameMargins(*m_table),
                                   menu().screen()->availableGeometry()});
}
