#include "app/windows.h"
#include "runtime/forms.h"
#include "runtime/qtruntime.h"
#include "table/frmvorlina.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlina"));
    QApplication::setApplicationVersion(QStringLiteral(VORLINA_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows were drawn with the standard 8-point dialog font.
    QApplication::setFont(formsFont(Face::MSSansSerif, 8));

    QtRuntime rt;
    Windows windows(rt);
    frmVorlina table(rt, &windows);
    windows.setTable(&table);
    table.show();
    return app.exec();
}
