#include "stamm/planrecords.h"

#include <algorithm>
#include <stdexcept>

std::size_t TPlanZeiten::offset(int page, int row) {
    if (page < 0 || page >= kPlanSeiten || row < 0 || row >= kPlanZeilen)
        throw std::out_of_range("plan entry");
    return (std::size_t(page) * kPlanZeilen + std::size_t(row)) * kPlanTerminSize;
}

TPlanTermin TPlanZeiten::entry(int page, int row) const {
    const std::size_t o = offset(page, row);
    TPlanTermin t;
    std::copy_n(b_.begin() + std::ptrdiff_t(o), kPlanTerminSize, t.bytes().begin());
    return t;
}

void TPlanZeiten::setEntry(int page, int row, const TPlanTermin& t) {
    const std::size_t o = offset(page, row);
    std::copy_n(t.bytes().begin(), kPlanTerminSize, b_.begin() + std::ptrdiff_t(o));
}

TPlanZeiten PlanZeitenStandard() {
    struct Vorgabe {
        int seite, zeile;
        const char* name;
        std::int16_t von, bis;
        const char* kuerzel;
    };
    static const Vorgabe vorgaben[] = {{psBelegen, 0, "Abferkeln", 113, 115, "Abf."},
                                       {psBelegen, 1, "1. Tk-Kontrolle", 0, 0, ""},
                                       {psAbferkeln, 0, "Absetzen", 28, 30, "Abs"},
                                       {psAbsetzen, 0, "Neubelegen", 4, 9, "Neub"}};
    TPlanZeiten z;
    for (const Vorgabe& v : vorgaben)
        z.setEntry(v.seite, v.zeile,
                   TPlanTermin::mit(QString::fromUtf8(v.name), v.von, v.bis,
                                    QString::fromUtf8(v.kuerzel)));
    return z;
}

void TPlanTyp::staelleLeeren() {
    std::fill_n(b_.begin() + planofs::Staelle, 16 * kPlanTypStaelle, std::uint8_t(0));
}

TPlanTyp TPlanTyp::ausAltemSatz(const AltBytes& alt) {
    TPlanTyp t;
    // Name, the 7 state flags and the 5 page flags lie at the same places.
    std::copy_n(alt.begin(), planofs::AltStaelle, t.b_.begin());
    for (int i = 0; i < kPlanTypStaelle; ++i) {
        const std::size_t von = planofs::AltStaelle + 11 * std::size_t(i);
        const std::size_t nach = planofs::Staelle + 16 * std::size_t(i);
        const std::uint8_t laenge = std::min<std::uint8_t>(alt[von], 10);
        t.b_[nach] = laenge;
        std::copy_n(alt.begin() + std::ptrdiff_t(von + 1), laenge,
                    t.b_.begin() + std::ptrdiff_t(nach + 1));
    }
    t.b_[planofs::Gruppe] = alt[planofs::AltGruppe];
    t.b_[planofs::Gruppe + 1] = alt[planofs::AltGruppe + 1];
    t.b_[planofs::AlleAuflisten] = alt[planofs::AltAlleAuflisten];
    return t;
}

namespace {

PlanFenster fenster(const TPlanZeiten& z, int seite, int zeile) {
    const TPlanTermin t = z.entry(seite, zeile);
    return {t.ErsterTag(), t.LetzterTag()};
}

} // namespace

PlanFenster AbferkelFenster(const TPlanZeiten& z) {
    return fenster(z, psBelegen, 0);
}

PlanFenster AbsetzFenster(const TPlanZeiten& z) {
    return fenster(z, psAbferkeln, 0);
}

PlanFenster TKFenster(const TPlanZeiten& z) {
    const PlanFenster f = fenster(z, psBelegen, 1);
    if (f.bis <= 0) return {21, 35};
    return f;
}
