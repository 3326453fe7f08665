#include "auswahlbuchung.h"

#include "herd/records.h"
#include "programm/appcontext.h"

namespace auswahlbuchung {

void SauEntfernen(AppContext& ctx, int index) {
    if (index < 0 || std::size_t(index) >= ctx.Sauenliste.size()) return;
    ctx.Sauenliste.erase(ctx.Sauenliste.begin() + index);
    ctx.BestandGeaendert();
    AenderungFesthalten(ctx);
}

bool GruppeSetzen(TSauRec& rec, int gruppe, bool gewaehlt) {
    if (gewaehlt && rec.Gruppe() != gruppe) {
        rec.setGruppe(std::int8_t(gruppe));
        return true;
    }
    if (!gewaehlt && rec.Gruppe() == gruppe) {
        rec.setGruppe(0);
        return true;
    }
    return false;
}

bool GruppenAbschliessen(AppContext& ctx, bool speichern) {
    if (speichern) {
        ctx.AenderungMerken();
        return HerdeSpeichern(ctx);
    }
    HerdeLaden(ctx);
    return true;
}

} // namespace auswahlbuchung
