#include "entry/kartenbuchung.h"

#include "entry/wurfregeln.h"
#include "herd/textfunktionen.h"
#include "programm/appcontext.h"

namespace kartenbuchung {

std::vector<TWurfRec> KartenWuerfe(const TSauRec& sau, const std::vector<TWurfRec>& wuerfe) {
    std::vector<TWurfRec> kopien = wuerfe;
    if (!sau.SauNr().isEmpty() && !sau.Abgang().vorhanden() &&
        (kopien.empty() || kopien.back().Absetzen().vorhanden()))
        kopien.push_back(
            TWurfRec::leer(std::uint8_t(kopien.empty() ? 1 : kopien.back().WurfNr() + 1)));
    return kopien;
}

void WuerfeEintragen(std::vector<TWurfRec>& liste, const std::vector<TWurfRec>& kopien) {
    for (std::size_t i = 0; i < kopien.size(); ++i) {
        if (i < liste.size())
            liste[i] = kopien[i];
        else
            liste.push_back(kopien[i]);
    }
}

bool SauNrZulaessig(const Herde& herde, const QString& name, int eigenerIndex, QString* meldung) {
    const QString n = LeerzeichenEntfernen(name);
    if (n.isEmpty()) return false;
    for (std::size_t i = 0; i < herde.size(); ++i) {
        if (int(i) == eigenerIndex || herde[i].rec.SauNr() != n) continue;
        if (meldung)
            *meldung = QStringLiteral("Die Bezeichnung ") + n +
                       QStringLiteral(" kommt mehrfach in der Kartei vor!\n\r") +
                       QStringLiteral("Bitte ändern Sie diese.");
        return false;
    }
    return true;
}

QString AbgangPruefen(TKurzDatum zugang, TKurzDatum abgang, const std::vector<TWurfRec>& wuerfe) {
    if (!abgang.vorhanden()) return {};
    if (TageZwischen(zugang, abgang) < 0)
        return QStringLiteral("Der angegebene Verkauf liegt vor der Einstallung!");
    if (!wuerfe.empty() && TageZwischen(wurfregeln::letzterEintrag(wuerfe.back()), abgang) < 0)
        return QStringLiteral("Der Verkaufstermin liegt vor Eintragungen im letzten Wurf!");
    return {};
}

bool EberAufnehmen(QStringList& eberliste, const QString& name, const QStringList& angebot) {
    if (name.isEmpty() || angebot.contains(name) || eberliste.contains(name)) return false;
    eberliste.prepend(name);
    return true;
}

int KarteUebernehmen(AppContext& ctx, int index, const TSauRec& rec,
                     std::vector<TWurfRec> neueListe, int ersterWurf) {
    if (index < 0 || std::size_t(index) >= ctx.Sauenliste.size()) {
        neueListe.push_back(TWurfRec::leer(std::uint8_t(ersterWurf >= 1 ? ersterWurf : 1)));
        ctx.Sauenliste.push_back(Sau{rec, std::move(neueListe)});
        index = int(ctx.Sauenliste.size()) - 1;
        ctx.SauenGeaendert();
    }
    Sau& sau = ctx.Sauenliste[std::size_t(index)];
    if (rec.Abgang().vorhanden() && !sau.wuerfe.empty() &&
        !sau.wuerfe.back().Belegen(1).vorhanden())
        sau.wuerfe.pop_back();
    sau.rec = rec;
    AenderungFesthalten(ctx, index);
    return index;
}

} // namespace kartenbuchung
