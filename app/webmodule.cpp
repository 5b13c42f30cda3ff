#include "app/webmodule.h"

#include "web/webwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <unistd.h>

namespace {
constexpr char ModuleName[] = "vorlina_web";
} // namespace

WebModule::WebModule(QStringList places) : m_places(std::move(places))
{
}

QStringList WebModule::programPlaces()
{
    return {QCoreApplication::applicationDirPath(), QStringLiteral(VORLINA_PLUGIN_DIR)};
}

WebWindowFactory *WebModule::factory(QString &why)
{
    if (!m_factory)
        m_factory = load(why);
    if (!m_factory)
        return nullptr;
    why = m_factory->cannotShow();
    return why.isEmpty() ? m_factory : nullptr;
}

WebWindowFactory *WebModule::load(QString &why)
{
    // The engine refuses to start as root with its sandbox on, and ends the whole process
    // when it does. Nobody else needs it off.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    why = QStringLiteral("its module %1 is not installed").arg(QLatin1String(ModuleName));
    for (const QString &place : std::as_const(m_places)) {
        QPluginLoader loader(QDir(place).filePath(QLatin1String(ModuleName)));
        if (!QFileInfo::exists(loader.fileName()))
            continue;
        shareContextForBrowser();
        QObject *instance = loader.instance();
        if (auto *factory = qobject_cast<WebWindowFactory *>(instance))
            return factory;
        why = instance ? QStringLiteral("%1 is not the web page module").arg(loader.fileName())
                       : loader.errorString();
    }
    return nullptr;
}
