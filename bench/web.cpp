// The web page window through its module, as the program opens it: time and memory to the
// first page shown. Like the program, this makes the browser engine's shared OpenGL context
// just before it loads the module; with --share-gl-at-start it asks for it before the
// application exists instead, and with --no-share-gl not at all.
#include "loopbackpage.h"
#include "web/webwindow.h"
#include "webreport.h"

#include <QApplication>
#include <QPluginLoader>
#include <QScreen>

#include <string>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_web PATH-OF-vorlina_web"
                             " [--no-share-gl | --share-gl-at-start]\n");
        return 2;
    }
    const std::string mode = argc > 2 ? argv[2] : "";
    if (mode == "--share-gl-at-start")
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const double openedAt = bench::seconds();
    LoopbackPage page([openedAt] { reportPageShown(openedAt); });
    if (mode.empty())
        shareContextForBrowser();
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    auto *factory = qobject_cast<WebWindowFactory *>(loader.instance());
    if (!factory) {
        std::fprintf(stderr, "%s\n", qPrintable(loader.errorString()));
        return 1;
    }
    factory->showBrowser(page.address(),
                         {QRect(), QMargins(), app.primaryScreen()->availableGeometry()});
    return app.exec();
}
