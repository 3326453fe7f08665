#include "stall/stallserver.h"

#include "stall/stalldienst.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <QUrl>

namespace {

QByteArray kopf(const QHttpServerRequest& r, const QByteArray& name) {
    for (const auto& [k, v] : r.headers())
        if (k.compare(name, Qt::CaseInsensitive) == 0) return v;
    return {};
}

StallAnfrage anfrage(const QHttpServerRequest& r) {
    StallAnfrage a;
    switch (r.method()) {
    case QHttpServerRequest::Method::Get:
        a.methode = "GET";
        break;
    case QHttpServerRequest::Method::Post:
        a.methode = "POST";
        break;
    default:
        a.methode = "OTHER";
        break;
    }
    a.pfad = r.url().path();
    a.abfrage = r.url().query(QUrl::FullyEncoded);
    a.cookie = kopf(r, "cookie");
    a.csrf = kopf(r, "x-csrf-token");
    a.inhaltsart = kopf(r, "content-type");
    a.body = r.body();
    return a;
}

void schreiben(QHttpServerResponder& resp, const StallAntwort& a) {
    resp.writeStatusLine(QHttpServerResponder::StatusCode(a.status));
    resp.writeHeader("Content-Type", a.inhaltsart);
    resp.writeHeader("Content-Length", QByteArray::number(a.body.size()));
    resp.writeHeader("Cache-Control", "no-store");
    resp.writeHeader("X-Content-Type-Options", "nosniff");
    resp.writeHeader("Referrer-Policy", "no-referrer");
    for (const auto& [k, v] : a.kopf)
        resp.writeHeader(k, v);
    resp.writeBody(a.body);
}

} // namespace

StallServer::StallServer(StallDienst& dienst, QObject* parent)
    : QAbstractHttpServer(parent), dienst_(dienst) {}

bool StallServer::lokal(const QHostAddress& roh) {
    bool v4 = false;
    const QHostAddress a(roh.toIPv4Address(&v4));
    const QHostAddress& x = v4 ? a : roh;
    if (x.isLoopback() || x.isLinkLocal() || x.isUniqueLocalUnicast()) return true;
    if (!v4) return false;
    for (const char* netz : {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"})
        if (x.isInSubnet(QHostAddress::parseSubnet(QLatin1String(netz)))) return true;
    return false;
}

bool StallServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder resp = makeResponder(request, socket);
    if (!lokal(request.remoteAddress())) {
        StallAntwort a;
        a.status = 403;
        a.body = R"({"fehler":"Nur aus dem eigenen Netz."})";
        schreiben(resp, a);
        return true;
    }
    schreiben(resp, dienst_.bearbeiten(anfrage(request)));
    return true;
}

void StallServer::missingHandler(const QHttpServerRequest&, QTcpSocket*) {}
