// The herd at scale: loading, saving, the selection rebuild and its six sort orders, the
// work plan, each against a baseline measured in the same run, on demo herds of 1,000, 10,000
// and 40,000 sows. After the runs a table gives per operation and size the time, the baseline
// and the ratio (the fastest repetition of each).
//
//   porvanta_bench [--frisch] [--groessen=1000,10000,40000] [Google Benchmark options]
//
// --frisch makes every iteration allocate as a freshly started program does (see main);
// bench/run.sh measures loading and saving so, the selection without it.

#include "benchherde.h"
#include "entry/auswahlliste.h"
#include "herd/herdfile.h"
#include "plan/arbeitsplan.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "programm/appcontext.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

const QDate kHeute(2024, 3, 10);
constexpr int kTragezeit = 113;

const char* const kSortNamen[6] = {"Alphanum", "Numerisch",     "Einstalldatum",
                                   "Status",   "Abferkeldatum", "Gruppe"};

// ---------------------------------------------------------------------------------------
// Demo herds, one data directory per size, made once by the demo tool.

class Herden {
public:
    static Herden& alle() {
        static Herden h;
        return h;
    }

    // The data directory of a herd of `n` sows; ends in a separator.
    QString verzeichnis(int n) {
        auto& d = dirs_[n];
        if (!d) {
            d = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                QStringLiteral("/porvanta-bench-XXXXXX"));
            const int rc = QProcess::execute(
                QStringLiteral(PORVANTA_DEMOHERDE),
                {d->path(), QString::number(n), QStringLiteral("--seed"), QStringLiteral("1"),
                 QStringLiteral("--heute"), kHeute.toString(Qt::ISODate)});
            if (rc != 0) {
                std::fprintf(stderr, "demoherde failed (%d)\n", rc);
                std::exit(2);
            }
        }
        return d->path() + u'/';
    }

    // The herd as loaded by the program, kept for the benchmarks that work on it.
    const Herde& herde(int n) {
        auto& h = herden_[n];
        if (!h) {
            ConsoleMessages msg;
            FixedClock uhr(kHeute);
            AppContext ctx(msg, uhr);
            ctx.Datenpfad = verzeichnis(n);
            HerdeLaden(ctx);
            h = std::make_unique<Herde>(std::move(ctx.Sauenliste));
        }
        return *h;
    }

    // A directory to save into, emptied between benchmarks.
    QString schreibVerzeichnis() {
        if (!schreib_)
            schreib_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                       QStringLiteral("/porvanta-bench-XXXXXX"));
        return schreib_->path() + u'/';
    }
    void schreibVerzeichnisLeeren() { schreib_.reset(); }

private:
    std::map<int, std::unique_ptr<QTemporaryDir>> dirs_;
    std::map<int, std::unique_ptr<Herde>> herden_;
    std::unique_ptr<QTemporaryDir> schreib_;
};

QByteArray dateiBytes(const Herde& h) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    HerdeSchreiben(b, h);
    return b.data();
}

void zaehler(benchmark::State& state, int n) {
    const Herde& h = Herden::alle().herde(n);
    std::size_t saetze = h.size();
    for (const Sau& s : h)
        saetze += s.wuerfe.size();
    state.counters["Sauen"] = double(h.size());
    state.counters["Saetze"] = double(saetze);
}

// ---------------------------------------------------------------------------------------
// Loading

void HerdeLaden_(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString dir = Herden::alle().verzeichnis(n);
    ConsoleMessages msg;
    FixedClock uhr(kHeute);
    for (auto _ : state) {
        AppContext ctx(msg, uhr);
        ctx.Datenpfad = dir;
        HerdeLaden(ctx);
        benchmark::DoNotOptimize(ctx.Sauenliste.data());
        benchmark::DoNotOptimize(ctx.Eberliste.size());
    }
    zaehler(state, n);
}

// Baseline: the file's bytes into memory.
void DateiLesen(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString pfad = Herden::alle().verzeichnis(n) + QString::fromLatin1(kHerdeDatei);
    for (auto _ : state) {
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly)) state.SkipWithError("cannot open the herd file");
        QByteArray b(f.size(), Qt::Uninitialized);
        qint64 gelesen = 0;
        while (gelesen < b.size()) {
            const qint64 r = f.read(b.data() + gelesen, b.size() - gelesen);
            if (r <= 0) break;
            gelesen += r;
        }
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
}

// ---------------------------------------------------------------------------------------
// Saving

void HerdeSpeichern_(benchmark::State& state) {
    const int n = int(state.range(0));
    ConsoleMessages msg;
    FixedClock uhr(kHeute);
    AppContext ctx(msg, uhr);
    ctx.Sauenliste = Herden::alle().herde(n);
    ctx.einstellungen.backupdatei = true;
    Herden::alle().schreibVerzeichnisLeeren();
    ctx.Datenpfad = Herden::alle().schreibVerzeichnis();
    // The first save has no previous file to keep; the measured ones do.
    if (!HerdeSpeichern(ctx)) state.SkipWithError("save failed");
    for (auto _ : state) {
        ctx.Geaendert = true;
        if (!HerdeSpeichern(ctx)) state.SkipWithError("save failed");
    }
    Herden::alle().schreibVerzeichnisLeeren();
}

// Baseline: the same bytes written over the file, then fsync.
void SchreibenFsync(benchmark::State& state) {
    const int n = int(state.range(0));
    const QByteArray bytes = dateiBytes(Herden::alle().herde(n));
    Herden::alle().schreibVerzeichnisLeeren();
    const QString pfad = Herden::alle().schreibVerzeichnis() + QString::fromLatin1(kHerdeDatei);
    for (auto _ : state) {
        QFile f(pfad);
        bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  f.write(bytes) == bytes.size() && f.flush() && ::fsync(f.handle()) == 0;
        f.close();
        if (!ok) state.SkipWithError("write failed");
    }
    Herden::alle().schreibVerzeichnisLeeren();
}

// ---------------------------------------------------------------------------------------
// Selection

// Baseline: one pass over all sow records, every byte of each read once.
void SauenDurchlauf(benchmark::State& state) {
    const int n = int(state.range(0));
    const Herde& h = Herden::alle().herde(n);
    for (auto _ : state) {
        std::uint64_t summe = 0;
        for (const Sau& s : h)
            summe += benchherde::satzSumme(s.rec.bytes());
        benchmark::DoNotOptimize(summe);
    }
}

// A second baseline: the same pass that also reads each sow's last litter record, which the
// rebuild must read (state and farrowing date) and which lies apart from the sow in memory.
void SauenLetzteWuerfe(benchmark::State& state) {
    const int n = int(state.range(0));
    const Herde& h = Herden::alle().herde(n);
    for (auto _ : state) {
        std::uint64_t summe = 0;
        for (const Sau& s : h) {
            summe += benchherde::satzSumme(s.rec.bytes());
            if (!s.wuerfe.empty()) summe += benchherde::satzSumme(s.wuerfe.back().bytes());
        }
        benchmark::DoNotOptimize(summe);
    }
}

// Rebuilding the entries in the default order and the visible lines (all states shown).
void AuswahlAufbauen(benchmark::State& state) {
    const int n = int(state.range(0));
    Herde h = Herden::alle().herde(n);
    const std::array<bool, 7> alle{true, true, true, true, true, true, true};
    for (auto _ : state) {
        Auswahlliste l;
        l.aufbauen(h, kTragezeit, Sortierung::Numerisch);
        l.sichtbareAufbauen(h, alle);
        benchmark::DoNotOptimize(l.eintraege().data());
    }
}

// The rebuild done literally: each sow inserted before the first entry it does not sort
// after.
std::vector<AuswahlEintrag> einfuegend(const std::vector<AuswahlEintrag>& inHerdenfolge,
                                       const Herde& h, Sortierung s) {
    std::vector<AuswahlEintrag> liste;
    for (const AuswahlEintrag& e : inHerdenfolge) {
        std::size_t pos = 0;
        while (pos < liste.size() && Auswahlliste::nach(e, liste[pos], s, h))
            ++pos;
        liste.insert(liste.begin() + std::ptrdiff_t(pos), e);
    }
    return liste;
}

std::vector<AuswahlEintrag> inHerdenfolge(const Herde& h) {
    Auswahlliste l;
    l.aufbauen(h, kTragezeit, Sortierung::Numerisch);
    std::vector<AuswahlEintrag> e = l.eintraege();
    std::sort(e.begin(), e.end(), [](const auto& a, const auto& b) { return a.index < b.index; });
    return e;
}

std::vector<int> indizes(const std::vector<AuswahlEintrag>& e) {
    std::vector<int> out;
    out.reserve(e.size());
    for (const AuswahlEintrag& x : e)
        out.push_back(x.index);
    return out;
}

void AuswahlAufbauenEinfuegend(benchmark::State& state) {
    const int n = int(state.range(0));
    const Herde& h = Herden::alle().herde(n);
    const std::vector<AuswahlEintrag> roh = inHerdenfolge(h);
    Auswahlliste schnell;
    schnell.aufbauen(h, kTragezeit, Sortierung::Numerisch);
    if (indizes(einfuegend(roh, h, Sortierung::Numerisch)) != indizes(schnell.eintraege()))
        state.SkipWithError("literal insertion and rebuild differ");
    for (auto _ : state)
        benchmark::DoNotOptimize(einfuegend(roh, h, Sortierung::Numerisch).data());
}

// Every sort starts from the order of the next sort key, as when the user picks another
// order in the window.
Auswahlliste startfolge(const Herde& h, Sortierung s) {
    Auswahlliste l;
    l.aufbauen(h, kTragezeit, Sortierung((int(s) + 1) % 6));
    l.auffrischen(h, kTragezeit);
    return l;
}

void Sortieren(benchmark::State& state) {
    const int n = int(state.range(0));
    const Sortierung s = Sortierung(state.range(1));
    const Herde& h = Herden::alle().herde(n);
    const Auswahlliste start = startfolge(h, s);
    for (auto _ : state) {
        state.PauseTiming();
        Auswahlliste l = start;
        state.ResumeTiming();
        l.sortieren(h, s);
        benchmark::DoNotOptimize(l.eintraege().data());
    }
}

// The neighbour-swapping passes, from the same start; checked against the fast sort once.
void SortierenTauschend(benchmark::State& state) {
    const int n = int(state.range(0));
    const Sortierung s = Sortierung(state.range(1));
    const Herde& h = Herden::alle().herde(n);
    const Auswahlliste start = startfolge(h, s);
    {
        Auswahlliste a = start, b = start;
        a.sortieren(h, s);
        b.sortierenDurchTauschen(h, s);
        if (indizes(a.eintraege()) != indizes(b.eintraege()))
            state.SkipWithError("swap passes and fast sort differ");
    }
    for (auto _ : state) {
        state.PauseTiming();
        Auswahlliste l = start;
        state.ResumeTiming();
        l.sortierenDurchTauschen(h, s);
        benchmark::DoNotOptimize(l.eintraege().data());
    }
}

// ---------------------------------------------------------------------------------------
// The table after the runs

struct Ergebnis {
    double ms = 0;
    bool fehler = false;
};

// Keeps per benchmark the fastest of its repetitions: on a shared machine the other work
// only ever adds time.
class Sammler : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration) continue;
            const double ms =
                r.GetAdjustedRealTime() * (r.time_unit == benchmark::kMillisecond   ? 1.0
                                           : r.time_unit == benchmark::kMicrosecond ? 1e-3
                                           : r.time_unit == benchmark::kNanosecond  ? 1e-6
                                                                                    : 1e3);
            const std::string name = r.run_name.function_name + "/" + r.run_name.args;
            auto [it, neu] = ergebnisse.try_emplace(name, Ergebnis{ms, r.error_occurred});
            if (!neu) {
                it->second.ms = std::min(it->second.ms, ms);
                it->second.fehler = it->second.fehler || r.error_occurred;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, Ergebnis> ergebnisse;
};

// ---------------------------------------------------------------------------------------
// Work plan

const TKurzDatum kPlanStart = TKurzDatum::aus(QDate(2024, 3, 11));

// Baseline: one pass over every sow and every litter record, each byte read once.
void SauenAlleWuerfe(benchmark::State& state) {
    const Herde& h = Herden::alle().herde(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(benchherde::HerdenSumme(h));
}

// The default plan type over the herd's first 20 stalls: nearly every sow is listed.
TPlanTyp planTyp(const Herde& h) {
    QStringList staelle;
    for (const Sau& s : h)
        if (staelle.size() < kPlanTypStaelle && !staelle.contains(s.rec.Stall()))
            staelle << s.rec.Stall();
    return StandardPlanTyp(staelle);
}

void ArbeitsplanAufbauen(benchmark::State& state) {
    const Herde& h = Herden::alle().herde(int(state.range(0)));
    const TPlanTyp typ = planTyp(h);
    const TPlanZeiten zeiten = PlanZeitenStandard();
    for (auto _ : state) {
        auto zeilen = PlanZeilen(h, zeiten, typ, kPlanStart, kTragezeit);
        benchmark::DoNotOptimize(zeilen.data());
        state.counters["Zeilen"] = double(zeilen.size());
    }
}

// The literal build: every row inserted before the first row of an equal or later date.
void ArbeitsplanAufbauenEinfuegend(benchmark::State& state) {
    const Herde& h = Herden::alle().herde(int(state.range(0)));
    const TPlanTyp typ = planTyp(h);
    const TPlanZeiten zeiten = PlanZeitenStandard();
    const auto schnell = PlanZeilen(h, zeiten, typ, kPlanStart, kTragezeit);
    for (auto _ : state) {
        std::vector<TArbeitsplanZeile> zeilen;
        for (const Sau& s : h) {
            auto z = SauAuswerten(s, zeiten, typ, kPlanStart, kTragezeit);
            if (!z) continue;
            auto pos = zeilen.begin();
            while (pos != zeilen.end() && DatumVor(pos->Ferkeln, z->Ferkeln))
                ++pos;
            zeilen.insert(pos, std::move(*z));
        }
        bool gleich = zeilen.size() == schnell.size();
        for (std::size_t i = 0; gleich && i < zeilen.size(); ++i)
            gleich = zeilen[i].SauNr == schnell[i].SauNr;
        if (!gleich) state.SkipWithError("order differs from the fast build");
    }
}

std::vector<int> gGroessen{1000, 10000, 40000};
// The literal passes grow with the square of the herd; beyond this they are not run.
constexpr int kTauschendBis = 10000;

// Wall-clock time throughout: saving waits for the disk.
benchmark::internal::Benchmark* reg(const std::string& name, void (*fn)(benchmark::State&)) {
    return benchmark::RegisterBenchmark(name.c_str(), fn)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

void registrieren() {
    for (int n : gGroessen) {
        reg("HerdeLaden", HerdeLaden_)->Arg(n);
        reg("Datei_lesen", DateiLesen)->Arg(n);
        reg("HerdeSpeichern", HerdeSpeichern_)->Arg(n)->MinTime(2);
        reg("Schreiben_fsync", SchreibenFsync)->Arg(n)->MinTime(2);
        reg("Sauen_Durchlauf", SauenDurchlauf)->Arg(n);
        reg("Sauen_letzte_Wuerfe", SauenLetzteWuerfe)->Arg(n);
        reg("Auswahl_aufbauen", AuswahlAufbauen)->Arg(n);
        reg("Sauen_alle_Wuerfe", SauenAlleWuerfe)->Arg(n);
        reg("Arbeitsplan_aufbauen", ArbeitsplanAufbauen)->Arg(n);
        for (int s = 0; s < 6; ++s)
            reg(std::string("Sortieren_").append(kSortNamen[s]), Sortieren)->Args({n, s});
        if (n <= kTauschendBis) {
            reg("Auswahl_aufbauen_einfuegend", AuswahlAufbauenEinfuegend)->Arg(n);
            reg("Arbeitsplan_aufbauen_einfuegend", ArbeitsplanAufbauenEinfuegend)->Arg(n);
            for (int s = 0; s < 6; ++s)
                reg(std::string("Sortieren_").append(kSortNamen[s]).append("_tauschend"),
                    SortierenTauschend)
                    ->Args({n, s});
        }
    }
}

// "name/n" or, for the sorts, "name/n/k" as Google Benchmark names its runs.
std::string lauf(const char* name, int n, int k = -1) {
    std::string out = name;
    out += '/';
    out += std::to_string(n);
    if (k >= 0) {
        out += '/';
        out += std::to_string(k);
    }
    return out;
}

void tabelle(const Sammler& s) {
    const auto zeit = [&](const std::string& name) -> const Ergebnis* {
        auto it = s.ergebnisse.find(name);
        return it == s.ergebnisse.end() ? nullptr : &it->second;
    };
    const auto zeile = [&](const std::string& op, int n, const std::string& name,
                           const std::string& basis, const char* ziel) {
        const Ergebnis* a = zeit(name);
        const Ergebnis* b = zeit(basis);
        if (!a) return;
        if (a->fehler || !b || b->fehler) {
            std::printf("%-44s %7d %12s\n", op.c_str(), n, "FEHLER");
            return;
        }
        std::printf("%-44s %7d %12.3f %12.3f %8.2f %8s\n", op.c_str(), n, a->ms, b->ms,
                    a->ms / b->ms, ziel);
    };
    std::printf("\n%-44s %7s %12s %12s %8s %8s\n", "Operation / Basis", "Sauen", "Zeit ms",
                "Basis ms", "Faktor", "Ziel");
    for (int n : gGroessen) {
        zeile("HerdeLaden / Datei lesen", n, lauf("HerdeLaden", n), lauf("Datei_lesen", n),
              "<= 2.0");
        zeile("HerdeSpeichern / Schreiben + fsync", n, lauf("HerdeSpeichern", n),
              lauf("Schreiben_fsync", n), "<= 2.0");
        zeile("Auswahl aufbauen / Sauen-Durchlauf", n, lauf("Auswahl_aufbauen", n),
              lauf("Sauen_Durchlauf", n), "<= 5");
        zeile("Auswahl aufbauen / Sauen + letzte Würfe", n, lauf("Auswahl_aufbauen", n),
              lauf("Sauen_letzte_Wuerfe", n), "");
        zeile("Arbeitsplan aufbauen / Sauen + alle Würfe", n, lauf("Arbeitsplan_aufbauen", n),
              lauf("Sauen_alle_Wuerfe", n), "<= 3");
        for (int k = 0; k < 6; ++k) {
            std::string name = "Sortieren_";
            name += kSortNamen[k];
            zeile("Sortieren " + std::string(kSortNamen[k]) + " / Sauen-Durchlauf", n,
                  lauf(name.c_str(), n, k), lauf("Sauen_Durchlauf", n), "<= 5");
        }
    }
    bool woertlich = false;
    for (const auto& [name, e] : s.ergebnisse)
        woertlich = woertlich || name.find("einfuegend") != std::string::npos ||
                    name.find("tauschend") != std::string::npos;
    if (!woertlich) return;
    std::printf("\nDie wörtlichen Abläufe (Einfügen, Tauschdurchgänge) gegen die schnellen, "
                "Ergebnis gleich geprüft; nur bis %d Sauen:\n",
                kTauschendBis);
    for (int n : gGroessen) {
        if (n > kTauschendBis) continue;
        zeile("Aufbauen einfügend / schnell", n, lauf("Auswahl_aufbauen_einfuegend", n),
              lauf("Auswahl_aufbauen", n), "");
        zeile("Arbeitsplan einfügend / schnell", n, lauf("Arbeitsplan_aufbauen_einfuegend", n),
              lauf("Arbeitsplan_aufbauen", n), "");
        for (int k = 0; k < 6; ++k) {
            std::string name = "Sortieren_";
            name += kSortNamen[k];
            std::string tauschend = name;
            tauschend += "_tauschend";
            zeile("Sortieren " + std::string(kSortNamen[k]) + " tauschend / schnell", n,
                  lauf(tauschend.c_str(), n, k), lauf(name.c_str(), n, k), "");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (benchherde::GroessenLesen(a, gGroessen)) continue;
        if (a == "--frisch") {
            // Freed memory goes straight back to the system and large blocks are always
            // mapped afresh, so every iteration pays for its pages as a freshly started
            // program does: the right setting for loading and saving, which happen at start-up
            // and seldom. glibc's adaptive thresholds would keep the baseline's single large
            // buffer warm between iterations while the many blocks of a herd go back and forth.
            ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
            ::mallopt(M_TRIM_THRESHOLD, 128 * 1024);
        } else {
            args.push_back(argv[i]);
        }
    }
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;
    registrieren();
    Sammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    tabelle(sammler);
    benchmark::Shutdown();
    return 0;
}
