#include "stall/stallbuchung.h"

#include "entry/kartenbuchung.h"
#include "programm/appcontext.h"
#include "stall/stallanfrage.h"
#include "stall/stallereignisse.h"

namespace stallbuchung {

std::optional<Art> ArtAusText(const QString& t) {
    static const QStringList namen{QStringLiteral("belegen"),   QStringLiteral("tk"),
                                   QStringLiteral("abferkeln"), QStringLiteral("verlust"),
                                   QStringLiteral("absetzen"),  QStringLiteral("stall")};
    const qsizetype i = namen.indexOf(t);
    if (i < 0) return std::nullopt;
    return Art(i);
}

std::optional<Eingabe> EingabeLesen(const QJsonObject& obj, QDate heute, QString& fehler) {
    stallanfrage::Felder f(obj, heute);
    Eingabe e;
    const auto art = ArtAusText(f.text("art", 12, true));
    if (!art) f.fehlerSetzen(QStringLiteral("Unbekannte Buchungsart."));
    e.art = art.value_or(Art::Belegen);
    if (e.art != Art::Stall) e.datum = f.datum("datum");
    e.bestaetigt = f.wahr("bestaetigt", false);
    switch (e.art) {
    case Art::Belegen:
        e.eber = f.text("eber", 10, false);
        e.mal = f.ganz("mal", 1, 9, 1);
        break;
    case Art::TK:
        e.tragend = f.wahr("tragend", true);
        break;
    case Art::Abferkeln:
        e.lebend = f.ganz("lebend", 0, 255, 0);
        e.tot = f.ganz("tot", 0, 255, 0);
        e.weibliche = f.ganz("weibliche", 0, 255, 0);
        break;
    case Art::Verlust:
        e.anzahl = f.ganz("anzahl", 1, 14, 1);
        e.ursache = f.text("ursache", 15, true);
        break;
    case Art::Absetzen:
        e.gewichtKg = f.zahl("gewicht", 0, 65.535, 0);
        break;
    case Art::Stall:
        e.stall = f.text("stall", 15, true);
        break;
    }
    if (!f.ok()) {
        fehler = f.fehler();
        return std::nullopt;
    }
    return e;
}

Ergebnis Buchen(AppContext& ctx, int index, const Eingabe& e) {
    Ergebnis r;
    if (index < 0 || std::size_t(index) >= ctx.Sauenliste.size()) {
        r.meldung = QStringLiteral("Diese Sau gibt es nicht.");
        return r;
    }
    if (ctx.geoeffnet.offen(index)) {
        r.stand = Ergebnis::AmPcOffen;
        r.meldung = kAmPcOffen;
        return r;
    }
    if (ctx.DateiUnlesbar) {
        r.meldung = QStringLiteral("Die Herdendatei konnte nicht gelesen werden; bitte am PC "
                                   "klären.");
        return r;
    }
    Sau& sau = ctx.Sauenliste[std::size_t(index)];
    Arbeit a{ctx, sau.rec, kartenbuchung::KartenWuerfe(sau.rec, sau.wuerfe), {}, {}, -1};
    r.meldung = Anwenden(a, e);
    if (!r.meldung.isEmpty()) return r;
    r.wurfNr = a.wurf >= 0 ? a.w[std::size_t(a.wurf)].WurfNr() : 0;
    r.warnungen = a.warnungen;
    r.aenderung = a.aenderung;
    if (!r.warnungen.isEmpty() && !e.bestaetigt) {
        r.stand = Ergebnis::Rueckfrage;
        return r;
    }
    if (e.art != Art::Stall) {
        kartenbuchung::WuerfeEintragen(sau.wuerfe, a.w);
        kartenbuchung::EberAufnehmen(ctx.Eberliste, e.eber, {});
    }
    kartenbuchung::KarteUebernehmen(ctx, index, a.rec, {}, 1);
    const bool gespeichert = !ctx.einstellungen.einzelspeicherung || !ctx.Geaendert;
    r.stand = gespeichert ? Ergebnis::Gebucht : Ergebnis::NichtGespeichert;
    return r;
}

} // namespace stallbuchung
