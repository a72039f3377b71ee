#include "testsupport/LocalHttpServer.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <gtest/gtest.h>

namespace pafdm::test {

void EnsureCoreApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "pafdm_tests";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends; destroying it at exit races other statics.
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
}

LocalHttpServer::Reply LocalHttpServer::Reply::Text(const QByteArray& body, int status)
{
    Reply reply;
    reply.status = status;
    reply.reason = status == 200 ? QByteArray("OK") : QByteArray("Status");
    reply.headers.emplaceBack("Content-Type", "text/html; charset=utf-8");
    reply.body = body;
    return reply;
}

LocalHttpServer::Reply LocalHttpServer::Reply::Bytes(const QByteArray& body)
{
    Reply reply;
    reply.headers.emplaceBack("Content-Type", "application/octet-stream");
    reply.body = body;
    return reply;
}

LocalHttpServer::Reply LocalHttpServer::Reply::Never()
{
    Reply reply;
    reply.never = true;
    return reply;
}

LocalHttpServer::Reply LocalHttpServer::Reply::WithStatus(int code, const QByteArray& reasonPhrase) const
{
    Reply reply = *this;
    reply.status = code;
    reply.reason = reasonPhrase;
    return reply;
}

LocalHttpServer::Reply LocalHttpServer::Reply::WithFraming(Framing how) const
{
    Reply reply = *this;
    reply.framing = how;
    return reply;
}

LocalHttpServer::Reply LocalHttpServer::Reply::WithContentLength(const QByteArray& value) const
{
    Reply reply = *this;
    reply.contentLength = value;
    return reply;
}

LocalHttpServer::Reply LocalHttpServer::Reply::StallingAfter(qint64 bytes) const
{
    Reply reply = *this;
    reply.stallAfter = bytes;
    return reply;
}

LocalHttpServer::LocalHttpServer()
{
    EnsureCoreApplication();
    m_server = new QTcpServer(this);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        ADD_FAILURE() << "local HTTP server cannot listen: " << m_server->errorString().toStdString();
    connect(m_server, &QTcpServer::newConnection, this, &LocalHttpServer::OnNewConnection);
}

LocalHttpServer::~LocalHttpServer()
{
    for (auto& [socket, buffer] : m_buffers) {
        socket->disconnect(this);
        socket->abort();
    }
}

quint16 LocalHttpServer::Port() const
{
    return m_server->serverPort();
}

QString LocalHttpServer::BaseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(Port());
}

quint16 LocalHttpServer::UnusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LocalHttpServer::OnNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        m_buffers[socket];
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.erase(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::OnReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.clear();
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.emplaceBack(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    requests.push_back(request);
    Answer(socket, request);
}

void LocalHttpServer::Answer(QTcpSocket* socket, const Request& request)
{
    QByteArray path = request.target;
    if (!path.startsWith('/'))
        path = QUrl::fromEncoded(path).path(QUrl::FullyEncoded).toLatin1();
    const qsizetype query = path.indexOf('?');
    if (query >= 0)
        path.truncate(query);
    const auto route = m_routes.find(path);
    const Reply& reply = route != m_routes.end() ? route->second : fallback;
    if (reply.never)
        return;

    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reply.reason + "\r\n";
    for (const auto& header : reply.headers)
        head += header.first + ": " + header.second + "\r\n";
    if (reply.framing == Framing::kContentLength) {
        const QByteArray length =
            reply.contentLength.isNull() ? QByteArray::number(reply.body.size()) : reply.contentLength;
        head += "Content-Length: " + length + "\r\n";
    } else if (reply.framing == Framing::kChunked) {
        head += "Transfer-Encoding: chunked\r\n";
    }
    head += "Connection: close\r\n\r\n";

    QByteArray body = reply.body;
    const bool stall = reply.stallAfter >= 0;
    if (stall)
        body.truncate(reply.stallAfter);
    if (reply.framing == Framing::kChunked) {
        QByteArray chunked;
        for (qsizetype at = 0; at < body.size(); at += 1000) {
            const QByteArray piece = body.mid(at, 1000);
            chunked += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
        }
        if (!stall)
            chunked += "0\r\n\r\n";
        body = chunked;
    }
    socket->write(head + body);
    if (!stall)
        socket->disconnectFromHost();
}

} // namespace pafdm::test
