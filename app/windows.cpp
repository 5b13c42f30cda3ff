#include "app/windows.h"

#include "runtime/runtime.h"
#include "scores/frmhiscores.h"
#include "scores/names.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"
#include "web/webwindow.h"

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
    if (WebWindowFactory *factory = m_web.factory(why))
        factory->showBrowser(address);
    else
        m_rt.MsgBox(m_menu.get(), QStringLiteral("The web page cannot be shown: %1").arg(why));
}
