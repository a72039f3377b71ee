#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace pafdm::test {

// Makes sure a QCoreApplication exists (tests that use Qt's event loop or
// networking call this; the test mains do not create one).
void EnsureCoreApplication();

// A small HTTP/1.1 server on 127.0.0.1 for tests, run by the thread's event
// loop (the code under test yields to it while it waits). Every request is
// recorded and answered from a script; each connection serves one request.
// Requests for absolute URLs ("GET http://host/path") are answered the same
// way, so one server can stand in as an HTTP proxy.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray target; // as sent: "/path?query" or an absolute URL through a proxy
        QList<QPair<QByteArray, QByteArray>> headers;
    };

    enum class Framing {
        kContentLength, // a Content-Length header (unless Reply::contentLength overrides it)
        kChunked,       // Transfer-Encoding: chunked
        kUntilClose,    // no length at all: the body ends when the connection closes
    };

    struct Reply {
        int status = 200;
        QByteArray reason = "OK";
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        Framing framing = Framing::kContentLength;
        // With kContentLength: the header's value as sent, when not the body size.
        QByteArray contentLength;
        // Accept the request and never answer.
        bool never = false;
        // Send the headers and this many body bytes, then leave the connection
        // open without sending more (-1: send everything).
        qint64 stallAfter = -1;

        // A text page, or binary content, with the given status.
        static Reply Text(const QByteArray& body, int status = 200);
        static Reply Bytes(const QByteArray& body);
        // Takes the request and never answers.
        static Reply Never();

        Reply WithStatus(int code, const QByteArray& reasonPhrase) const;
        Reply WithFraming(Framing how) const;
        Reply WithContentLength(const QByteArray& value) const;
        Reply StallingAfter(qint64 bytes) const;
    };

    LocalHttpServer();
    ~LocalHttpServer() override;

    quint16 Port() const;
    // "http://127.0.0.1:<port>"
    QString BaseUrl() const;

    // Reply for requests whose path (the target without query, host part
    // dropped for absolute URLs) is `path`; others get `fallback`.
    void Route(const QByteArray& path, Reply reply) { m_routes[path] = std::move(reply); }
    Reply fallback = Reply::Text("not found", 404);

    std::vector<Request> requests;

    // A local port nothing listens on.
    static quint16 UnusedPort();

private:
    void OnNewConnection();
    void OnReadyRead(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const Request& request);

    QTcpServer* m_server;
    std::map<QByteArray, Reply> m_routes;
    std::map<QTcpSocket*, QByteArray> m_buffers;
};

} // namespace pafdm::test
