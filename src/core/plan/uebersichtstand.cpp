#include "plan/uebersichtstand.h"

void Uebersichtsstand::erneuern(const Herde& herde, const std::vector<int>& sauen, bool alle,
                                const UebersichtVorgaben& uv, const OffenePunkteVorgaben& pv) {
    if (!alle && aufbau_.nachtragen(herde, sauen, uv)) {
        punkte_.nachzaehlen(herde, sauen, pv);
        return;
    }
    // Each sow's records are read once for both while they are at hand.
    aufbau_.beginnen(herde.size(), uv);
    punkte_.beginnen(herde.size(), pv);
    for (std::size_t i = 0; i < herde.size(); ++i) {
        aufbau_.eintragen(herde[i], int(i));
        punkte_.eintragen(herde[i], int(i));
    }
    aufbau_.abschliessen();
}
