#include "stall/stallsteuerung.h"

#include "platform/messages.h"
#include "programm/appcontext.h"
#include "stall/stalldienst.h"
#include "stall/stalljournal.h"
#include "stall/stallserver.h"

#include <QFile>
#include <QNetworkInterface>
#include <algorithm>

namespace {
QByteArray seite() {
    QFile f(QStringLiteral(":/stall/stallseite.html"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

StallSteuerung::StallSteuerung(AppContext& ctx, QObject* parent) : QObject(parent), ctx_(ctx) {
    dienst_ = std::make_unique<StallDienst>(ctx_, zugang_, seite());
    dienst_->gebucht = [this] { emit gebucht(); };
}

StallSteuerung::~StallSteuerung() = default;

bool StallSteuerung::einstellen() {
    if (!geladen_ || datenpfad_ != ctx_.Datenpfad) {
        datenpfad_ = ctx_.Datenpfad;
        zugang_.laden(ctx_.datei(QString::fromLatin1(StallZugang::kDatei)));
        geladen_ = true;
    }
    const Einstellungen& e = ctx_.einstellungen;
    if (!e.stallzugang) {
        schliessen();
        return true;
    }
    if (server_ && port_ == e.stallPort) return true;
    schliessen();
    auto s = std::make_unique<StallServer>(*dienst_);
    if (s->listen(QHostAddress::Any, quint16(e.stallPort)) == 0) {
        ctx_.messages().error(
            QStringLiteral("Der Stallzugang kann den Port %1 nicht öffnen. Bitte in den "
                           "Einstellungen einen anderen Port wählen.")
                .arg(e.stallPort));
        return false;
    }
    server_ = std::move(s);
    port_ = quint16(e.stallPort);
    return true;
}

void StallSteuerung::schliessen() {
    server_.reset(); // closes the listening sockets with it
    port_ = 0;
}

QString StallSteuerung::adresse() const {
    QString host = QStringLiteral("127.0.0.1");
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        // The farm's network, not a container's or a virtual machine's bridge.
        static const QStringList virtuell{QStringLiteral("docker"), QStringLiteral("veth"),
                                          QStringLiteral("br-"), QStringLiteral("virbr")};
        if (!f.testFlag(QNetworkInterface::IsUp) || !f.testFlag(QNetworkInterface::IsRunning) ||
            f.testFlag(QNetworkInterface::IsLoopBack) ||
            std::any_of(virtuell.begin(), virtuell.end(),
                        [&](const QString& v) { return i.name().startsWith(v); }))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries())
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol && StallServer::lokal(e.ip()))
                return QStringLiteral("http://%1:%2/").arg(e.ip().toString()).arg(port_);
    }
    return QStringLiteral("http://%1:%2/").arg(host).arg(port_);
}

QString StallSteuerung::journalDatei() const {
    return ctx_.datei(QString::fromLatin1(stalljournal::kDatei));
}
