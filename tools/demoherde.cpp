// demoherde: writes a data directory with a made-up but plausible herd book for screenshots
// and benchmarks: SAUWURF.DAT with N sows and several years of history, and HilfsLst.DAT
// with helper lists that match the names used in the herd.
//
//   demoherde <datenverzeichnis> <anzahl_sauen> [--seed N] [--heute JJJJ-MM-TT] [--statistik]
//   demoherde <datenverzeichnis> --statistik
//
// The same seed and the same day give the same files byte for byte: the ranges are drawn
// from mt19937's raw output by the small helpers below, not by std distributions.

#include "herd/herdfile.h"
#include "herd/kurzdatum.h"
#include "herd/records.h"
#include "herd/sauherde.h"
#include "herd/saustatus.h"
#include "stamm/planfiles.h"
#include "stamm/planrecords.h"
#include "platform/codepage.h"
#include "platform/consolemessages.h"
#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/safewrite.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <random>
#include <vector>

namespace {

constexpr const char* kHilfslistenDatei = "HilfsLst.DAT";

// ---------------------------------------------------------------------------------------
// Random numbers

class Zufall {
public:
    explicit Zufall(std::uint32_t seed) : gen_(seed) {}

    // Uniform in lo..hi, both included; rejection keeps it unbiased.
    int zahl(int lo, int hi) {
        const std::uint32_t spanne = std::uint32_t(hi - lo) + 1;
        const std::uint32_t grenze = std::uint32_t(0u - spanne) % spanne; // 2^32 mod spanne
        std::uint32_t x;
        do {
            x = std::uint32_t(gen_());
        } while (x < grenze);
        return lo + int(x % spanne);
    }
    bool promille(int p) { return zahl(0, 999) < p; }
    // An index chosen by relative weights.
    int gewichtet(std::initializer_list<int> gewichte) {
        int summe = 0;
        for (int g : gewichte)
            summe += g;
        int r = zahl(0, summe - 1);
        int i = 0;
        for (int g : gewichte) {
            if (r < g) return i;
            r -= g;
            ++i;
        }
        return i - 1;
    }
    // Heads in n fair coin tosses.
    int muenzen(int n) {
        int k = 0;
        for (int i = 0; i < n; ++i)
            k += int(gen_() >> 31);
        return k;
    }
    const QString& eins(const QStringList& l) { return l[zahl(0, int(l.size()) - 1)]; }

private:
    std::mt19937 gen_;
};

// ---------------------------------------------------------------------------------------
// Vocabulary: the helper lists and the names the herd uses from them

struct Vokabular {
    QStringList rassen{"DL x DE",   "DE x DL",     "Hybridsau",     "Große Weiße",
                       "Landrasse", "Edelschwein", "Schw.-Hällisch"};
    QStringList verlustursachen{"erdrückt", "lebensschwach", "Durchfall",
                                "Kümmerer", "verhungert",    "Gelenkentzündg"};
    QStringList anomalien{"Spreizer",   "Binneneber", "Grätscher", "Nabelbruch",
                          "Hodenbruch", "Zitterer",   "Afterlos"};
    QStringList impfungen{"Parvo/Rotlauf", "E.coli", "Mycoplasmen", "PRRS",       "Influenza",
                          "Entwurmung",    "Eisen",  "Oxytocin",    "Amoxicillin"};
    QStringList herkuenfte{"eigene Aufzucht", "Zucht Lindenhof", "Hof Brenner",
                           "SZV Emsland",     "Gut Wiesengrund", "Zucht Aargau"};
    QStringList abnehmer{"Schlachthof Süd", "Viehh. Krüger", "EG Nordvieh", "Metzgerei Huber",
                         "Tierkörperbes."};
    QStringList belegnoten{"KB",         "Natursprung",   "stark rauschend", "schwach rauschd",
                           "nachbelegt", "Eber zugeführt"};
    QStringList ferkelnoten{"Geburtshilfe", "Oxytocin", "MMA behandelt", "Geburt eingel.",
                            "Nachts geworfen"};
    QStringList staelle{"Deckzentrum", "Wartestall 1", "Wartestall 2",   "Abferkel 1",
                        "Abferkel 2",  "Abferkel 3",   "Jungsauenstall", "Quarantäne"};
    QStringList notizzeilen{"ruhige Sau, gute Mutter",
                            "Klauen hinten links behandelt",
                            "neigt zu MMA",
                            "Zitzen 7/7",
                            "Gesäuge links schwach",
                            "Ohrmarke ersetzt",
                            "frisst schlecht im Abferkelstall",
                            "aggressiv gegen Ferkel, aufpassen!",
                            "Nachgeburt verzögert beim letzten Wurf",
                            "Schulterläsion, Matte eingelegt",
                            "aus Versuchsgruppe Futterumstellung"};
    QStringList wurfnotizen{"Sau hat zwei Tage schlecht gefressen",
                            "Ferkel in zwei Gruppen geworfen", "Wurf ausgeglichen, sehr vital",
                            "Ferkel von Nachbarbucht angesetzt", "Gesäugeentzündung, Tierarzt 2x"};

    // Boars with the span of days (from the start of the book) in which they are used.
    struct Eber {
        QString name;
        int von, bis;
    };
    std::vector<Eber> eber;

    explicit Vokabular(int buchTage) {
        const QStringList namen{"Ajax",    "Bruno 17", "Caruso",   "Dorian",  "Elmar",
                                "Falko",   "Goliath",  "Hannibal", "Ingo",    "Jörg 3",
                                "Kasimir", "Lümmel",   "Moritz",   "Nepomuk", "Oskar"};
        const int n = int(namen.size());
        // Staggered so that five or six are in use at any time, the last ones until today.
        const int schritt = buchTage / (n - 4);
        for (int i = 0; i < n; ++i)
            eber.push_back({namen[i], i * schritt - 3 * schritt, i * schritt + 3 * schritt});
    }
};

// ---------------------------------------------------------------------------------------
// Helper lists file: 128-byte records, byte 0 the list number, bytes 1..16 the entry as a
// length byte and 15 characters, the rest zero; lists 0 to 6 in order.

QByteArray HilfslistenBytes(const std::array<QStringList, 7>& listen) {
    QByteArray out;
    for (int nr = 0; nr < 7; ++nr) {
        for (const QString& eintrag : listen[std::size_t(nr)]) {
            QByteArray rec(128, '\0');
            const QByteArray text = cp1252::encode(eintrag.left(15));
            rec[0] = char(nr);
            rec[1] = char(text.size());
            std::memcpy(rec.data() + 2, text.constData(), std::size_t(text.size()));
            out.append(rec);
        }
    }
    return out;
}

std::array<QStringList, 7> Hilfslisten(const Vokabular& v) {
    return {v.rassen,
            v.verlustursachen + v.anomalien,
            v.impfungen,
            v.herkuenfte + v.abnehmer,
            v.belegnoten + v.ferkelnoten,
            v.staelle,
            {}};
}

// ---------------------------------------------------------------------------------------
// Herd

TKurzDatum Datum(int jd) {
    return TKurzDatum::aus(QDate::fromJulianDay(jd));
}

struct Plan {
    int zugang; // Julian day
    bool geht;  // meant to leave the herd before today
    int wuerfe; // litters before she leaves (0: culled as young sow)
};

// The farm's plan times: the standard tasks, the litter tasks of the card (days after the
// mating), the piglet work after farrowing and the sows' own routine.
TPlanZeiten DemoPlanzeiten() {
    struct Aufgabe {
        int seite, zeile;
        const char* name;
        int von, bis;
        const char* kuerzel;
    };
    static const Aufgabe aufgaben[] = {
        {psBelegen, 0, "Abferkeln", 114, 116, "Abf."},
        {psBelegen, 1, "1. Tk-Kontrolle", 21, 28, "TK"},
        {psBelegen, 2, "Muttertierimpf.", 84, 90, "MImp"},
        {psBelegen, 3, "Entwurmung", 98, 104, "Wurm"},
        {psBelegen, 4, "Umstallen", 106, 110, "Umst"},
        {psBelegen, 5, "Eisen/Kastrat.", 117, 120, "Eis"},
        {psAbferkeln, 0, "Absetzen", 28, 30, "Abs"},
        {psAbferkeln, 1, "Eisengabe", 2, 3, "Eis"},
        {psAbferkeln, 2, "Kastration", 3, 7, "Kast"},
        {psAbferkeln, 3, "Ferkelimpfung", 18, 21, "FImp"},
        {psAbsetzen, 0, "Neubelegen", 4, 7, "Neub"},
        {psWurfunabhaengig, 0, "Parvo-Impfung", 180, 0, "Parv"},
        {psEinstallen, 0, "Quarant.-Impf.", 7, 14, "QImp"},
    };
    TPlanZeiten z;
    for (const Aufgabe& a : aufgaben)
        z.setEntry(a.seite, a.zeile,
                   TPlanTermin::mit(QString::fromUtf8(a.name), a.von, a.bis,
                                    QString::fromUtf8(a.kuerzel)));
    return z;
}

class Generator {
public:
    Generator(std::uint32_t seed, QDate heute)
        : z_(seed), heute_(int(heute.toJulianDay())), beginn_(heute_ - kBuchTage), v_(kBuchTage),
          plan_(DemoPlanzeiten()) {}

    const Vokabular& vokabular() const { return v_; }

    Herde erzeugen(int anzahl) {
        std::vector<Plan> plaene;
        plaene.reserve(std::size_t(anzahl));
        for (int i = 0; i < anzahl; ++i)
            plaene.push_back(planen());
        // Sows enter the book in the order they came in.
        std::stable_sort(plaene.begin(), plaene.end(),
                         [](const Plan& a, const Plan& b) { return a.zugang < b.zugang; });
        Herde herde;
        herde.reserve(plaene.size());
        for (const Plan& p : plaene)
            herde.push_back(sau(p));
        StatusNeuBerechnen(herde);
        return herde;
    }

private:
    static constexpr int kBuchTage = 8 * 365; // the herd book goes back eight years
    static constexpr int kAktivTage = 1500;   // sows in the herd came in at most this long ago

    Plan planen() {
        Plan p{};
        p.geht = z_.promille(250);
        if (!p.geht) {
            p.zugang = heute_ - z_.zahl(0, kAktivTage);
            return p;
        }
        p.wuerfe = z_.gewichtet({2, 8, 10, 14, 15, 15, 13, 10, 7, 5, 3});
        // Roughly her stay, so that she leaves before today.
        const int dauer = 60 + p.wuerfe * 150 + 30;
        p.zugang = heute_ - dauer - z_.zahl(0, std::max(0, kBuchTage - dauer));
        return p;
    }

    // SauNr: mostly ascending numbers with gaps, some with a letter in front.
    QString sauNr() {
        if (z_.promille(100)) {
            const int b = z_.zahl(0, 5);
            if (buchstabeNr_[b] == 0) buchstabeNr_[b] = z_.zahl(1, 40);
            return QChar(u'A' + b) + QString::number(buchstabeNr_[b]++);
        }
        nummer_ += z_.zahl(1, 3);
        return QString::number(nummer_);
    }

    const QString& eber(int jd) {
        const int tag = jd - beginn_;
        int treffer[16];
        int n = 0;
        for (int i = 0; i < int(v_.eber.size()); ++i)
            if (tag >= v_.eber[i].von && tag <= v_.eber[i].bis) treffer[n++] = i;
        const int i = n > 0 ? treffer[z_.zahl(0, n - 1)] : z_.zahl(0, int(v_.eber.size()) - 1);
        return v_.eber[std::size_t(i)].name;
    }

    std::uint8_t futter(int lo, int hi) { return std::uint8_t(z_.zahl(lo, hi)); }

    void belegen(TWurfRec& w, int k, int jd) {
        w.setBelegen(k, Datum(jd));
        w.setEber(k, eber(jd));
        w.setMal(k, z_.promille(600) ? 2 : 1);
        if (z_.promille(80)) w.setBelegnote(k, z_.eins(v_.belegnoten));
    }

    // Farrowing, losses, anomalies and, when due, weaning. Returns the weaning day or 0.
    int ferkeln(TWurfRec& w, int f, bool wiegt) {
        w.setAbferkeln(Datum(f));
        if (z_.promille(4)) {
            // Aborted litter: all born dead, weaning date = farrowing date.
            const int geb = z_.zahl(3, 10);
            w.setGeborene(std::uint8_t(geb));
            w.setTodgeborene(std::uint8_t(geb));
            w.setAbsetzen(Datum(f));
            return f;
        }
        const int geb = 8 + z_.muenzen(10);
        const int tot = z_.gewichtet({55, 28, 12, 5});
        const int lebend = geb - tot;
        w.setGeborene(std::uint8_t(geb));
        w.setTodgeborene(std::uint8_t(tot));
        w.setWeibliche(std::uint8_t(z_.muenzen(lebend)));
        int ausgleich = 0;
        if (z_.promille(350)) {
            if (lebend >= 14)
                ausgleich = -z_.zahl(1, 3);
            else if (lebend <= 10)
                ausgleich = z_.zahl(1, 3);
            else
                ausgleich = z_.zahl(-2, 2);
        }
        w.setAusgleich(std::int8_t(ausgleich));
        if (wiegt) w.setGeburtsgewicht(std::uint16_t(z_.zahl(130, 160) * 10));
        if (z_.promille(100)) w.setFerkelnNote(z_.eins(v_.ferkelnoten));
        if (z_.promille(30)) w.setWurfNotiz(z_.eins(v_.wurfnotizen));

        const int a = f + z_.zahl(21, 28);
        const int bisTag = std::min(a - 1, heute_) - f; // losses before weaning, known so far

        // Anomalies from slot 14 down.
        int anomalien = 0;
        if (z_.promille(180)) {
            anomalien = 1 + z_.gewichtet({75, 25});
            for (int i = 0; i < anomalien; ++i)
                w.setEintrag(14 - i, z_.eins(v_.anomalien));
        }
        // Losses from slot 1 up, in day order, mostly in the first days.
        const int wunsch = z_.gewichtet({30, 30, 20, 12, 8});
        const int hoechstens = std::min(lebend + ausgleich, 14 - anomalien);
        std::vector<int> tage;
        for (int i = 0; i < wunsch && int(tage.size()) < hoechstens; ++i) {
            const int tag = z_.zahl(0, z_.promille(700) ? 4 : 24);
            if (tag <= bisTag) tage.push_back(tag);
        }
        std::sort(tage.begin(), tage.end());
        for (std::size_t i = 0; i < tage.size(); ++i) {
            const int slot = int(i) + 1;
            const int ursache = z_.gewichtet({40, 20, 15, 10, 8, 7});
            w.setEintrag(slot, v_.verlustursachen[ursache]);
            w.setVerlusttag(slot, std::uint8_t(tage[i] + 1));
        }

        if (a > heute_) return 0;
        w.setAbsetzen(Datum(a));
        if (wiegt) {
            const int g = 6000 + (a - f - 21) * 260 + z_.zahl(-400, 400);
            w.setAbsetzgewicht(std::uint16_t(std::clamp(g, 6000, 8000) / 100 * 100));
        }
        return a;
    }

    // Why a mating did not hold: 0 it held, 1 back in heat before any check, 2 first check
    // negative, 3 first check positive and second negative.
    int fehlschlag() {
        if (z_.promille(130)) return z_.promille(600) ? 1 : 2;
        return z_.promille(20) ? 3 : 0;
    }

    Sau sau(const Plan& p) {
        Sau sau;
        TSauRec& s = sau.rec;
        s.setSauNr(sauNr());
        s.setZugang(Datum(p.zugang));

        const int herkunft = z_.gewichtet({45, 15, 12, 12, 10, 6});
        const bool eigene = herkunft == 0;
        s.setHerkunft(v_.herkuenfte[herkunft]);
        if (z_.promille(850)) s.setTVG(QStringLiteral("DE 0357 %1").arg(z_.zahl(100000, 999999)));
        s.setRasse(v_.rassen[z_.gewichtet({30, 25, 15, 8, 8, 7, 7})]);
        s.setEinkaufsgewicht(std::uint16_t(z_.zahl(95, 135)));
        if (!eigene) {
            const int euro = z_.zahl(56, 84) * 5; // 280..420
            if (QDate::fromJulianDay(p.zugang).year() < 2002) {
                s.setEinkaufspreis(std::round(euro * 1.95583));
                s.setEinkaufWaehrung(DM);
            } else if (herkunft == 5) {
                s.setEinkaufspreis(std::round(euro * 1.6));
                s.setEinkaufWaehrung(Fr);
            } else {
                s.setEinkaufspreis(euro);
                s.setEinkaufWaehrung(Euro);
            }
        }
        if (z_.promille(80)) {
            QStringList zeilen;
            const int n = z_.zahl(1, 4);
            for (int i = 0; i < n; ++i)
                zeilen << z_.eins(v_.notizzeilen);
            s.setSauNotiz(zeilen.join(u'\n'));
        }

        const bool wiegt = z_.promille(700);
        const bool fuettert = z_.promille(600);
        const bool termine = z_.promille(700);
        int wurfNr = !eigene && z_.promille(30) ? z_.zahl(2, 4) : 1; // bought as older sow
        int abgang = 0; // planned or forced departure day
        int letzteBelegung = 0;

        int m = p.zugang + z_.zahl(20, 60); // first heat after settling in
        if (p.geht && p.wuerfe == 0) abgang = p.zugang + z_.zahl(30, 120);
        int geworfen = 0;
        while (abgang == 0) {
            if (m > heute_) {
                // Not mated yet: a young sow may have her empty first page stored, a weaned
                // sow the page of her next cycle.
                if (z_.promille(500)) {
                    TWurfRec w = TWurfRec::leer(std::uint8_t(wurfNr));
                    if (fuettert) w.setFutter(4, futter(28, 35));
                    sau.wuerfe.push_back(w);
                }
                break;
            }
            TWurfRec w = TWurfRec::leer(std::uint8_t(wurfNr));
            bool offen = false; // the story of this litter goes on after today
            int k = 1;
            int mk = m;
            for (;;) {
                belegen(w, k, mk);
                letzteBelegung = mk;
                const int grund = fehlschlag();
                if (grund == 0) break;
                const int tk1 = mk + z_.zahl(21, 28);
                int erkannt; // day the failure shows
                int neu;     // day of the next mating
                if (grund == 1) {
                    erkannt = mk + z_.zahl(18, 24);
                    neu = erkannt + z_.zahl(0, 1);
                } else if (grund == 2) {
                    // Not seen in heat at three weeks: mated again at the next heat.
                    erkannt = tk1;
                    neu = mk + z_.zahl(38, 46);
                    if (tk1 <= heute_) {
                        w.setTKDatum(1, Datum(tk1));
                        w.setTKErgebnis(1, 0);
                    }
                } else {
                    erkannt = tk1 + z_.zahl(14, 35);
                    neu = erkannt + z_.zahl(0, 21);
                    if (tk1 <= heute_) {
                        w.setTKDatum(1, Datum(tk1));
                        w.setTKErgebnis(1, 1);
                    }
                    if (erkannt <= heute_) {
                        w.setTKDatum(2, Datum(erkannt));
                        w.setTKErgebnis(2, 0);
                    }
                }
                if (k == 3) {
                    // Third time back in heat: she goes.
                    if (erkannt + 10 <= heute_) abgang = erkannt + z_.zahl(0, 10);
                    offen = abgang == 0;
                    break;
                }
                if (neu > heute_) {
                    offen = true;
                    break;
                }
                ++k;
                mk = neu;
            }
            if (offen || abgang != 0) {
                sau.wuerfe.push_back(w);
                break;
            }

            // The mating held.
            const int tk1 = mk + z_.zahl(21, 28);
            const int f = mk + 114 + z_.gewichtet({25, 50, 25});
            if (tk1 <= heute_) {
                w.setTKDatum(1, Datum(tk1));
                w.setTKErgebnis(1, 1);
                w.setTKDatum(2, {}); // a check of an earlier mating is overwritten
                w.setTKErgebnis(2, 0);
                const int tk2 = tk1 + z_.zahl(14, 35);
                if (z_.promille(300) && tk2 <= heute_) {
                    w.setTKDatum(2, Datum(tk2));
                    w.setTKErgebnis(2, 1);
                }
            }
            if (termine) {
                // Only tasks with a name have a date on the card.
                for (int t = 0; t < 8; ++t) {
                    const TPlanTermin a = plan_.entry(psBelegen, 2 + t);
                    if (a.Name().isEmpty()) continue;
                    const int tag = mk + z_.zahl(a.ErsterTag(), a.LetzterTag());
                    const bool nachWurf = a.ErsterTag() > 116;
                    if (tag <= heute_ && (nachWurf || tag < f)) w.setWurfTermin(t + 1, Datum(tag));
                }
            }
            if (fuettert) {
                w.setFutter(1, futter(24, 30));
                if (mk + 85 <= heute_) w.setFutter(2, futter(30, 38));
            }
            if (f > heute_) {
                sau.wuerfe.push_back(w);
                break;
            }
            if (fuettert) w.setFutter(3, futter(55, 75));
            const int a = ferkeln(w, f, wiegt);
            if (a == 0) {
                sau.wuerfe.push_back(w);
                break;
            }
            if (fuettert) w.setFutter(4, futter(28, 35));
            sau.wuerfe.push_back(w);
            ++wurfNr;
            ++geworfen;
            if (p.geht && geworfen >= p.wuerfe) {
                const int tag = a + z_.zahl(0, 10);
                if (tag <= heute_) {
                    abgang = tag;
                    break;
                }
            }
            m = a + (z_.promille(880) ? z_.zahl(4, 7) : z_.zahl(8, 30));
        }

        if (abgang > heute_) abgang = 0; // still in the herd today
        if (abgang != 0) {
            s.setAbgang(Datum(abgang));
            s.setAbnehmer(v_.abnehmer[z_.gewichtet({35, 30, 20, 10, 5})]);
            const int kg = 170 + 10 * geworfen + z_.zahl(0, 40);
            s.setVerkaufsgewicht(std::uint16_t(kg));
            const double euro = std::round(kg * z_.zahl(110, 160) / 100.0);
            if (QDate::fromJulianDay(abgang).year() < 2002) {
                s.setVerkaufspreis(std::round(euro * 1.95583));
                s.setVerkaufWaehrung(DM);
            } else {
                s.setVerkaufspreis(euro);
                s.setVerkaufWaehrung(Euro);
            }
        }
        const int ende = abgang != 0 ? abgang : heute_;
        const TPlanTermin sauAufgabe = plan_.entry(psWurfunabhaengig, 0);
        if (termine && !sauAufgabe.Name().isEmpty() && ende - p.zugang > 30)
            s.setSauTermin(1, Datum(ende - z_.zahl(0, std::min(int(sauAufgabe.ErsterTag()),
                                                               ende - p.zugang - 1))));

        const TSauStatus st = SauStatus(sau);
        s.setStatus(st);
        s.setStall(stall(st, letzteBelegung, p.zugang));
        if (st == stLeereJS)
            s.setGruppe(-1);
        else if (st == stUmrauschen || letzteBelegung == 0)
            s.setGruppe(0);
        else
            s.setGruppe(std::int8_t(letzteBelegung / 21 % 7 + 1)); // three-week rhythm
        return sau;
    }

    // Where a sow in this state stands today.
    const QString& stall(TSauStatus st, int letzteBelegung, int zugang) {
        const QStringList& l = v_.staelle;
        const int gruppe = letzteBelegung / 21 % 7;
        switch (st) {
        case stLeer:
        case stUmrauschen:
        case stBelegt:
            return l[0];
        case stTragend: {
            const int tage = heute_ - letzteBelegung;
            if (tage < 28) return l[0];
            if (tage < 108) return l[1 + gruppe % 2];
            return l[3 + gruppe % 3];
        }
        case stSaeugend:
            return l[3 + gruppe % 3];
        case stLeereJS:
            return heute_ - zugang < 28 ? l[7] : l[6];
        default:
            return z_.promille(500) ? l[0] : l[3 + gruppe % 3];
        }
    }

    Zufall z_;
    int heute_;
    int beginn_;
    Vokabular v_;
    TPlanZeiten plan_;
    int nummer_ = 0;
    std::array<int, 6> buchstabeNr_{};
};

// ---------------------------------------------------------------------------------------
// Reading back

// Reads the herd file back and prints counts per state and a few plausibility checks.
bool Statistik(const QString& verzeichnis, QDate heute) {
    QFile f(findFileNoCase(verzeichnis, QString::fromLatin1(kHerdeDatei)));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: nicht lesbar\n", qPrintable(f.fileName()));
        return false;
    }
    ConsoleMessages meldungen;
    const HerdeGelesen g = HerdeLesen(f, heute, meldungen);
    const TKurzDatum heuteK = TKurzDatum::aus(heute);

    // Task dates belong to named tasks of the plan times (the standard ones without the file).
    TPlanZeiten plan = PlanZeitenStandard();
    QFile pf(findFileNoCase(verzeichnis, QString::fromLatin1(kPlanZeitenDatei)));
    if (pf.open(QIODevice::ReadOnly)) plan = PlanZeitenLesen(pf).zeiten;
    const auto benannt = [&](int seite, int zeile) {
        return !plan.entry(seite, zeile).Name().isEmpty();
    };

    std::array<long, 7> status{};
    long wuerfe = 0, spaeter = 0, doppelt = 0, unbenannt = 0;
    QSet<QString> nummern;
    const auto pruefen = [&](TKurzDatum d) {
        if (d.vorhanden() && DatumVor(heuteK, d)) ++spaeter;
    };
    for (const Sau& sau : g.herde) {
        ++status[std::min<std::size_t>(sau.rec.Status(), 6)];
        if (nummern.contains(sau.rec.SauNr())) ++doppelt;
        nummern.insert(sau.rec.SauNr());
        pruefen(sau.rec.Zugang());
        pruefen(sau.rec.Abgang());
        for (int i = 1; i <= 4; ++i) {
            pruefen(sau.rec.SauTermin(i));
            if (sau.rec.SauTermin(i).vorhanden() && !benannt(psWurfunabhaengig, i - 1)) ++unbenannt;
        }
        for (const TWurfRec& w : sau.wuerfe) {
            ++wuerfe;
            for (int i = 1; i <= 3; ++i)
                pruefen(w.Belegen(i));
            for (int i = 1; i <= 2; ++i)
                pruefen(w.TKDatum(i));
            for (int i = 1; i <= 8; ++i) {
                pruefen(w.WurfTermin(i));
                if (w.WurfTermin(i).vorhanden() && !benannt(psBelegen, i + 1)) ++unbenannt;
            }
            pruefen(w.Abferkeln());
            pruefen(w.Absetzen());
        }
    }
    const long sauen = long(g.herde.size());
    std::printf("%s: %lld Bytes, %ld Sauen, %ld Würfe, %lld Eber, %d Lesefehler\n",
                qPrintable(f.fileName()), static_cast<long long>(f.size()), sauen, wuerfe,
                static_cast<long long>(g.eberliste.size()), g.lesefehler);
    for (int st = 0; st < 7; ++st)
        std::printf("  %-11s %7ld  %5.1f %%\n", qPrintable(StatusName(st)), status[st],
                    sauen > 0 ? 100.0 * double(status[st]) / double(sauen) : 0.0);
    std::printf("  Daten nach %s: %ld, doppelte SauNr: %ld, Termine ohne Namen: %ld\n",
                qPrintable(heute.toString(Qt::ISODate)), spaeter, doppelt, unbenannt);
    return g.lesefehler == 0 && spaeter == 0 && doppelt == 0 && unbenannt == 0;
}

// ---------------------------------------------------------------------------------------

int Gebrauch() {
    std::fprintf(stderr, "Aufruf: demoherde <datenverzeichnis> <anzahl_sauen> [--seed N] "
                         "[--heute JJJJ-MM-TT] [--statistik]\n"
                         "        demoherde <datenverzeichnis> --statistik [--heute JJJJ-MM-TT]\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QStringList positionen;
    std::uint32_t seed = 1;
    QDate heute = QDate::currentDate();
    bool statistik = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == u"--seed" && i + 1 < argc) {
            bool ok = false;
            seed = QString::fromLocal8Bit(argv[++i]).toUInt(&ok);
            if (!ok) return Gebrauch();
        } else if (a == u"--heute" && i + 1 < argc) {
            heute = QDate::fromString(QString::fromLocal8Bit(argv[++i]), Qt::ISODate);
            // Two-digit years in the records read 1980..2079; the book reaches 8 years back.
            if (!heute.isValid() || heute.year() < 1990 || heute.year() > 2079) {
                std::fprintf(stderr, "--heute: Datum zwischen 1990-01-01 und 2079-12-31\n");
                return 1;
            }
        } else if (a == u"--statistik") {
            statistik = true;
        } else if (a.startsWith(u"--")) {
            return Gebrauch();
        } else {
            positionen << a;
        }
    }
    if (positionen.size() == 1 && statistik) return Statistik(positionen[0], heute) ? 0 : 3;
    if (positionen.size() != 2) return Gebrauch();
    bool ok = false;
    const int anzahl = positionen[1].toInt(&ok);
    if (!ok || anzahl < 0 || anzahl > 200000) {
        std::fprintf(stderr, "anzahl_sauen: 0 bis 200000\n");
        return 1;
    }
    const QDir dir(positionen[0]);
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "%s: Verzeichnis nicht anlegbar\n", qPrintable(dir.path()));
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    Generator gen(seed, heute);
    const Herde herde = gen.erzeugen(anzahl);
    const auto erzeugt = std::chrono::steady_clock::now();

    const QString herdePfad = dir.filePath(QString::fromLatin1(kHerdeDatei));
    if (!writeFileSafely(herdePfad, [&](QIODevice& d) { return HerdeSchreiben(d, herde); })) {
        std::fprintf(stderr, "%s: Schreiben fehlgeschlagen\n", qPrintable(herdePfad));
        return 2;
    }
    const QString listenPfad = dir.filePath(QString::fromLatin1(kHilfslistenDatei));
    const QByteArray listen = HilfslistenBytes(Hilfslisten(gen.vokabular()));
    if (!writeFileSafely(listenPfad,
                         [&](QIODevice& d) { return d.write(listen) == listen.size(); })) {
        std::fprintf(stderr, "%s: Schreiben fehlgeschlagen\n", qPrintable(listenPfad));
        return 2;
    }
    const QString planPfad = dir.filePath(QString::fromLatin1(kPlanZeitenDatei));
    if (!writeFileSafely(planPfad,
                         [](QIODevice& d) { return PlanZeitenSchreiben(d, DemoPlanzeiten()); })) {
        std::fprintf(stderr, "%s: Schreiben fehlgeschlagen\n", qPrintable(planPfad));
        return 2;
    }
    const auto fertig = std::chrono::steady_clock::now();

    std::size_t wuerfe = 0;
    for (const Sau& s : herde)
        wuerfe += s.wuerfe.size();
    const auto ms = [](auto a, auto b) {
        return long(std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count());
    };
    std::printf("%d Sauen, %zu Würfe (%zu Sätze) nach %s; erzeugt in %ld ms, geschrieben in "
                "%ld ms\n",
                anzahl, wuerfe, herde.size() + wuerfe, qPrintable(dir.path()), ms(start, erzeugt),
                ms(erzeugt, fertig));

    if (statistik) return Statistik(dir.path(), heute) ? 0 : 3;
    return 0;
}
