// Runs the program's own main(), built in here under another name, and quits once the table
// has been painted: so it starts exactly as the program does.
#include "firstpaint.h"

#include <QApplication>

int vorlinaMain(int argc, char *argv[]);

namespace {

// Runs as the program's application is made, before its first window exists.
void watchForTheFirstPaint()
{
    static QuitAtFirstPaint quit;
    qApp->installEventFilter(&quit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstPaint)

int main(int argc, char *argv[])
{
    return vorlinaMain(argc, argv);
}
