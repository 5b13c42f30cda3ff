// Writes the program icon as a PNG for the desktop entry.
#include "images/pictures.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    return programIcon().pixmap(32, 32).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
