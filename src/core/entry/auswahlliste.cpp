#include "entry/auswahlliste.h"

#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "platform/codepage.h"

#include <algorithm>

namespace {

// Digits are the same in Windows-1252 as in Unicode, so the stored bytes serve.
qint64 fuehrendeZahl(const SauNrBytes& s) {
    qint64 n = 0;
    for (std::size_t i = 0; i < s.n; ++i) {
        const std::uint8_t c = s.b[i];
        if (c < '0' || c > '9') break;
        if (n < 1000000000000LL) n = n * 10 + (c - '0');
    }
    return n;
}

void stammdaten(AuswahlEintrag& e, const Sau& sau) {
    const auto zeichen = sau.rec.SauNrZeichen();
    e.nummerCp = {};
    e.nummerCp.n = std::uint8_t(zeichen.size());
    std::copy(zeichen.begin(), zeichen.end(), e.nummerCp.b.begin());
    e.numerisch = fuehrendeZahl(e.nummerCp);
    e.status = sau.rec.Status();
    e.zugang = sau.rec.Zugang();
    e.letzterWurf = sau.wuerfe.empty() ? 0 : sau.wuerfe.back().WurfNr();
}

} // namespace

QString AuswahlEintrag::nummer() const {
    return cp1252::decode(nummerCp.b.data(), nummerCp.n);
}

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
        return DatumsSchluessel(a.zugang) > DatumsSchluessel(b.zugang);
    case Sortierung::Status:
        return a.status > b.status;
    case Sortierung::Abferkeldatum:
        if (a.abferkelnSpaeter != b.abferkelnSpaeter) return a.abferkelnSpaeter;
        return !a.abferkelnSpaeter && DatumsSchluessel(a.abferkeln) > DatumsSchluessel(b.abferkeln);
    case Sortierung::Gruppe:
        return herde[std::size_t(a.index)].rec.Gruppe() > herde[std::size_t(b.index)].rec.Gruppe();
    }
    return false;
}

void Auswahlliste::aufbauen(const Herde& herde, int tragezeit, Sortierung s) {
    eintraege_.clear();
    // Inserting each sow before the first entry it does not sort after puts later sows
    // before earlier ones among equal keys: a stable sort of the reversed herd. The herd is
    // read in its own order (its litters lie in memory in that order), the entries are
    // placed from the back.
    const std::size_t n = herde.size();
    eintraege_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Sau& sau = herde[i];
        AuswahlEintrag& e = eintraege_[n - 1 - i];
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

namespace {

// An entry's sort key as two numbers compared in turn: a sorts after b exactly when its key
// is greater (see Auswahlliste::nach), equal keys are equal entries.
struct Schluessel {
    std::uint64_t hoch = 0;
    std::uint64_t tief = 0;
    std::uint32_t pos = 0; // position before sorting
};

constexpr std::uint64_t kVorzeichen = std::uint64_t(1) << 63;

// Signed numbers in the order of their unsigned images.
std::uint64_t ohneVorzeichen(std::int64_t v) {
    return std::uint64_t(v) ^ kVorzeichen;
}

// `gruppen` holds the group of every sow by herd index (read in herd order, which is cheaper
// than reaching into the herd in the entries' order).
Schluessel schluessel(const AuswahlEintrag& e, Sortierung s,
                      const std::vector<std::int8_t>& gruppen) {
    Schluessel k;
    switch (s) {
    case Sortierung::Alphanum:
        // The ten bytes big-endian with zeros behind the number, then its length: a number
        // that another begins with stands before it, as in the byte comparison.
        for (std::size_t i = 0; i < 10; ++i) {
            const std::uint64_t b = i < e.nummerCp.n ? e.nummerCp.b[i] : 0;
            if (i < 8)
                k.hoch |= b << (56 - 8 * i);
            else
                k.tief |= b << (56 - 8 * (i - 8));
        }
        k.tief |= e.nummerCp.n;
        break;
    case Sortierung::Numerisch:
        k.hoch = ohneVorzeichen(e.numerisch);
        break;
    case Sortierung::Einstalldatum:
        k.hoch = std::uint64_t(DatumsSchluessel(e.zugang));
        break;
    case Sortierung::Status:
        k.hoch = e.status;
        break;
    case Sortierung::Abferkeldatum:
        k.hoch = e.abferkelnSpaeter ? std::uint64_t(1) << 32
                                    : std::uint64_t(DatumsSchluessel(e.abferkeln));
        break;
    case Sortierung::Gruppe:
        k.hoch = ohneVorzeichen(e.index >= 0 && std::size_t(e.index) < gruppen.size()
                                    ? gruppen[std::size_t(e.index)]
                                    : 0);
        break;
    }
    return k;
}

// Stable radix sort by (hoch, tief), a byte at a time from the lowest; bytes that are the
// same in every key are left out.
void radixSortieren(std::vector<Schluessel>& keys) {
    std::uint64_t hochOder = 0, hochUnd = ~std::uint64_t(0);
    std::uint64_t tiefOder = 0, tiefUnd = ~std::uint64_t(0);
    for (const Schluessel& k : keys) {
        hochOder |= k.hoch;
        hochUnd &= k.hoch;
        tiefOder |= k.tief;
        tiefUnd &= k.tief;
    }
    std::vector<Schluessel> ablage(keys.size());
    const auto durchgang = [&](std::uint64_t Schluessel::*feld, int shift) {
        std::array<std::size_t, 257> start{};
        for (const Schluessel& k : keys)
            ++start[((k.*feld >> shift) & 0xFF) + 1];
        for (std::size_t i = 1; i < start.size(); ++i)
            start[i] += start[i - 1];
        for (const Schluessel& k : keys)
            ablage[start[(k.*feld >> shift) & 0xFF]++] = k;
        keys.swap(ablage);
    };
    for (int shift = 0; shift < 64; shift += 8)
        if (((tiefOder ^ tiefUnd) >> shift) & 0xFF) durchgang(&Schluessel::tief, shift);
    for (int shift = 0; shift < 64; shift += 8)
        if (((hochOder ^ hochUnd) >> shift) & 0xFF) durchgang(&Schluessel::hoch, shift);
}

} // namespace

void Auswahlliste::sortieren(const Herde& herde, Sortierung s) {
    // The stable sort by `nach`, done on small keys with a radix sort; then every entry
    // moves once.
    std::vector<std::int8_t> gruppen;
    if (s == Sortierung::Gruppe) {
        gruppen.reserve(herde.size());
        for (const Sau& sau : herde)
            gruppen.push_back(sau.rec.Gruppe());
    }
    std::vector<Schluessel> keys(eintraege_.size());
    for (std::size_t i = 0; i < eintraege_.size(); ++i) {
        keys[i] = schluessel(eintraege_[i], s, gruppen);
        keys[i].pos = std::uint32_t(i);
    }
    radixSortieren(keys);
    std::vector<AuswahlEintrag> sortiert;
    sortiert.reserve(eintraege_.size());
    for (const Schluessel& k : keys)
        sortiert.push_back(std::move(eintraege_[k.pos]));
    eintraege_.swap(sortiert);
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
    // The state of every shown sow by herd index (-1 for a sow not shown), so that the
    // groups are put right in one pass in herd order.
    std::vector<std::int16_t> gezeigt(herde.size(), -1);
    for (std::size_t i = 0; i < eintraege_.size(); ++i) {
        const AuswahlEintrag& e = eintraege_[i];
        if (!filter[std::size_t(filterFuerStatus(e.status))]) continue;
        if (beschraenkt() &&
            (e.index < 0 || std::size_t(e.index) >= nur_.size() || !nur_[std::size_t(e.index)]))
            continue;
        sichtbar_.push_back(int(i));
        if (e.index >= 0 && std::size_t(e.index) < herde.size())
            gezeigt[std::size_t(e.index)] = e.status;
    }
    for (std::size_t i = 0; i < herde.size() && !beschraenkt(); ++i) {
        if (gezeigt[i] < 0) continue;
        const bool jung = gezeigt[i] == stLeereJS;
        TSauRec& rec = herde[i].rec;
        if (jung && rec.Gruppe() == 0)
            rec.setGruppe(-1);
        else if (!jung && rec.Gruppe() == -1)
            rec.setGruppe(0);
    }
}

void Auswahlliste::beschraenken(const std::vector<int>& sauen, std::size_t herdengroesse) {
    nur_.assign(herdengroesse, 0);
    for (int s : sauen)
        if (s >= 0 && std::size_t(s) < herdengroesse) nur_[std::size_t(s)] = 1;
}

int Auswahlliste::suchen(const QString& text) const {
    const QString gesucht = GrossText(text);
    for (int z = 0; z < zeilen(); ++z)
        if (GrossText(zeile(z).nummer()).startsWith(gesucht)) return z;
    return -1;
}
