// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small HTTP server for tests, on 127.0.0.1 at a port the system picks, answering each path as it was told: a
// plain reply, a redirect, or as a hostile server would (never answering, a byte at a time, a body without end).
#include "testdata.h"

#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <memory>

class TestHttpServer : public QObject
{
public:
    enum class Mode {
        Normal,  // the whole reply at once
        Silent,  // accepts the request and never answers
        Drip,    // the headers, then one byte of the body every 200 ms
        Endless, // a body without a length that never ends
        Delayed, // the whole reply, half a second late
    };
    struct Reply
    {
        int status = 200;
        QByteArray body;
        QByteArray headers; // more header lines, each ending in CR LF
        Mode mode = Mode::Normal;
    };

    // With tls, an HTTPS server with the certificate in tests/data/tls (see trustTestCertificate()).
    explicit TestHttpServer(bool tls = false)
        : m_server(tls ? tlsServer() : new QTcpServer)
        , m_scheme(tls ? QStringLiteral("https") : QStringLiteral("http"))
    {
        m_server->listen(QHostAddress::LocalHost, 0);
        connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    // What to answer for a path ("/feed.xml"), or for a path with its query when that is given.
    void route(const QString& target, const Reply& reply) { m_routes.insert(target, reply); }
    void route(const QString& target, const QByteArray& body, int status = 200)
    {
        Reply reply;
        reply.status = status;
        reply.body = body;
        m_routes.insert(target, reply);
    }
    QUrl url(const QString& target) const
    {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(m_scheme).arg(m_server->serverPort()).arg(target));
    }

    // Makes this process trust the test certificate, as a system's trusted authorities would.
    static void trustTestCertificate()
    {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.addCaCertificates(testDataPath(QStringLiteral("tls/localhost.crt")));
        QSslConfiguration::setDefaultConfiguration(configuration);
    }
    QStringList requests; // the targets asked for, in order

private:
    static QTcpServer* tlsServer()
    {
        auto* server = new QSslServer;
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        QFile key(testDataPath(QStringLiteral("tls/localhost.key")));
        key.open(QIODevice::ReadOnly);
        configuration.setPrivateKey(QSslKey(&key, QSsl::Rsa));
        configuration.setLocalCertificateChain(
            QSslCertificate::fromPath(testDataPath(QStringLiteral("tls/localhost.crt"))));
        server->setSslConfiguration(configuration);
        return server;
    }

    void readRequest(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0) {
            return;
        }
        const QString target = QString::fromLatin1(buffer.left(buffer.indexOf("\r\n")).split(' ').value(1));
        m_buffers.remove(socket);
        requests << target;
        const Reply reply = m_routes.value(target, m_routes.value(QUrl(target).path(), Reply {404, "not here", {}}));
        answer(socket, reply);
    }

    void answer(QTcpSocket* socket, const Reply& reply)
    {
        if (reply.mode == Mode::Silent) {
            return;
        }
        if (reply.mode == Mode::Delayed) {
            Reply now = reply;
            now.mode = Mode::Normal;
            QTimer::singleShot(500, socket, [this, socket, now] { answer(socket, now); });
            return;
        }
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\n" + reply.headers;
        if (reply.mode == Mode::Endless) {
            socket->write(head + "Connection: close\r\n\r\n");
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
                if (socket->bytesToWrite() < 256 * 1024) {
                    socket->write(QByteArray(64 * 1024, 'x'));
                }
            });
            return;
        }
        if (!reply.headers.contains("Content-Length")) {
            head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
        }
        if (reply.mode == Mode::Normal) {
            socket->write(head + "\r\n" + reply.body); // the connection stays open for the client's next request
            return;
        }
        socket->write(head + "Connection: close\r\n\r\n");
        auto* drip = new QTimer(socket);
        QObject::connect(drip, &QTimer::timeout, socket, [socket, body = reply.body, sent = qsizetype(0)]() mutable {
            if (sent < body.size()) {
                socket->write(body.mid(sent++, 1));
            }
        });
        drip->start(200);
    }

    std::unique_ptr<QTcpServer> m_server;
    QString m_scheme;
    QHash<QString, Reply> m_routes;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};
Q_DECLARE_METATYPE(TestHttpServer::Reply)
