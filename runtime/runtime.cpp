#include "runtime/runtime.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

void Runtime::fail(QWidget *owner, const QString &message)
{
    // The box runs an event loop of its own: the round clock or a window's poll would go on
    // playing behind it, and a game that ends must not deal, score or write another byte.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        const QList<QTimer *> timers = window->findChildren<QTimer *>();
        for (QTimer *timer : timers)
            timer->stop();
    }
    MsgBox(owner, message);
    End(1);
}
