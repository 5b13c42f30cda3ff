#pragma once

#include "runtime/forms.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QString>
#include <QtPlugin>

// Qt GUI's own, exported but declared only among its private headers.
void qt_gl_set_global_share_context(QOpenGLContext *context);

// The browser engine draws with an OpenGL context shared with the application's, which must
// exist before the module is loaded. Made then rather than at start-up, where it would load
// the OpenGL driver for every game.
inline void shareContextForBrowser()
{
    if (QOpenGLContext::globalShareContext())
        return;
    // As Qt does at start-up when asked to share: the engine expects a context even where
    // the platform cannot create one.
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

// The web page window lives in a module of its own, loaded the first time it is opened, so
// that the browser engine costs nothing until then.
class WebWindowFactory
{
public:
    virtual ~WebWindowFactory() = default;
    // Sets the window's starting address and shows it; a window that it loads opens beside
    // the window it is asked to keep clear of, and a window already open is shown again as it
    // is, where it is.
    virtual void showBrowser(const QString &startingAddress, const Beside &beside) = 0;
    // Why the window cannot be shown on this machine, or an empty text when it can.
    virtual QString cannotShow() const = 0;
};

#define WebWindowFactory_iid "org.vorlina.WebWindowFactory/3"
Q_DECLARE_INTERFACE(WebWindowFactory, WebWindowFactory_iid)
