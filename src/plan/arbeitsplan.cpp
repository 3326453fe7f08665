#include "arbeitsplan.h"

#include "herd/saustatus.h"

#include <algorithm>

namespace {

constexpr int kTage = 7;
constexpr int kZellenBreite = 8;

// The day texts of one sow while her pages are walked.
struct Tagestexte {
    std::array<QString, kTage> text;
    bool faellig = false;

    void eintragen(int tag, const QString& kuerzel) {
        QString& t = text[std::size_t(tag)];
        // Anything past the cell width is cut anyway.
        if (t.size() < kZellenBreite) t += kuerzel + QStringLiteral(", ");
        faellig = true;
    }
};

// The abbreviations of one page with their windows, read once per plan.
struct Eintrag {
    int zeile;
    int von, bis;
    QString kuerzel;
};
using Seite = std::vector<Eintrag>;

Seite seite(const TPlanZeiten& zeiten, int s) {
    Seite out;
    for (int r = 0; r < kPlanZeilen; ++r) {
        const TPlanTermin t = zeiten.entry(s, r);
        const QString k = t.Kuerzel();
        if (!k.isEmpty()) out.push_back({r, t.ErsterTag(), t.LetzterTag(), k});
    }
    return out;
}

// Last mating as the plan counts it: 2 needs mating 2, 3 needs matings 2 and 3.
int letzteBelegungImPlan(const TWurfRec& w) {
    if (!w.Belegen(2).vorhanden()) return 1;
    return w.Belegen(3).vorhanden() ? 3 : 2;
}

const TWurfRec* aktuellerWurf(const Sau& sau) {
    if (sau.wuerfe.empty()) return nullptr;
    const TWurfRec* w = &sau.wuerfe.back();
    if (!w->Belegen(1).vorhanden()) {
        if (sau.wuerfe.size() < 2) return nullptr;
        w = &sau.wuerfe[sau.wuerfe.size() - 2];
        // The litter before an opened one always has its matings; guard all the same.
        if (!w->Belegen(1).vorhanden()) return nullptr;
    }
    return w;
}

constexpr auto alle = [](int) { return true; };

int sortSchluessel(TKurzDatum d) {
    return d.Jahr * 10000 + d.Monat * 100 + d.Tag; // as DatumVor compares
}

} // namespace

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
            staelle_.push_back(typ.Stall(i));
    }

    std::optional<TArbeitsplanZeile> operator()(const Sau& sau) const {
        if (sau.rec.Abgang().vorhanden()) return std::nullopt;
        const TSauStatus status = SauStatus(sau);
        if (!imFilter(sau.rec, status)) return std::nullopt;

        TArbeitsplanZeile z;
        z.Status = status;
        z.SauNr = sau.rec.SauNr();
        z.Stall = sau.rec.Stall();
        z.Zugang = sau.rec.Zugang();
        Tagestexte t;
        const TWurfRec* w = aktuellerWurf(sau);
        if (w) wurfSeiten(*w, z, t);
        sauSeiten(sau.rec, t);
        if (!t.faellig && !typ_.AlleAuflisten()) return std::nullopt;
        for (int d = 0; d < kTage; ++d)
            z.Tage[std::size_t(d)] = t.text[std::size_t(d)].left(kZellenBreite);
        z.Notiz = sau.rec.SauNotiz().left(81);
        return z;
    }

private:
    bool imFilter(const TSauRec& sau, TSauStatus status) const {
        if (!typ_.StatusFlag(status)) return false;
        const QString stall = sau.Stall();
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
            if (e.von <= x && x <= e.bis) t.eintragen(tag, e.kuerzel);
        }
    }

    void wurfSeiten(const TWurfRec& w, TArbeitsplanZeile& z, Tagestexte& t) const {
        z.WurfNr = w.WurfNr();
        z.Absetzen = w.Absetzen();
        const bool geferkelt = w.Abferkeln().vorhanden();
        z.Ferkeln = geferkelt ? w.Abferkeln() : TheorAbferkeltermin(w, tragezeit_);
        const TKurzDatum belegt = w.Belegen(letzteBelegungImPlan(w));
        if (belegt.vorhanden()) z.Belegen = belegt;

        const bool seite0 = belegt.vorhanden() && !geferkelt;
        const bool seite1 = geferkelt && !w.Absetzen().vorhanden();
        const bool seite2 = w.Absetzen().vorhanden();
        const int n0 = n(belegt), n1 = n(w.Abferkeln()), n2 = n(w.Absetzen());
        const auto offen = [&w](int r) {
            if (r == 1) return !w.TKDatum(1).vorhanden();
            if (r >= 2 && r <= 9) return !w.WurfTermin(r - 1).vorhanden();
            return true;
        };
        for (int d = 0; d < kTage; ++d) {
            if (seite0) fenster(seiten_[psBelegen], n0, d, t, offen);
            if (seite1) fenster(seiten_[psAbferkeln], n1, d, t, alle);
            if (seite2) fenster(seiten_[psAbsetzen], n2, d, t, alle);
        }
    }

    void sauSeiten(const TSauRec& sau, Tagestexte& t) const {
        std::array<int, 4> nTermin{};
        std::array<bool, 4> terminOffen{};
        for (int i = 0; i < 4; ++i) {
            const TKurzDatum d = sau.SauTermin(i + 1);
            terminOffen[std::size_t(i)] = !d.vorhanden();
            nTermin[std::size_t(i)] = n(d);
        }
        const bool seite4 = sau.Zugang().vorhanden();
        const int n4 = n(sau.Zugang());
        for (int d = 0; d < kTage; ++d) {
            for (const Eintrag& e : seiten_[psWurfunabhaengig]) {
                const std::size_t i = std::size_t(e.zeile);
                // Rows 0..3 wait for the sow's own task date; later rows are always due.
                if (e.zeile > 3 || terminOffen[i] || nTermin[i] + d >= e.von)
                    t.eintragen(d, e.kuerzel);
            }
            if (seite4) fenster(seiten_[psEinstallen], n4, d, t, alle);
        }
    }

    const TPlanTyp& typ_;
    std::array<Seite, kPlanSeiten> seiten_;
    std::vector<QString> staelle_;
    TKurzDatum erster_;
    int tragezeit_;
};

} // namespace

std::optional<TArbeitsplanZeile> SauAuswerten(const Sau& sau, const TPlanZeiten& zeiten,
                                              const TPlanTyp& typ, TKurzDatum ersterTag,
                                              int tragezeit) {
    return Auswertung(zeiten, typ, ersterTag, tragezeit)(sau);
}

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
        if (auto z = auswerten(herde[i])) {
            schluessel.push_back(sortSchluessel(z->Ferkeln));
            zeilen.push_back(std::move(*z));
        }
    }
    // Each sow went in before the first row of an equal or later date: ascending dates,
    // equal dates in reverse herd order. A stable sort of the reversed rows gives the same.
    std::vector<std::size_t> folge(zeilen.size());
    for (std::size_t k = 0; k < folge.size(); ++k)
        folge[k] = folge.size() - 1 - k;
    std::stable_sort(folge.begin(), folge.end(), [&schluessel](std::size_t a, std::size_t b) {
        return schluessel[a] < schluessel[b];
    });
    std::vector<TArbeitsplanZeile> sortiert;
    sortiert.reserve(zeilen.size());
    for (std::size_t k : folge)
        sortiert.push_back(std::move(zeilen[k]));
    return sortiert;
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
        return z.SauNr;
    case spFerkeln:
        return KurzDatumText(z.Ferkeln);
    case spWurf:
        return QString::number(z.WurfNr);
    case spTag:
        return TageSeitText(z, ersterTag, druck);
    case spStall:
        return z.Stall;
    default:
        return z.Tage[std::size_t(spalte - spTag0)];
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
