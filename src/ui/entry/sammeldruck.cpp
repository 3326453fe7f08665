#include "entry/sammeldruck.h"

#include "entry/kartendruck.h"
#include "platform/canvas.h"
#include "programm/appcontext.h"

Sammeldruck::Sammeldruck(AppContext& ctx, std::vector<int> sauen)
    : ctx_(ctx), sauen_(std::move(sauen)) {}

MessageService* Sammeldruck::druckMeldungen() const {
    return &ctx_.messages();
}

void Sammeldruck::druckInhalt(Canvas& canvas) {
    bool erste = true;
    for (int i : sauen_) {
        if (i < 0 || std::size_t(i) >= ctx_.Sauenliste.size()) continue;
        if (!erste) canvas.newPage();
        erste = false;
        const Sau& sau = ctx_.Sauenliste[std::size_t(i)];
        KarteDrucken(canvas, sau.rec, sau.wuerfe, ctx_.einstellungen, ctx_.Tragezeit);
    }
}
