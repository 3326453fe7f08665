#include "saustatus.h"

#include <array>

QString StatusName(int status) {
    static const std::array<QString, 7> namen = {
        QStringLiteral("leer"),    QStringLiteral("umrauschen"), QStringLiteral("belegt"),
        QStringLiteral("tragend"), QStringLiteral("säugend"),    QStringLiteral("verkauft"),
        QStringLiteral("leere JS")};
    if (status < 0 || status > 6) return {};
    return namen[std::size_t(status)];
}

int LetzteBelegung(const TWurfRec& w) {
    if (w.Belegen(3).vorhanden()) return 3;
    if (w.Belegen(2).vorhanden()) return 2;
    return 1;
}

int LetzteBelegungInFolge(const TWurfRec& w) {
    if (!w.Belegen(2).vorhanden()) return 1;
    return w.Belegen(3).vorhanden() ? 3 : 2;
}

int LetzteTK(const TWurfRec& w) {
    return w.TKDatum(2).vorhanden() ? 2 : 1;
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

bool TKNegativ(const TWurfRec& w) {
    const auto negativ = [&](int k) { return w.TKDatum(k).vorhanden() && w.TKErgebnis(k) == 0; };
    if (w.Belegen(1).vorhanden() && !w.Belegen(2).vorhanden()) return negativ(1) || negativ(2);
    TKurzDatum m;
    if (w.Belegen(2).vorhanden() && !w.Belegen(3).vorhanden())
        m = w.Belegen(2);
    else if (w.Belegen(3).vorhanden())
        m = w.Belegen(3);
    else
        return false;
    if (TageZwischen(m, w.TKDatum(1)) <= 0) return false;
    bool ergebnis = negativ(1);
    if (TageZwischen(w.TKDatum(1), w.TKDatum(2)) >= 1) ergebnis = negativ(2);
    return ergebnis;
}

TKurzDatum TheorAbferkeltermin(const TWurfRec& w, int tragezeit) {
    if (!w.Belegen(1).vorhanden() || TKNegativ(w)) return {};
    return TageAddierenDatum(tragezeit, w.Belegen(LetzteBelegungInFolge(w)));
}

TKurzDatum AbferkelnOderErwartet(const TWurfRec& w, int tragezeit) {
    return w.Abferkeln().vorhanden() ? w.Abferkeln() : TheorAbferkeltermin(w, tragezeit);
}

int AktuellerWurf(const std::vector<TWurfRec>& wuerfe) {
    int i = int(wuerfe.size()) - 1;
    if (i > 0 && !wuerfe.back().Belegen(1).vorhanden()) --i;
    return i;
}

int Verluste(const TWurfRec& w) {
    int n = 0;
    while (n < feldgroesse::Eintraege && w.Verlusttag(n + 1) > 0)
        ++n;
    return n;
}

int Anomalien(const TWurfRec& w) {
    int slot = feldgroesse::Eintraege;
    while (slot > 0 && w.Verlusttag(slot) == 0 && !w.Eintrag(slot).isEmpty())
        --slot;
    return feldgroesse::Eintraege - slot;
}

int Abgesetzte(const TWurfRec& w) {
    return AbgesetzteFerkel(w.Geborene(), w.Todgeborene(), Verluste(w), w.Ausgleich());
}
