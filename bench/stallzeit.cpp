// A booking from the barn page, from the request to the saved herd file, over real HTTP on
// the program's own event loop: weanings of suckling sows on the demo herds of 2,000 and
// 40,000 sows, against the herd save alone. Run it with QT_QPA_PLATFORM=offscreen where there
// is no display.
//
//   porvanta_stallzeit [--groessen=2000,40000]

#include "benchherde.h"
#include "herd/saustatus.h"
#include "stall/stallsteuerung.h"
#include "stall/stallzugang.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>

#include <algorithm>

namespace {

const QDate kHeute(2024, 3, 10);

struct Antwort {
    int status = 0;
    QJsonObject json;
    QByteArray keks;
};

Antwort senden(QNetworkAccessManager& nam, quint16 port, const QString& pfad,
               const QJsonObject& o, const QByteArray& keks = {}, const QByteArray& csrf = {}) {
    QNetworkRequest r(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(pfad)));
    r.setRawHeader("Content-Type", "application/json");
    if (!keks.isEmpty()) r.setRawHeader("Cookie", keks);
    if (!csrf.isEmpty()) r.setRawHeader("X-CSRF-Token", csrf);
    QNetworkReply* rep = nam.post(r, QJsonDocument(o).toJson(QJsonDocument::Compact));
    QEventLoop schleife;
    QObject::connect(rep, &QNetworkReply::finished, &schleife, &QEventLoop::quit);
    schleife.exec();
    Antwort a;
    a.status = rep->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    a.json = QJsonDocument::fromJson(rep->readAll()).object();
    const QByteArray k = rep->rawHeader("Set-Cookie");
    a.keks = k.left(k.indexOf(';'));
    rep->deleteLater();
    return a;
}

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// The fastest of five weanings and of five herd saves on a herd of `n` sows.
bool messen(int n) {
    QTemporaryDir dir, einstellungen;
    const Herde herde = benchherde::demoHerde(n, kHeute, dir);
    ConsoleMessages meldungen;
    FixedClock uhr(kHeute);
    AppContext ctx(meldungen, uhr);
    ctx.Datenpfad = dir.path() + u'/';
    ctx.einstellungsDatei = einstellungen.filePath(QStringLiteral("PV.INI"));
    ctx.Sauenliste = herde;
    QTcpServer frei;
    frei.listen(QHostAddress::LocalHost, 0);
    ctx.einstellungen.stallzugang = true;
    ctx.einstellungen.stallPort = frei.serverPort();
    frei.close();
    StallSteuerung stall(ctx);
    if (!stall.einstellen()) return false;
    QNetworkAccessManager nam;
    const Antwort paar = senden(nam, stall.port(), QStringLiteral("/api/koppeln"),
                                {{"code", stall.zugang().neuerCode()}, {"geraet", "Messung"}});
    if (paar.status != 200) return false;
    const QByteArray csrf = paar.json.value("csrf").toString().toLatin1();

    std::vector<QString> saeugend;
    for (const Sau& s : ctx.Sauenliste)
        if (saeugend.size() < 5 && !s.rec.Abgang().vorhanden() && SauStatus(s) == stSaeugend)
            saeugend.push_back(s.rec.SauNr().trimmed());
    if (saeugend.size() < 5) return false;
    double buchung = 1e300, speichern = 1e300;
    for (const QString& nr : saeugend) {
        QElapsedTimer t;
        t.start();
        const Antwort a = senden(nam, stall.port(), QStringLiteral("/api/buchen"),
                                 {{"nr", nr}, {"art", "absetzen"}}, paar.keks, csrf);
        const double zeit = ms(t);
        if (a.status != 200) {
            std::fprintf(stderr, "Sau %s: %d %s\n", qPrintable(nr), a.status,
                         qPrintable(a.json.value("fehler").toString()));
            return false;
        }
        buchung = std::min(buchung, zeit);
        t.restart();
        ctx.AenderungMerken();
        HerdeSpeichern(ctx);
        speichern = std::min(speichern, ms(t));
    }
    std::printf("%6d Sauen: Buchung bis gespeichert %7.1f ms, Herde speichern %7.1f ms, "
                "Unterschied %6.1f ms\n",
                n, buchung, speichern, buchung - speichern);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<int> groessen{2000, 40000};
    for (int i = 1; i < argc; ++i)
        benchherde::GroessenLesen(argv[i], groessen);
    for (int n : groessen)
        if (!messen(n)) return 1;
    std::printf("Ziel: <= 100 ms bei 2.000 Sauen; <= Herde speichern + 50 ms bei 40.000 Sauen\n");
    return 0;
}
