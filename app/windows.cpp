#include "app/windows.h"

#include "runtime/runtime.h"
#include "scores/frmhiscores.h"
#include "scores/names.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"
#include "web/webwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

Windows::Windows(Runtime &rt) : m_rt(rt)
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
    if (!m_web) {
        shareContextForBrowser();
        const QStringList places = {QCoreApplication::applicationDirPath(),
                                    QStringLiteral(VORLINA_PLUGIN_DIR)};
        QString reason;
        for (const QString &place : places) {
            QPluginLoader loader(QDir(place).filePath(QStringLiteral("vorlina_web")));
            if (QObject *instance = loader.instance()) {
                m_web = qobject_cast<WebWindowFactory *>(instance);
                break;
            }
            reason = loader.errorString();
        }
        if (!m_web) {
            m_rt.MsgBox(QStringLiteral("The web page window cannot be opened: %1").arg(reason));
            return;
        }
    }
    m_web->showBrowser(address);
}
