#include "evaluation/filtervorgabe.h"

#include "programm/appcontext.h"

TAuswertungsFilter FilterVorgabe(const AppContext& ctx) {
    if (ctx.auswertungsfilter) return *ctx.auswertungsfilter;
    TAuswertungsFilter f;
    f.NurGanzeWuerfe = true;
    const TKurzDatum heute = TKurzDatum::aus(ctx.heute());
    const TKurzDatum von = TKurzDatum::aus(ctx.einstellungen.filterVon);
    const TKurzDatum bis = TKurzDatum::aus(ctx.einstellungen.filterBis);
    f.Von = von.vorhanden() ? von : heute;
    f.Bis = bis.vorhanden() ? bis : heute;
    return f;
}

void FilterMerken(AppContext& ctx, const TAuswertungsFilter& f) {
    ctx.auswertungsfilter = std::make_shared<TAuswertungsFilter>(f);
    ctx.einstellungen.filterVon = f.Von.alsQDate();
    ctx.einstellungen.filterBis = f.Bis.alsQDate();
}
