// The floor for the web page window: the browser engine's bare view on the same page.
#include "loopbackpage.h"
#include "webreport.h"

#include <QApplication>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const double openedAt = bench::seconds();
    LoopbackPage page([openedAt] { reportPageShown(openedAt); });
    QWebEngineView view;
    view.resize(722, 571);
    view.load(QUrl(page.address()));
    view.show();
    return app.exec();
}
