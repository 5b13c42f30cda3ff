#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

// Serves small pages titled "Page <path>" on 127.0.0.1, so that no test needs the internet.
class LoopbackServer : public QTcpServer
{
public:
    LoopbackServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, socket, [socket] { answer(socket); });
            }
        });
    }

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(serverPort()).arg(path);
    }

    static QString title(const QString &path) { return QStringLiteral("Page ") + path; }

private:
    static void answer(QTcpSocket *socket)
    {
        // Answer once the whole request head is in.
        QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        const QByteArray path = request.split(' ').value(1).mid(1);
        const QByteArray body = "<html><head><title>" + title(QString::fromLatin1(path)).toLatin1()
                                + "</title></head><body>" + path + "</body></html>";
        socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};
