#include "entry/auswahlbuchung.h"

#include "herd/records.h"
#include "programm/appcontext.h"

namespace auswahlbuchung {

void SauEntfernen(AppContext& ctx, int index) {
    if (index < 0 || std::size_t(index) >= ctx.Sauenliste.size()) return;
    ctx.Sauenliste.erase(ctx.Sauenliste.begin() + index);
    ctx.SauenGeaendert();
    AenderungFesthalten(ctx);
}

bool GruppeSetzen(AppContext& ctx, int index, int gruppe, bool gewaehlt) {
    if (index < 0 || std::size_t(index) >= ctx.Sauenliste.size()) return false;
    TSauRec& rec = ctx.Sauenliste[std::size_t(index)].rec;
    int neu = rec.Gruppe();
    if (gewaehlt)
        neu = gruppe;
    else if (rec.Gruppe() == gruppe)
        neu = 0;
    if (neu == rec.Gruppe()) return false;
    rec.setGruppe(std::int8_t(neu));
    ctx.AenderungMerken({index});
    return true;
}

bool GruppenAbschliessen(AppContext& ctx, bool speichern) {
    if (speichern) return HerdeSpeichern(ctx);
    HerdeLaden(ctx);
    return true;
}

} // namespace auswahlbuchung
