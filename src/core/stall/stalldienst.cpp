#include "stall/stalldienst.h"

#include "platform/messages.h"
#include "platform/safewrite.h"
#include "programm/appcontext.h"
#include "stall/stallauskunft.h"
#include "stall/stallbuchung.h"
#include "stall/stalljournal.h"
#include "stall/stallzugang.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

StallAntwort json(int status, const QJsonObject& o) {
    StallAntwort a;
    a.status = status;
    a.body = QJsonDocument(o).toJson(QJsonDocument::Compact);
    return a;
}

StallAntwort fehler(int status, const QString& meldung) {
    return json(status, {{QStringLiteral("fehler"), meldung}});
}

QByteArray cookie(const QByteArray& wert, int sekunden) {
    return QByteArray(stallanfrage::kCookie) + '=' + wert +
           "; Max-Age=" + QByteArray::number(sekunden) + "; Path=/; HttpOnly; SameSite=Strict";
}

const QString kOhneSitzung = QStringLiteral("Dieses Gerät ist nicht gekoppelt.");

} // namespace

StallDienst::StallDienst(AppContext& ctx, StallZugang& zugang, QByteArray seite)
    : ctx_(ctx), zugang_(zugang), seite_(std::move(seite)) {}

StallAntwort StallDienst::bearbeiten(const StallAnfrage& a) {
    if (a.body.size() > stallanfrage::kMaxBody)
        return fehler(413, QStringLiteral("Die Anfrage ist zu groß."));
    if (a.pfad == u"/" || a.pfad == u"/index.html") {
        if (a.methode != "GET") return fehler(405, QStringLiteral("Nicht erlaubt."));
        StallAntwort s;
        s.inhaltsart = "text/html; charset=utf-8";
        s.body = seite_;
        s.kopf = {{"Content-Security-Policy",
                   "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
                   "connect-src 'self'; img-src 'self' data:; form-action 'none'; "
                   "frame-ancestors 'none'"},
                  {"X-Frame-Options", "DENY"}};
        return s;
    }
    if (a.pfad == u"/api/koppeln") {
        if (a.methode != "POST") return fehler(405, QStringLiteral("Nicht erlaubt."));
        return koppeln(a);
    }
    if (a.pfad.startsWith(u"/api/")) return mitSitzung(a);
    return fehler(404, QStringLiteral("Diese Seite gibt es nicht."));
}

StallAntwort StallDienst::koppeln(const StallAnfrage& a) {
    QString f;
    const auto obj = stallanfrage::JsonLesen(a, f);
    if (!obj) return fehler(400, f);
    stallanfrage::Felder felder(*obj, ctx_.heute());
    const QString code = felder.text("code", 6, true);
    const QString name = felder.text("geraet", 40, false);
    if (!felder.ok()) return fehler(400, felder.fehler());
    const StallZugang::Kopplung k = zugang_.koppeln(code, name);
    if (!k.ok) return fehler(zugang_.gesperrt() ? 429 : 403, k.meldung);
    geraeteSpeichern();
    StallAntwort r = json(200, {{QStringLiteral("csrf"), QString::fromLatin1(k.csrf)},
                                {QStringLiteral("geraet"), zugang_.geraete().back().name}});
    r.kopf.append({"Set-Cookie", cookie(k.token, StallZugang::kSitzungTage * 24 * 3600)});
    return r;
}

StallAntwort StallDienst::mitSitzung(const StallAnfrage& a) {
    StallGeraet* g = zugang_.sitzung(stallanfrage::CookieWert(a.cookie, stallanfrage::kCookie));
    if (!g) // the page offers pairing again
        return json(403,
                    {{QStringLiteral("fehler"), kOhneSitzung}, {QStringLiteral("koppeln"), true}});
    if (a.methode == "POST") {
        if (!StallZugang::csrfPasst(*g, a.csrf))
            return fehler(403, QStringLiteral("Die Sitzung ist abgelaufen. Bitte neu laden."));
        if (a.pfad == u"/api/buchen") return buchen(a, *g);
        if (a.pfad == u"/api/abmelden") return abmelden(*g);
        return fehler(404, QStringLiteral("Diese Seite gibt es nicht."));
    }
    if (a.methode != "GET") return fehler(405, QStringLiteral("Nicht erlaubt."));
    if (a.pfad == u"/api/sitzung")
        return json(200, {{QStringLiteral("csrf"), QString::fromLatin1(g->csrf)},
                          {QStringLiteral("geraet"), g->name}});
    if (a.pfad == u"/api/listen") return json(200, stallauskunft::Listen(ctx_));
    if (a.pfad == u"/api/heute") {
        bool ok = false;
        const int typ = stallanfrage::Parameter(a.abfrage, QStringLiteral("typ")).toInt(&ok);
        return json(200, {{QStringLiteral("zeilen"), stallauskunft::Heute(ctx_, ok ? typ : -1)}});
    }
    if (a.pfad == u"/api/sau") {
        const QString nr = stallanfrage::Parameter(a.abfrage, QStringLiteral("nr"));
        const int i = stallauskunft::SauFinden(ctx_, nr);
        if (i < 0)
            return fehler(404, QStringLiteral("Keine Sau mit der Nummer %1.").arg(nr.left(20)));
        return json(200, stallauskunft::Sau(ctx_, i));
    }
    return fehler(404, QStringLiteral("Diese Seite gibt es nicht."));
}

StallAntwort StallDienst::buchen(const StallAnfrage& a, StallGeraet& g) {
    QString f;
    const auto obj = stallanfrage::JsonLesen(a, f);
    if (!obj) return fehler(400, f);
    const auto e = stallbuchung::EingabeLesen(*obj, ctx_.heute(), f);
    if (!e) return fehler(400, f);
    const QString nr = obj->value(QStringLiteral("nr")).toString();
    const int i = stallauskunft::SauFinden(ctx_, nr);
    if (i < 0) return fehler(400, QStringLiteral("Keine Sau mit der Nummer %1.").arg(nr.left(20)));
    using stallbuchung::Ergebnis;
    const Ergebnis r = stallbuchung::Buchen(ctx_, i, *e);
    switch (r.stand) {
    case Ergebnis::Abgelehnt:
        return fehler(400, r.meldung);
    case Ergebnis::AmPcOffen:
        return fehler(409, r.meldung);
    case Ergebnis::Rueckfrage:
        return json(200, {{QStringLiteral("rueckfrage"), QJsonArray::fromStringList(r.warnungen)}});
    case Ergebnis::Gebucht:
    case Ergebnis::NichtGespeichert:
        break;
    }
    journal(g, i, r.wurfNr, r.aenderung);
    geraeteSpeichern();
    if (gebucht) gebucht();
    if (r.stand == Ergebnis::NichtGespeichert)
        return fehler(500, QStringLiteral("Gebucht, aber die Herde konnte nicht gespeichert "
                                          "werden. Bitte am PC prüfen."));
    return json(200, {{QStringLiteral("ok"), true},
                      {QStringLiteral("meldung"), QStringLiteral("Gebucht: ") + r.aenderung},
                      {QStringLiteral("sau"), stallauskunft::Sau(ctx_, i)}});
}

StallAntwort StallDienst::abmelden(StallGeraet& g) {
    const auto& l = zugang_.geraete();
    for (std::size_t i = 0; i < l.size(); ++i)
        if (&l[i] == &g) zugang_.widerrufen(int(i));
    geraeteSpeichern();
    StallAntwort r = json(200, {{QStringLiteral("ok"), true}});
    r.kopf.append({"Set-Cookie", cookie("", 0)});
    return r;
}

void StallDienst::geraeteSpeichern() {
    QString grund;
    if (!zugang_.speichern(&grund))
        ctx_.messages().error(
            SchreibFehlerText(QFileInfo(zugang_.datei()).fileName(), zugang_.datei(), grund));
}

void StallDienst::journal(const StallGeraet& g, int sau, int wurf, const QString& was) {
    const QString name = QString::fromLatin1(stalljournal::kDatei);
    const QString datei = ctx_.datei(name);
    const QString zeile =
        stalljournal::Zeile(QDateTime::currentDateTime(), g.name,
                            ctx_.Sauenliste[std::size_t(sau)].rec.SauNr(), wurf, was);
    QString grund;
    if (!stalljournal::Anfuegen(datei, zeile, &grund))
        ctx_.messages().error(SchreibFehlerText(name, datei, grund));
}
