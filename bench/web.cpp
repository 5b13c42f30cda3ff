// The web page window through its module, as the program opens it: time and memory to the
// first page shown. The program asks for the browser engine's shared OpenGL contexts before
// its application exists; with --no-share-gl this does not, and with --share-gl-on-open it
// makes the shared context only when the window is opened.
#include "loopbackpage.h"
#include "web/webwindow.h"
#include "webreport.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QPluginLoader>

#include <string>

// Qt's own, exported by Qt GUI but declared only in its private headers.
void qt_gl_set_global_share_context(QOpenGLContext *context);

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_web PATH-OF-vorlina_web"
                             " [--no-share-gl | --share-gl-on-open]\n");
        return 2;
    }
    const std::string mode = argc > 2 ? argv[2] : "";
    if (mode.empty())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const double openedAt = bench::seconds();
    LoopbackPage page([openedAt] { reportPageShown(openedAt); });
    if (mode == "--share-gl-on-open") {
        auto *share = new QOpenGLContext(&app);
        share->create();
        qt_gl_set_global_share_context(share);
    }
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    auto *factory = qobject_cast<WebWindowFactory *>(loader.instance());
    if (!factory) {
        std::fprintf(stderr, "%s\n", qPrintable(loader.errorString()));
        return 1;
    }
    factory->showBrowser(page.address());
    return app.exec();
}
