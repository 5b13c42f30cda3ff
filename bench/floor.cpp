// The floor for start-up: a bare window of the table's size with a few labels and buttons.
// With --stay it stays up, for memory and idle readings; with --share-gl it asks for the
// shared OpenGL contexts that the browser engine needs, as the program does.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <cstring>

int main(int argc, char *argv[])
{
    bool stay = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--stay") == 0)
            stay = true;
        if (std::strcmp(argv[i], "--share-gl") == 0)
            QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(572, 461);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::blue);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    const char *captions[] = {"High Run:", "High Score:", "Score:", "Run:", "Cards Left:"};
    int y = 10;
    for (const char *caption : captions) {
        auto *label = new QLabel(QString::fromLatin1(caption), &window);
        label->setGeometry(10, y, 120, 25);
        y += 30;
    }
    const char *buttons[] = {"Deal", "Exit", "Menu", "High Scores"};
    int x = 150;
    for (const char *caption : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(caption), &window);
        button->setGeometry(x, 290, 80, 33);
        x += 90;
    }
    QuitAtFirstPaint quit;
    if (!stay)
        window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
