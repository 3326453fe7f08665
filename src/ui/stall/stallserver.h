#pragma once

#include <QAbstractHttpServer>
#include <QHostAddress>

class StallDienst;

// The HTTP side of the barn access: hands every request to the service in the program's
// own event loop and writes its answer. Requests from outside the local network are refused.
class StallServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    StallServer(StallDienst& dienst, QObject* parent = nullptr);

    // A private, link-local or loopback address: the farm's own network.
    static bool lokal(const QHostAddress& a);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    StallDienst& dienst_;
};
