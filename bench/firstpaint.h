#pragma once

#include "benchsupport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Quits the application once the first window has been painted; it watches the object it is
// installed on (a window, or the whole application).
class QuitAtFirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_painted = true;
            std::printf("metric painted_ms %.1f\n", bench::msSinceExec());
            std::fflush(stdout);
            // Queued, so it runs after this paint and its children's have been flushed.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_painted = false;
};
