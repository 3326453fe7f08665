#include "auswahlliste.h"

#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "platform/codepage.h"

#include <algorithm>

namespace {

qint64 fuehrendeZahl(const QString& s) {
    qint64 n = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9') break;
        if (n < 1000000000000LL) n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

int datumsWert(TKurzDatum d) {
    return d.Jahr * 10000 + d.Monat * 100 + d.Tag;
}

void stammdaten(AuswahlEintrag& e, const Sau& sau) {
    e.nummer = sau.rec.SauNr();
    e.nummerCp = cp1252::encode(e.nummer);
    e.numerisch = fuehrendeZahl(e.nummer);
    e.status = sau.rec.Status();
    e.zugang = sau.rec.Zugang();
    e.letzterWurf = sau.wuerfe.empty() ? 0 : sau.wuerfe.back().WurfNr();
}

} // namespace

int filterFuerStatus(int status) {
    // CheckBox1 Leer, CheckBox7 umrauschen, CheckBox2 Belegt, ... CheckBox6 leer JS
    static constexpr int kFilter[7] = {0, 6, 1, 2, 3, 4, 5};
    return status >= 0 && status < 7 ? kFilter[status] : 0;
}

bool Auswahlliste::nach(const AuswahlEintrag& a, const AuswahlEintrag& b, Sortierung s,
                        const Herde& herde) {
    switch (s) {
    case Sortierung::Alphanum:
        return a.nummerCp > b.nummerCp;
    case Sortierung::Numerisch:
        return a.numerisch > b.numerisch;
    case Sortierung::Einstalldatum:
        return datumsWert(a.zugang) > datumsWert(b.zugang);
    case Sortierung::Status:
        return a.status > b.status;
    case Sortierung::Abferkeldatum:
        if (a.abferkelnSpaeter != b.abferkelnSpaeter) return a.abferkelnSpaeter;
        return !a.abferkelnSpaeter && datumsWert(a.abferkeln) > datumsWert(b.abferkeln);
    case Sortierung::Gruppe:
        return herde[std::size_t(a.index)].rec.Gruppe() > herde[std::size_t(b.index)].rec.Gruppe();
    }
    return false;
}

void Auswahlliste::aufbauen(const Herde& herde, int tragezeit, Sortierung s) {
    eintraege_.clear();
    eintraege_.reserve(herde.size());
    // Inserting each sow before the first entry it does not sort after puts later sows
    // before earlier ones among equal keys: a stable sort of the reversed herd.
    for (std::size_t i = herde.size(); i-- > 0;) {
        const Sau& sau = herde[i];
        AuswahlEintrag e;
        e.index = int(i);
        stammdaten(e, sau);
        e.status = std::uint8_t(SauStatus(sau));
        if (!sau.wuerfe.empty()) {
            e.ersterWurf = sau.wuerfe.front().WurfNr();
            const TWurfRec& w = sau.wuerfe.back();
            if (w.Abferkeln().vorhanden())
                e.abferkeln = w.Abferkeln();
            else if (w.Belegen(1).vorhanden() || w.Belegen(2).vorhanden() ||
                     w.Belegen(3).vorhanden())
                e.abferkeln = TageAddierenDatum(tragezeit, w.Belegen(LetzteBelegung(w)));
            else if (sau.wuerfe.size() >= 2)
                e.abferkeln = sau.wuerfe[sau.wuerfe.size() - 2].Abferkeln();
        }
        eintraege_.push_back(std::move(e));
    }
    sortieren(herde, s);
}

void Auswahlliste::auffrischen(const Herde& herde, int tragezeit) {
    for (AuswahlEintrag& e : eintraege_) {
        if (e.index < 0 || std::size_t(e.index) >= herde.size()) continue;
        const Sau& sau = herde[std::size_t(e.index)];
        stammdaten(e, sau);
        e.status = std::uint8_t(SauStatus(sau));
        e.abferkelnSpaeter = false;
        e.abferkeln = {};
        if (sau.wuerfe.empty()) {
            e.abferkelnSpaeter = true;
            continue;
        }
        const TWurfRec& w = sau.wuerfe.back();
        if (!w.Belegen(1).vorhanden()) {
            if (sau.wuerfe.size() >= 2) e.abferkeln = sau.wuerfe[sau.wuerfe.size() - 2].Abferkeln();
        } else if (w.Abferkeln().vorhanden()) {
            e.abferkeln = w.Abferkeln();
        } else {
            e.abferkeln = TheorAbferkeltermin(w, tragezeit);
        }
        if (!e.abferkeln.vorhanden()) e.abferkelnSpaeter = true;
    }
}

void Auswahlliste::sortieren(const Herde& herde, Sortierung s) {
    std::stable_sort(
        eintraege_.begin(), eintraege_.end(),
        [&](const AuswahlEintrag& a, const AuswahlEintrag& b) { return nach(b, a, s, herde); });
}

void Auswahlliste::sortierenDurchTauschen(const Herde& herde, Sortierung s) {
    bool getauscht = true;
    while (getauscht) {
        getauscht = false;
        for (std::size_t i = 0; i + 1 < eintraege_.size(); ++i)
            if (nach(eintraege_[i], eintraege_[i + 1], s, herde)) {
                std::swap(eintraege_[i], eintraege_[i + 1]);
                getauscht = true;
            }
    }
}

void Auswahlliste::sichtbareAufbauen(Herde& herde, const std::array<bool, 7>& filter) {
    sichtbar_.clear();
    for (std::size_t i = 0; i < eintraege_.size(); ++i) {
        const AuswahlEintrag& e = eintraege_[i];
        if (!filter[std::size_t(filterFuerStatus(e.status))]) continue;
        sichtbar_.push_back(int(i));
        if (e.index < 0 || std::size_t(e.index) >= herde.size()) continue;
        TSauRec& rec = herde[std::size_t(e.index)].rec;
        if (e.status == stLeereJS && rec.Gruppe() == 0)
            rec.setGruppe(-1);
        else if (e.status != stLeereJS && rec.Gruppe() == -1)
            rec.setGruppe(0);
    }
}

int Auswahlliste::suchen(const QString& text) const {
    const QString gesucht = GrossText(text);
    for (int z = 0; z < zeilen(); ++z)
        if (GrossText(zeile(z).nummer).startsWith(gesucht)) return z;
    return -1;
}
