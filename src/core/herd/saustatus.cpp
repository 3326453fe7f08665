#include "herd/saustatus.h"

#include <array>

QString StatusName(int status) {
    static const std::array<QString, 7> namen = {
        QStringLiteral("leer"),    QStringLiteral("umrauschen"), QStringLiteral("belegt"),
        QStringLiteral("tragend"), QStringLiteral("säugend"),    QStringLiteral("verkauft"),
        QStringLiteral("leere JS")};
    if (status < 0 || status > 6) return {};
    return namen[std::size_t(status)];
}

TSauStatus SauStatus(const Sau& sau) {
    if (sau.rec.Abgang().vorhanden()) return stVerkauft;
    if (sau.wuerfe.empty()) return stLeereJS;
    if (sau.wuerfe.size() == 1 && !sau.wuerfe.front().Belegen(1).vorhanden()) return stLeereJS;
    const TWurfRec& w = sau.wuerfe.back();
    if (!w.Belegen(1).vorhanden() || w.Absetzen().vorhanden()) return stLeer;
    if (w.Abferkeln().vorhanden()) return stSaeugend;
    if (!w.TKDatum(1).vorhanden()) return stBelegt;
    const int m = LetzteBelegung(w);
    const int k = LetzteTK(w);
    if (TageZwischen(w.Belegen(m), w.TKDatum(k)) >= 1)
        return w.TKErgebnis(k) != 0 ? stTragend : stUmrauschen;
    return stBelegt;
}

int AktuellerWurf(const std::vector<TWurfRec>& wuerfe) {
    int i = int(wuerfe.size()) - 1;
    if (i > 0 && !wuerfe.back().Belegen(1).vorhanden()) --i;
    return i;
}

int Anomalien(const TWurfRec& w) {
    int slot = feldgroesse::Eintraege;
    while (slot > 0 && w.Verlusttag(slot) == 0 && !w.EintragZeichen(slot).empty())
        --slot;
    return feldgroesse::Eintraege - slot;
}

int Abgesetzte(const TWurfRec& w) {
    return AbgesetzteFerkel(w.Geborene(), w.Todgeborene(), Verluste(w), w.Ausgleich());
}
