#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// One small page served on the loopback address. Once the browser has loaded and laid it out,
// its load handler asks for /shown, and that request calls back.
class LoopbackPage : public QObject
{
public:
    explicit LoopbackPage(std::function<void()> shown) : m_shown(std::move(shown))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    QString address() const
    {
        return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
    }

private:
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            m_request[socket] += socket->readAll();
            const QByteArray request = m_request[socket];
            if (!request.contains("\r\n\r\n"))
                return;
            m_request.remove(socket);
            const QByteArray path = request.split(' ').value(1);
            if (path == "/") {
                reply(socket, "200 OK", Page);
            } else if (path == "/shown") {
                reply(socket, "204 No Content", {});
                if (m_shown)
                    std::exchange(m_shown, nullptr)();
            } else {
                reply(socket, "404 Not Found", {});
            }
        });
    }

    static void reply(QTcpSocket *socket, const char *status, const QByteArray &body)
    {
        socket->write(QByteArray("HTTP/1.1 ") + status + "\r\nContent-Type: text/html\r\n"
                      + "Content-Length: " + QByteArray::number(body.size())
                      + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    static constexpr const char Page[] =
        "<!doctype html><html><head><title>Bench page</title></head>"
        "<body onload=\"requestAnimationFrame(() => fetch('/shown'))\">"
        "<h1>Vorlina</h1><p>A page served on the loopback address.</p></body></html>";

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_request;
    std::function<void()> m_shown;
};
