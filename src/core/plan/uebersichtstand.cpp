#include "plan/uebersichtstand.h"

#include "herd/herdfile.h"
#include "platform/nebenlauf.h"
#include "programm/appcontext.h"

Uebersichtsrahmen UebersichtsrahmenAus(const AppContext& ctx) {
    const QDate heute = ctx.heute();
    const PruefGrenzen& g = ctx.einstellungen.pruefung;
    return {UebersichtVorgabenAus(ctx.Planzeiten, g, ctx.Tragezeit, heute),
            PunkteVorgaben(g, ctx.Planzeiten, ctx.Tragezeit, heute)};
}

Uebersichtsstand HerdeMitUebersichtLaden(AppContext& ctx) {
    Uebersichtsstand stand;
    stand.beginnen(UebersichtsrahmenAus(ctx));
    struct Gelesen {
        const Sau* sau;
        int index;
    };
    Nebenlauf<Gelesen> walk([&stand](const Gelesen& g) { stand.eintragen(*g.sau, g.index); });
    HerdeLaden(ctx, {[&walk](const Sau& sau, int index) {
                         walk.geben({&sau, index});
                     },
                     [&walk] { walk.leeren(); }});
    walk.warten();
    stand.abschliessen();
    return stand;
}

void Uebersichtsstand::beginnen(const Uebersichtsrahmen& rahmen, std::size_t sauen) {
    aufbau_.beginnen(sauen, rahmen.uebersicht);
    punkte_.beginnen(sauen, rahmen.punkte);
}

void Uebersichtsstand::eintragen(const Sau& sau, int index) {
    aufbau_.eintragen(sau, index);
    punkte_.eintragen(sau, index);
}

void Uebersichtsstand::abschliessen() {
    aufbau_.abschliessen();
}

void Uebersichtsstand::erneuern(const Herde& herde, const std::vector<int>& sauen, bool alle,
                                const UebersichtVorgaben& uv, const OffenePunkteVorgaben& pv) {
    if (!alle && aufbau_.nachtragen(herde, sauen, uv)) {
        punkte_.nachzaehlen(herde, sauen, pv);
        return;
    }
    // Each sow's records are read once for both while they are at hand.
    beginnen({uv, pv}, herde.size());
    for (std::size_t i = 0; i < herde.size(); ++i)
        eintragen(herde[i], int(i));
    abschliessen();
}
