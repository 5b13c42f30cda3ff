#pragma once

#include <QString>
#include <QStringList>

class WebWindowFactory;

// The web page window's module, loaded the first time the window is opened so that the
// browser engine costs nothing until then.
class WebModule
{
public:
    // The module is looked for in these folders, in order.
    explicit WebModule(QStringList places);

    // The places the program looks in: beside it, then where it is installed.
    static QStringList programPlaces();

    // The window's maker, or null with the reason in why: the module is missing or does not
    // load, or the browser engine cannot start here.
    WebWindowFactory *factory(QString &why);

private:
    WebWindowFactory *load(QString &why);

    QStringList m_places;
    WebWindowFactory *m_factory = nullptr;
};
