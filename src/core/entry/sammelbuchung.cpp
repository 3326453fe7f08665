#include "entry/sammelbuchung.h"

#include "platform/messages.h"
#include "programm/appcontext.h"
#include "stamm/terminnamen.h"

#include <algorithm>
#include <cmath>

namespace sammelbuchung {

QString NichtBelegtText(const QString& sauNr) {
    return QStringLiteral("Die Sau ") + sauNr +
           QStringLiteral(" wird zur Zeit nicht als belegt oder tragend geführt!");
}

QString SaeugendText(const QString& sauNr) {
    return QStringLiteral("Die Sau ") + sauNr + QStringLiteral(" ist zur Zeit säugend!");
}

QString KeinAbferkelnText(const QString& sauNr) {
    return QStringLiteral("Zur Sau ") + sauNr + QStringLiteral(" liegt keine Abferkeleintrag vor!");
}

namespace {

QString nichtBelegt(const Sau& sau) {
    return NichtBelegtText(sau.rec.SauNr());
}

QString belegen(Sau& sau, const Buchung& b) {
    TWurfRec* w = &sau.wuerfe.back();
    if (w->Abferkeln().vorhanden() && !w->Absetzen().vorhanden())
        return SaeugendText(sau.rec.SauNr());
    if (w->Absetzen().vorhanden()) {
        const int nr = std::min(int(w->WurfNr()) + 1, 255);
        sau.wuerfe.push_back(TWurfRec::leer(std::uint8_t(nr)));
        w = &sau.wuerfe.back();
    }
    int k = 3;
    if (!w->Belegen(1).vorhanden())
        k = 1;
    else if (!w->Belegen(2).vorhanden())
        k = 2;
    w->setBelegen(k, b.datum);
    if (!b.eber.isEmpty()) w->setEber(k, b.eber.left(10));
    if (b.mal > 1) w->setMal(k, std::uint8_t(std::min(b.mal, 255)));
    return {};
}

QString tragendKontrolle(Sau& sau, const Buchung& b) {
    if (sau.wuerfe.empty()) return nichtBelegt(sau);
    TWurfRec& w = sau.wuerfe.back();
    if (!w.Belegen(1).vorhanden() || w.Abferkeln().vorhanden()) return nichtBelegt(sau);
    const int k = b.eingabepunkt == epTK1 || !w.TKDatum(1).vorhanden() ? 1 : 2;
    w.setTKDatum(k, b.datum);
    w.setTKErgebnis(k, b.tragend ? 1 : 0);
    return {};
}

QString absetzen(Sau& sau, const Buchung& b) {
    if (sau.wuerfe.empty() || !sau.wuerfe.back().Abferkeln().vorhanden())
        return KeinAbferkelnText(sau.rec.SauNr());
    TWurfRec& w = sau.wuerfe.back();
    w.setAbsetzen(b.datum);
    if (b.absetzgewichtKg > 0.01) w.setAbsetzgewichtKg(b.absetzgewichtKg);
    return {};
}

} // namespace

bool Vollstaendig(const Buchung& b) {
    return b.eingabepunkt == epStall ? !b.stall.isEmpty() : b.datum.vorhanden();
}

QString SauBuchen(Sau& sau, const Buchung& b) {
    TKurzDatum d = b.datum;
    d.Zusatz = 0;
    Buchung mitDatum = b;
    mitDatum.datum = d;
    const int ep = b.eingabepunkt;
    switch (ep) {
    case epStall:
        sau.rec.setStall(b.stall.left(15));
        return {};
    case epTK1:
    case epTK2:
        return tragendKontrolle(sau, mitDatum);
    case epAbsetzen:
        return absetzen(sau, mitDatum);
    case epAbgang:
        sau.rec.setAbgang(d);
        sau.rec.setAbnehmer(b.eber.left(15));
        return {};
    default:
        break;
    }
    if (ep >= 6 && ep <= 9) {
        sau.rec.setSauTermin(ep - 5, d);
        return {};
    }
    // The rest books into the last litter; a sow without one stays as she is.
    if (sau.wuerfe.empty()) return {};
    if (ep == epBelegen) return belegen(sau, mitDatum);
    if (ep >= 10 && ep <= 17) sau.wuerfe.back().setWurfTermin(ep - 9, d);
    return {};
}

int SauenBuchen(AppContext& ctx, const std::vector<int>& sauen, const Buchung& b) {
    std::vector<int> gebucht;
    for (int i : sauen) {
        if (i < 0 || std::size_t(i) >= ctx.Sauenliste.size()) continue;
        const QString meldung = SauBuchen(ctx.Sauenliste[std::size_t(i)], b);
        if (meldung.isEmpty())
            gebucht.push_back(i);
        else
            ctx.messages().error(meldung);
    }
    if (!gebucht.empty()) ctx.AenderungMerken(gebucht);
    return int(gebucht.size());
}

namespace {

bool gleich(const plausibel::Befund& a, const plausibel::Befund& b) {
    return a.wurf == b.wurf && a.art == b.art && a.feld == b.feld && a.wert == b.wert &&
           a.wert2 == b.wert2 && a.datum == b.datum;
}

bool vomDatumfeld(plausibel::Art a) {
    return a == plausibel::Art::Zukunft || a == plausibel::Art::KeinKalendertag;
}

} // namespace

std::vector<plausibel::Befund> Befunde(const Herde& herde, const std::vector<int>& sauen,
                                       const Buchung& b, const OffenePunkteVorgaben& v) {
    std::vector<plausibel::Befund> neu, vorher, nachher;
    for (int i : sauen) {
        if (i < 0 || std::size_t(i) >= herde.size()) continue;
        Sau gebucht = herde[std::size_t(i)];
        if (!SauBuchen(gebucht, b).isEmpty()) continue; // refused: told when booked
        vorher.clear();
        nachher.clear();
        SauPruefen(herde[std::size_t(i)], i, v, vorher);
        SauPruefen(gebucht, i, v, nachher);
        for (const plausibel::Befund& f : nachher) {
            if (plausibel::Ueberfaellig(f.art) || vomDatumfeld(f.art)) continue;
            const auto war = [&](const plausibel::Befund& g) { return gleich(f, g); };
            if (std::none_of(vorher.begin(), vorher.end(), war)) neu.push_back(f);
        }
    }
    return neu;
}

QString Warnung(const Herde& herde, const std::vector<plausibel::Befund>& befunde, int zeilen) {
    if (befunde.empty()) return {};
    QStringList text;
    for (const plausibel::Befund& f : befunde) {
        if (text.size() == zeilen) {
            text << QStringLiteral("… und %1 weitere.").arg(befunde.size() - std::size_t(zeilen));
            break;
        }
        text << QStringLiteral("Sau ") + herde[std::size_t(f.sau)].rec.SauNr().trimmed() +
                    QStringLiteral(": ") + plausibel::Text(f);
    }
    text << QStringLiteral("Bitte prüfen.");
    return text.join(QLatin1Char('\n'));
}

bool Abschliessen(AppContext& ctx, bool speichern) {
    if (speichern) return HerdeSpeichern(ctx);
    HerdeLaden(ctx);
    return true;
}

QStringList Eingabepunkte(const Terminnamen& namen) {
    QStringList liste{QStringLiteral("Stall ändern"),  QStringLiteral("Belegen"),
                      QStringLiteral("1. TK.-Kontr."), QStringLiteral("2. TK.-Kontr."),
                      QStringLiteral("Absetzen"),      QStringLiteral("Abgang")};
    const auto eintrag = [&](std::size_t slot) {
        liste << (namen[slot].isEmpty() ? QStringLiteral("-") : namen[slot]);
    };
    for (std::size_t s = 0; s < 4; ++s)
        eintrag(s);
    for (std::size_t s = 10; s < 18; ++s)
        eintrag(s);
    // Entry index and slot agree from 10 on.
    while (liste.size() > 10 && namen[std::size_t(liste.size() - 1)].isEmpty())
        liste.removeLast();
    return liste;
}

std::array<bool, 7> Filter(int eingabepunkt) {
    switch (eingabepunkt) {
    case epBelegen:
        return {true, true, true, false, false, true, true};
    case epTK1:
    case epTK2:
        return {false, true, true, false, false, false, false};
    case epAbsetzen:
        return {false, false, false, true, false, false, false};
    default:
        break;
    }
    if (eingabepunkt >= 10 && eingabepunkt <= 17)
        return {false, true, true, true, false, false, true};
    return {true, true, true, true, false, true, true};
}

QString BaumZeile(const Sau& sau) {
    QString z = QStringLiteral("S ") + sau.rec.SauNr().leftJustified(17);
    for (const TWurfRec& w : sau.wuerfe)
        z += QStringLiteral(" - W") + QString::number(w.WurfNr());
    return z;
}

bool BaumTaste(Sau& sau, QChar taste) {
    if (sau.wuerfe.empty()) return false;
    int erste = sau.wuerfe.front().WurfNr();
    if (taste == u'+')
        ++erste;
    else if (taste == u'-') {
        if (erste > 1) --erste;
    } else if (taste != u'=')
        return false;
    // Numbers stay within the byte they are stored in.
    const int letzte = 255 - int(sau.wuerfe.size()) + 1;
    erste = std::clamp(erste, 0, std::max(letzte, 0));
    bool geaendert = false;
    for (std::size_t i = 0; i < sau.wuerfe.size(); ++i) {
        const auto nr = std::uint8_t(std::min(erste + int(i), 255));
        if (sau.wuerfe[i].WurfNr() == nr) continue;
        sau.wuerfe[i].setWurfNr(nr);
        geaendert = true;
    }
    return geaendert;
}

} // namespace sammelbuchung
