#include "plan/arbeitsplan.h"

#include "herd/saustatus.h"

#include <algorithm>

namespace {

constexpr int kTage = 7;

// The day cells of one sow, filled while her pages are walked.
using Tagestexte = std::array<TagesZelle, kTage>;

// The abbreviations of one page with their windows, read once per plan.
struct Eintrag {
    int zeile;
    int von, bis;
    QString kuerzelKomma;
};
using Seite = std::vector<Eintrag>;

Seite seite(const TPlanZeiten& zeiten, int s) {
    Seite out;
    for (int r = 0; r < kPlanZeilen; ++r) {
        const TPlanTermin t = zeiten.entry(s, r);
        const QString k = t.Kuerzel();
        if (!k.isEmpty())
            out.push_back({r, t.ErsterTag(), t.LetzterTag(), k + QStringLiteral(", ")});
    }
    return out;
}

// The current litter as the plan takes it: one without a first mating does not count.
const TWurfRec* aktuellerWurf(const Sau& sau) {
    const int i = AktuellerWurf(sau.wuerfe);
    if (i < 0 || !sau.wuerfe[std::size_t(i)].Belegen(1).vorhanden()) return nullptr;
    return &sau.wuerfe[std::size_t(i)];
}

constexpr auto alle = [](int) { return true; };

// The first 81 characters of the sow's note.
QString notizAnfang(const TSauRec& sau) {
    return sau.SauNotiz().left(81);
}

} // namespace

void TagesZelle::anhaengen(const QString& kuerzelKomma) {
    for (qsizetype i = 0; i < kuerzelKomma.size() && laenge < zeichen.size(); ++i)
        zeichen[laenge++] = kuerzelKomma[i].unicode();
}

TPlanTyp StandardPlanTyp(const QStringList& staelle) {
    TPlanTyp t;
    for (int s = 0; s < 7; ++s)
        t.setStatusFlag(s, 1);
    for (int p = 0; p < kPlanSeiten; ++p)
        t.setSeitenFlag(p, 1);
    for (int i = 0; i < kPlanTypStaelle && i < staelle.size(); ++i)
        t.setStall(i, staelle[i]);
    t.setGruppe(TPlanTyp::NachStaellen);
    t.setAlleAuflisten(1);
    return t;
}

namespace {

// Evaluation of one sow against prepared pages; the pages are read once per plan.
class Auswertung {
public:
    Auswertung(const TPlanZeiten& zeiten, const TPlanTyp& typ, TKurzDatum ersterTag, int tragezeit)
        : typ_(typ), erster_(ersterTag), tragezeit_(tragezeit) {
        for (int s = 0; s < kPlanSeiten; ++s)
            if (typ.SeitenFlag(s)) seiten_[std::size_t(s)] = seite(zeiten, s);
        staelle_.reserve(kPlanTypStaelle);
        for (int i = 0; i < kPlanTypStaelle; ++i)
            staelle_.push_back(Kurzname::aus(typ.StallZeichen(i)));
    }

    // Fills `z` and returns true when the sow is listed.
    bool operator()(const Sau& sau, TArbeitsplanZeile& z) const {
        if (sau.rec.Abgang().vorhanden()) return false;
        const TSauStatus status = SauStatus(sau);
        if (!typ_.StatusFlag(status)) return false;
        const Kurzname stall = Kurzname::aus(sau.rec.StallZeichen());
        if (!imFilter(sau.rec, stall)) return false;

        z.Status = status;
        z.SauNr = Kurzname::aus(sau.rec.SauNrZeichen());
        z.Stall = stall;
        z.Zugang = sau.rec.Zugang();
        const TWurfRec* w = aktuellerWurf(sau);
        if (w) wurfSeiten(*w, z, z.Tage);
        sauSeiten(sau.rec, z.Tage);
        // Every abbreviation ends in ", ", so a task due leaves its day's cell filled.
        const bool faellig = std::any_of(z.Tage.begin(), z.Tage.end(),
                                         [](const TagesZelle& c) { return !c.leer(); });
        if (!faellig && !typ_.AlleAuflisten()) return false;
        z.Notiz = notizAnfang(sau.rec);
        return true;
    }

private:
    // Stall slots, then the group.
    bool imFilter(const TSauRec& sau, const Kurzname& stall) const {
        if (std::find(staelle_.begin(), staelle_.end(), stall) != staelle_.end()) return true;
        if (typ_.Gruppe() == TPlanTyp::NachStaellen) return false;
        return sau.Gruppe() == typ_.Gruppe();
    }

    // N(base): days from the base date to the first day.
    int n(TKurzDatum basis) const { return TageZwischen(basis, erster_); }

    // The entries of a page whose window holds N + d, for every day d.
    template <class Gilt>
    static void fenster(const Seite& s, int nBasis, int tag, Tagestexte& t, Gilt zeileGilt) {
        for (const Eintrag& e : s) {
            if (!zeileGilt(e.zeile)) continue;
            const int x = nBasis + tag;
            if (e.von <= x && x <= e.bis) t[std::size_t(tag)].anhaengen(e.kuerzelKomma);
        }
    }

    void wurfSeiten(const TWurfRec& w, TArbeitsplanZeile& z, Tagestexte& t) const {
        z.WurfNr = w.WurfNr();
        z.Absetzen = w.Absetzen();
        const bool geferkelt = w.Abferkeln().vorhanden();
        z.Ferkeln = AbferkelnOderErwartet(w, tragezeit_);
        const TKurzDatum belegt = w.Belegen(LetzteBelegungInFolge(w));
        if (belegt.vorhanden()) z.Belegen = belegt;

        // Only the pages that apply and hold entries are walked; their base dates are counted
        // once.
        const Seite& s0 = seiten_[psBelegen];
        const Seite& s1 = seiten_[psAbferkeln];
        const Seite& s2 = seiten_[psAbsetzen];
        const bool seite0 = !s0.empty() && belegt.vorhanden() && !geferkelt;
        const bool seite1 = !s1.empty() && geferkelt && !w.Absetzen().vorhanden();
        const bool seite2 = !s2.empty() && w.Absetzen().vorhanden();
        if (!seite0 && !seite1 && !seite2) return;
        const int n0 = seite0 ? n(belegt) : 0;
        const int n1 = seite1 ? n(w.Abferkeln()) : 0;
        const int n2 = seite2 ? n(w.Absetzen()) : 0;
        // Rows 1..9 of page 0 drop out once their date is recorded.
        std::array<bool, kPlanZeilen> offen{};
        offen.fill(true);
        if (seite0) {
            offen[1] = !w.TKDatum(1).vorhanden();
            for (int r = 2; r <= 9; ++r)
                offen[std::size_t(r)] = !w.WurfTermin(r - 1).vorhanden();
        }
        const auto gilt = [&offen](int r) { return offen[std::size_t(r)]; };
        for (int d = 0; d < kTage; ++d) {
            if (seite0) fenster(s0, n0, d, t, gilt);
            if (seite1) fenster(s1, n1, d, t, alle);
            if (seite2) fenster(s2, n2, d, t, alle);
        }
    }

    void sauSeiten(const TSauRec& sau, Tagestexte& t) const {
        const Seite& s3 = seiten_[psWurfunabhaengig];
        const Seite& s4 = seiten_[psEinstallen];
        // Rows 0..3 of page 3 wait for the sow's own task dates; an open date is always due.
        std::array<int, 4> nTermin{};
        std::array<bool, 4> terminOffen{};
        for (const Eintrag& e : s3) {
            if (e.zeile > 3) break;
            const TKurzDatum d = sau.SauTermin(e.zeile + 1);
            terminOffen[std::size_t(e.zeile)] = !d.vorhanden();
            if (d.vorhanden()) nTermin[std::size_t(e.zeile)] = n(d);
        }
        const bool seite4 = !s4.empty() && sau.Zugang().vorhanden();
        const int n4 = seite4 ? n(sau.Zugang()) : 0;
        for (int d = 0; d < kTage; ++d) {
            for (const Eintrag& e : s3) {
                const std::size_t i = std::size_t(e.zeile);
                // Later rows are always due.
                if (e.zeile > 3 || terminOffen[i] || nTermin[i] + d >= e.von)
                    t[std::size_t(d)].anhaengen(e.kuerzelKomma);
            }
            if (seite4) fenster(s4, n4, d, t, alle);
        }
    }

    const TPlanTyp& typ_;
    std::array<Seite, kPlanSeiten> seiten_;
    std::vector<Kurzname> staelle_;
    TKurzDatum erster_;
    int tragezeit_;
};

} // namespace

std::optional<TArbeitsplanZeile> SauAuswerten(const Sau& sau, const TPlanZeiten& zeiten,
                                              const TPlanTyp& typ, TKurzDatum ersterTag,
                                              int tragezeit) {
    TArbeitsplanZeile z;
    if (!Auswertung(zeiten, typ, ersterTag, tragezeit)(sau, z)) return std::nullopt;
    return z;
}

namespace {

// Puts element folge[k] at place k, moving each row once.
void umordnen(std::vector<TArbeitsplanZeile>& zeilen, const std::vector<std::size_t>& folge) {
    std::vector<bool> fertig(zeilen.size());
    for (std::size_t start = 0; start < zeilen.size(); ++start) {
        if (fertig[start] || folge[start] == start) continue;
        TArbeitsplanZeile merk = std::move(zeilen[start]);
        std::size_t k = start;
        while (folge[k] != start) {
            zeilen[k] = std::move(zeilen[folge[k]]);
            fertig[k] = true;
            k = folge[k];
        }
        zeilen[k] = std::move(merk);
        fertig[k] = true;
    }
}

} // namespace

std::vector<TArbeitsplanZeile> PlanZeilen(const Herde& herde, const TPlanZeiten& zeiten,
                                          const TPlanTyp& typ, TKurzDatum ersterTag, int tragezeit,
                                          const std::function<void(int)>& fortschritt) {
    const Auswertung auswerten(zeiten, typ, ersterTag, tragezeit);
    std::vector<TArbeitsplanZeile> zeilen;
    zeilen.reserve(herde.size());
    std::vector<int> schluessel;
    schluessel.reserve(herde.size());
    for (std::size_t i = 0; i < herde.size(); ++i) {
        if (fortschritt) fortschritt(int(i));
        TArbeitsplanZeile& z = zeilen.emplace_back();
        z.sau = int(i);
        if (auswerten(herde[i], z))
            schluessel.push_back(DatumsSchluessel(z.Ferkeln));
        else
            zeilen.pop_back();
    }
    // Each sow went in before the first row of an equal or later date: ascending dates,
    // equal dates in reverse herd order. Sorting by date, then by falling position, gives
    // the same order.
    std::vector<std::uint64_t> folgeSchluessel(zeilen.size());
    for (std::size_t k = 0; k < zeilen.size(); ++k)
        folgeSchluessel[k] = std::uint64_t(std::uint32_t(schluessel[k])) << 32 |
                             std::uint32_t(zeilen.size() - 1 - k);
    std::sort(folgeSchluessel.begin(), folgeSchluessel.end());
    std::vector<std::size_t> folge(zeilen.size());
    for (std::size_t k = 0; k < folge.size(); ++k)
        folge[k] = zeilen.size() - 1 - std::size_t(folgeSchluessel[k] & 0xFFFFFFFFu);
    umordnen(zeilen, folge);
    return zeilen;
}

void PlanZeilenNachtragen(std::vector<TArbeitsplanZeile>& zeilen, const Herde& herde,
                          const std::vector<int>& sauen, const TPlanZeiten& zeiten,
                          const TPlanTyp& typ, TKurzDatum ersterTag, int tragezeit) {
    std::vector<int> geaendert = sauen;
    std::sort(geaendert.begin(), geaendert.end());
    geaendert.erase(std::unique(geaendert.begin(), geaendert.end()), geaendert.end());
    const auto betroffen = [&geaendert](const TArbeitsplanZeile& z) {
        return std::binary_search(geaendert.begin(), geaendert.end(), z.sau);
    };
    zeilen.erase(std::remove_if(zeilen.begin(), zeilen.end(), betroffen), zeilen.end());
    // The order of PlanZeilen: ascending dates, equal dates in reverse herd order.
    const auto vor = [](const TArbeitsplanZeile& a, const TArbeitsplanZeile& b) {
        const int da = DatumsSchluessel(a.Ferkeln), db = DatumsSchluessel(b.Ferkeln);
        return da != db ? da < db : a.sau > b.sau;
    };
    const Auswertung auswerten(zeiten, typ, ersterTag, tragezeit);
    const std::size_t alt = zeilen.size();
    for (int i : geaendert) {
        if (i < 0 || std::size_t(i) >= herde.size()) continue;
        TArbeitsplanZeile& z = zeilen.emplace_back();
        z.sau = i;
        if (!auswerten(herde[std::size_t(i)], z)) zeilen.pop_back();
    }
    // The new rows in order, then merged with the rest in one pass.
    std::sort(zeilen.begin() + std::ptrdiff_t(alt), zeilen.end(), vor);
    std::inplace_merge(zeilen.begin(), zeilen.begin() + std::ptrdiff_t(alt), zeilen.end(), vor);
}

TKurzDatum KalenderwochenStart(int jahr, int woche) {
    const QDate neujahr(jahr, 1, 1);
    const int w = neujahr.dayOfWeek() % 7 + 1; // 1 = Sunday .. 7 = Saturday
    return TKurzDatum::aus(neujahr.addDays(-(w - 2) + qint64(woche - 1) * 7));
}

QString WochentagKurz(TKurzDatum d) {
    static const char* const kNamen[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    const QDate q = d.alsQDate();
    if (!q.isValid()) return {};
    return QString::fromLatin1(kNamen[q.dayOfWeek() % 7]);
}

QString TagesKopf(TKurzDatum ersterTag, int j) {
    const QString datum = j == 0 ? KurzDatumText(ersterTag) : TageAddieren(j, ersterTag);
    QString kopf = datum + QStringLiteral("   ") + WochentagKurz(TageAddierenDatum(j, ersterTag));
    if (j <= 2) kopf += QStringLiteral("  ");
    return kopf;
}

QString TageSeitText(const TArbeitsplanZeile& z, TKurzDatum ersterTag, bool druck) {
    // Without its base date there is nothing to count from.
    const auto seit = [&](TKurzDatum basis) {
        if (!basis.vorhanden()) return QString();
        return QString::number(TageZwischen(basis, ersterTag)) + u'.';
    };
    switch (z.Status) {
    case stLeer:
        return seit(z.Absetzen);
    case stBelegt:
    case stTragend:
        return seit(z.Belegen);
    case stSaeugend:
        return seit(z.Ferkeln);
    case stLeereJS:
        return druck ? QString() : seit(z.Zugang);
    case stUmrauschen:
        return QStringLiteral("UR");
    default:
        return {};
    }
}

int TagLeisteMaximum(int verfuegbar, int tagBreite) {
    if (tagBreite <= 0 || 7 * tagBreite <= verfuegbar) return 0;
    return std::max(1, 8 - std::max(0, verfuegbar) / tagBreite);
}

QString Arbeitsplan::titel() const {
    return QStringLiteral("Arbeitsplan ") + typ.Name() + QStringLiteral(" ab ") +
           KurzDatumText(ersterTag);
}

std::vector<int> Arbeitsplan::spalten() const {
    std::vector<int> s{spSau, spFerkeln};
    if (mitWurf) s.push_back(spWurf);
    if (mitTage) s.push_back(spTag);
    if (mitStall) s.push_back(spStall);
    for (int j = 0; j < kTage; ++j)
        s.push_back(spTag0 + j);
    return s;
}

QString Arbeitsplan::kopf(int spalte) const {
    switch (spalte) {
    case spSau:
        return QStringLiteral("Sau");
    case spFerkeln:
        return QStringLiteral("Ferk.D");
    case spWurf:
        return QStringLiteral("W.");
    case spTag:
        return QStringLiteral("Tag");
    case spStall:
        return QStringLiteral("Stall");
    default:
        return TagesKopf(ersterTag, spalte - spTag0);
    }
}

QString Arbeitsplan::zelle(const TArbeitsplanZeile& z, int spalte, bool druck) const {
    switch (spalte) {
    case spSau:
        return z.SauNr.text();
    case spFerkeln:
        return KurzDatumText(z.Ferkeln);
    case spWurf:
        return QString::number(z.WurfNr);
    case spTag:
        return TageSeitText(z, ersterTag, druck);
    case spStall:
        return z.Stall.text();
    default:
        return z.Tage[std::size_t(spalte - spTag0)].text();
    }
}

QString NotizZeile(const QString& notiz) {
    QString out;
    for (int i = 0; i < notiz.size() && out.size() < 80; ++i) {
        const QChar c = notiz[i];
        if (c == u'\r') continue;
        if (c == u'\n') {
            out += u',';
            continue;
        }
        if (c.unicode() < 0x20) break;
        out += c;
    }
    return out;
}

QString PlanLegende(const TPlanZeiten& zeiten, const TPlanTyp& typ) {
    QStringList teile, genannt;
    for (int s = 0; s < kPlanSeiten; ++s) {
        if (!typ.SeitenFlag(s)) continue;
        for (int r = 0; r < kPlanZeilen; ++r) {
            const TPlanTermin t = zeiten.entry(s, r);
            const QString k = t.Kuerzel();
            if (k.isEmpty() || genannt.contains(k)) continue;
            genannt << k;
            teile << k + QStringLiteral(" = ") + t.Name();
        }
    }
    return teile.join(QStringLiteral(", "));
}
